#include "Examples.h"

#include "simulation/cCircuitFile.h"

namespace logivane::examples {

std::span<const TExample> AllExamples() {
  static constexpr TExample examples[] = {
      {"counter.lvm", "Counter", &Counter},
      {"full-adder.lvm", "Full adder", &FullAdder},
      {"traffic-light.lvm", "Traffic light", &TrafficLight},
  };
  return examples;
}

QByteArray ExampleBytes(const TExample& example) {
  return CircuitBytes(*example.Build(), QString::fromLatin1(example.Title));
}

}  // namespace logivane::examples
