#include "Examples.h"

namespace logivane::examples {

std::span<const TExample> MemoryExamples() {
  return {};
}

}  // namespace logivane::examples
