#include "ExampleParts.h"
#include "Examples.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"

namespace logivane::examples {

namespace {

TInteractiveInput* Input(TMacro& circuit, int y, const char* label) {
  auto* input = Place<TInteractiveInput>(circuit, 60, y);
  input->SetLabelText(QString::fromLatin1(label));
  input->Recorded = true;
  return input;
}

TLEDDevice* Lamp(TMacro& circuit, int y, const char* label) {
  auto* led = Place<TLEDDevice>(circuit, 620, y);
  led->SetLabelText(QString::fromLatin1(label));
  led->SetLabelPosition(TTextDevice::LabelRight);
  led->Recorded = true;
  return led;
}

}  // namespace

std::unique_ptr<TMacro> FullAdder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  // Cin comes first, from above, so that its wire reaches the second half adder over the
  // first one instead of across it.
  TInteractiveInput* carryIn = Input(c, 60, "Cin");
  TInteractiveInput* a = Input(c, 120, "A");
  TInteractiveInput* b = Input(c, 160, "B");

  // First half adder: A xor B, A and B. B takes the upper input of the AND gate so that only
  // one wire of A crosses one of B.
  auto* half = Place<T2XorGate>(c, 220, 130);
  auto* both = Place<T2AndGate>(c, 220, 220);
  TSolder* fromA = Joint(c, 110, 120);
  Wire(c, *a->Pin(0), *fromA);
  Wire(c, *fromA, *half->Pin(2));
  Wire(c, *fromA, *both->Pin(1), {{110, 230}});
  TSolder* fromB = Joint(c, 150, 160);
  Wire(c, *b->Pin(0), *fromB);
  Wire(c, *fromB, *half->Pin(1), {{150, 140}});
  Wire(c, *fromB, *both->Pin(2), {{150, 210}});

  // Second half adder: the first one's sum with Cin.
  auto* sum = Place<T2XorGate>(c, 400, 90);
  auto* carried = Place<T2AndGate>(c, 400, 170);
  TSolder* fromCarry = Joint(c, 330, 80);
  Wire(c, *carryIn->Pin(0), *fromCarry, {{330, 60}});
  Wire(c, *fromCarry, *sum->Pin(2));
  Wire(c, *fromCarry, *carried->Pin(2), {{330, 160}});
  TSolder* fromHalf = Joint(c, 290, 130);
  Wire(c, *half->Pin(0), *fromHalf);
  Wire(c, *fromHalf, *sum->Pin(1), {{290, 100}});
  Wire(c, *fromHalf, *carried->Pin(1), {{290, 180}});

  auto* carryOut = Place<T2OrGate>(c, 540, 180);
  Wire(c, *carried->Pin(0), *carryOut->Pin(2));
  Wire(c, *both->Pin(0), *carryOut->Pin(1), {{480, 220}, {480, 190}});

  Wire(c, *sum->Pin(0), *Lamp(c, 90, "Sum")->Pin(0));
  Wire(c, *carryOut->Pin(0), *Lamp(c, 180, "Cout")->Pin(0));
  root->Reset();
  return root;
}

QString FullAdderTable() {
  return QStringLiteral(
      "# full adder: every combination of the inputs, counting from 000 to 111, with the\n"
      "# sum and the carry out written as expressions of them\n"
      "A B Cin | Sum Cout\n"
      "bits(A B Cin) | = A ^ B ^ Cin  = (A & B) | (Cin & (A ^ B))\n");
}

}  // namespace logivane::examples
