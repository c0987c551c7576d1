#include "CourseParts.h"
#include "GatesExamples.h"
#include "Layout.h"
#include "simulation/cGateDevice.h"

namespace logivane::examples {

namespace {

/// One gate of class `T` between the inputs A and B (only A for a single input) and the LED Y.
template <class T>
std::unique_ptr<TMacro> OneGate() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* gate = Place<T>(c, 200, 120);
  TLayout layout(c);
  if (gate->PinCount() == 2) {
    layout.Net(*Switch(c, 60, 120, QStringLiteral("A"))->Pin(0), {gate->Pin(1)});
  } else {
    layout.Net(*Switch(c, 60, 110, QStringLiteral("A"))->Pin(0), {gate->Pin(2)});
    layout.Net(*Switch(c, 60, 130, QStringLiteral("B"))->Pin(0), {gate->Pin(1)});
  }
  layout.Net(*gate->Pin(0), {Lamp(c, 320, 120, QStringLiteral("Y"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

/// The table of a gate with inputs A and B whose output Y is `expression` of them.
QString TwoInputTable(const char* name, const char* expression) {
  return QStringLiteral(
             "# %1: Y for every combination of A and B\n"
             "A B | Y\n"
             "bits(A B) | = %2\n")
      .arg(QLatin1String(name), QLatin1String(expression));
}

}  // namespace

std::unique_ptr<TMacro> NotGate() {
  return OneGate<TNotGate>();
}
std::unique_ptr<TMacro> AndGate() {
  return OneGate<T2AndGate>();
}
std::unique_ptr<TMacro> OrGate() {
  return OneGate<T2OrGate>();
}
std::unique_ptr<TMacro> NandGate() {
  return OneGate<T2NandGate>();
}
std::unique_ptr<TMacro> NorGate() {
  return OneGate<T2NorGate>();
}
std::unique_ptr<TMacro> XorGate() {
  return OneGate<T2XorGate>();
}
std::unique_ptr<TMacro> XnorGate() {
  return OneGate<T2XnorGate>();
}

QString NotGateTable() {
  return QStringLiteral("# NOT gate: Y is the opposite of A\nA | Y\n0 | 1\n1 | 0\n");
}
QString AndGateTable() {
  return TwoInputTable("AND gate", "A & B");
}
QString OrGateTable() {
  return TwoInputTable("OR gate", "A | B");
}
QString NandGateTable() {
  return TwoInputTable("NAND gate", "~(A & B)");
}
QString NorGateTable() {
  return TwoInputTable("NOR gate", "~(A | B)");
}
QString XorGateTable() {
  return TwoInputTable("XOR gate", "A ^ B");
}
QString XnorGateTable() {
  return TwoInputTable("XNOR gate", "~(A ^ B)");
}

}  // namespace logivane::examples
