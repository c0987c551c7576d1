#include "ExampleParts.h"
#include "Examples.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

namespace logivane::examples {

namespace {

TLEDDevice* Lamp(TMacro& circuit, int y, const char* label, TColour colour) {
  auto* led = Place<TLEDDevice>(circuit, 620, y);
  led->Colour = colour;
  led->SetLabelText(QString::fromLatin1(label));
  led->SetLabelPosition(TTextDevice::LabelRight);
  led->Recorded = true;
  return led;
}

/// Ties J and K of `stage`, at `x`, to a joint left of them that the caller feeds.
TSolder* Toggle(TMacro& circuit, TJKFlipFlop& stage, int x) {
  TSolder* toggle = Joint(circuit, x - 50, 190);
  Wire(circuit, *toggle, *stage.Pin(TClockedFlipFlop::PinData));
  Wire(circuit, *toggle, *stage.Pin(TJKFlipFlop::PinK), {{x - 50, 210}});
  return toggle;
}

}  // namespace

std::unique_ptr<TMacro> TrafficLight() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* clock = Place<TClockDevice>(c, 60, 270);
  clock->SetLabelText(QStringLiteral("clock"));
  clock->Recorded = true;
  auto* high = Place<TSupply>(c, 115, 190);

  // A two-bit counter: stage 0 toggles on every falling clock edge, stage 1 when Q0 is high.
  auto* low = Place<TJKFlipFlop>(c, 200, 200);
  auto* highBit = Place<TJKFlipFlop>(c, 380, 200);
  Wire(c, *high->Pin(0), *Toggle(c, *low, 200));
  TSolder* tap = Joint(c, 160, 270);
  Wire(c, *clock->Pin(0), *tap);
  Wire(c, *tap, *low->Pin(TClockedFlipFlop::PinClock), {{160, 200}});
  Wire(c, *tap, *highBit->Pin(TClockedFlipFlop::PinClock), {{340, 270}, {340, 200}});
  TSolder* q0 = Joint(c, 245, 190);
  Wire(c, *low->Pin(0), *q0);
  Wire(c, *q0, *Toggle(c, *highBit, 380));

  // Counts 0 to 3 light red, red and amber, green, amber: red is not Q1, amber is Q0 and
  // green is Q1 with Q0 low, which a NOR of Q0 and not Q1 gives without another inverter.
  auto* notQ1 = Place<TNotGate>(c, 500, 100);
  Wire(c, *highBit->Pin(0), *notQ1->Pin(1), {{440, 190}, {440, 100}});
  auto* green = Place<T2NorGate>(c, 530, 210);
  TSolder* amber = Joint(c, 470, 155);
  Wire(c, *q0, *amber, {{245, 155}});
  Wire(c, *amber, *green->Pin(2), {{470, 200}});
  Wire(c, *highBit->Pin(1), *green->Pin(1), {{450, 210}, {450, 220}});

  Wire(c, *notQ1->Pin(0), *Lamp(c, 100, "red", ColourRed)->Pin(0));
  Wire(c, *amber, *Lamp(c, 155, "amber", 0x00B0FF)->Pin(0));
  Wire(c, *green->Pin(0), *Lamp(c, 210, "green", 0x00C000)->Pin(0));
  root->Reset();
  return root;
}

QString TrafficLightTable() {
  return QStringLiteral(
      "# traffic light: the clock runs by itself, and each phase lasts one clock cycle of two\n"
      "# steps: red, red and amber, green, amber, and round again\n"
      "| red amber green\n"
      "steps 2\n"
      "repeat 2\n"
      "  | 1 0 0\n"
      "  | 1 1 0\n"
      "  | 0 0 1\n"
      "  | 0 1 0\n");
}

}  // namespace logivane::examples
