#include "StageParts.h"

#include "Layout.h"
#include "simulation/cinput.h"

#include <QStringList>

namespace logivane::examples {

TLEDDevice* StageLamp(TMacro& circuit, int i) {
  const QByteArray label = "Q" + QByteArray::number(i);
  return Lamp(circuit, StageX(i) + 70, LampY, label.constData());
}

void ClockLine(TMacro& circuit, TPin& source, const std::vector<TPin*>& clocks, int offset) {
  TGraphicObject* line = &source;
  for (std::size_t i = 0; i < clocks.size(); ++i) {
    const QPoint pin = PinPoint(*clocks[i]);
    const int x = pin.x() - offset;
    if (i + 1 < clocks.size()) {
      TSolder* tap = Joint(circuit, x, ClockY);
      Wire(circuit, *line, *tap);
      Wire(circuit, *tap, *clocks[i], {{x, pin.y()}});
      line = tap;
    } else {
      Wire(circuit, *line, *clocks[i], {{x, ClockY}, {x, pin.y()}});
    }
  }
}

TJKFlipFlop* ToggleStage(TMacro& circuit, int x) {
  auto* stage = Place<TJKFlipFlop>(circuit, x, StageY);
  auto* high = Place<TSupply>(circuit, x - 80, StageY - 10);
  TSolder* tie = Joint(circuit, x - 50, StageY - 10);
  Wire(circuit, *high->Pin(0), *tie);
  Wire(circuit, *tie, Data(*stage));
  Wire(circuit, *tie, K(*stage), {{x - 50, StageY + 10}});
  return stage;
}

QString LevelsOf(int value, int count) {
  QStringList levels;
  for (int i = 0; i < count; ++i) {
    levels << QString::number(value >> i & 1);
  }
  return levels.join(u' ');
}

}  // namespace logivane::examples
