#include "Examples.h"

namespace logivane::examples {

std::span<const TExample> GatesExamples() {
  return {};
}

}  // namespace logivane::examples
