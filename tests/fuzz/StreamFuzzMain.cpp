// libFuzzer entry point for the stream reader.

#include "FuzzTargets.h"

// The font and graphics libraries keep caches for the life of the process (as tools/lsan.supp
// says for the test suite); without this the fuzzer would report them as a leak when it exits.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libQt6Gui.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
  logivane::fuzz::EnsureApplication((*argv)[0]);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  logivane::fuzz::FuzzStream(data, size);
  return 0;
}
