// libFuzzer entry point; the build names the target it runs in LOGIVANE_FUZZ_TARGET.

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
  logivane::fuzz::LOGIVANE_FUZZ_TARGET(data, size);
  return 0;
}
