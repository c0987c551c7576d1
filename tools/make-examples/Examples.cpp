#include "Examples.h"

#include "simulation/cCircuitFile.h"

namespace logivane::examples {

std::span<const TExample> AllExamples() {
  static constexpr TExample examples[] = {
      {"counter.lvm", "Counter", &Counter, &CounterTable},
      {"full-adder.lvm", "Full adder", &FullAdder, &FullAdderTable},
      {"traffic-light.lvm", "Traffic light", &TrafficLight, &TrafficLightTable},
  };
  return examples;
}

QByteArray ExampleBytes(const TExample& example) {
  return CircuitBytes(*example.Build(), QString::fromLatin1(example.Title));
}

QString TableFileName(const TExample& example) {
  QString name = QString::fromLatin1(example.FileName);
  name.chop(QStringLiteral(".lvm").size());
  return name + QStringLiteral(".lvtest");
}

QByteArray TableBytes(const TExample& example) {
  return example.Table().toUtf8();
}

}  // namespace logivane::examples
