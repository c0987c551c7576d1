#include "CombinationalExamples.h"
#include "CourseParts.h"
#include "Layout.h"
#include "simulation/cGateDevice.h"

namespace logivane::examples {

std::unique_ptr<TMacro> Subtractor() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* borrowIn = Switch(c, 60, 80, QStringLiteral("Bin"));
  auto* a = Switch(c, 60, 110, QStringLiteral("A"));
  auto* b = Switch(c, 60, 130, QStringLiteral("B"));
  // The difference is A xor B xor Bin, as in an adder; a borrow comes when A is 0 and B 1, or
  // when A equals B and a borrow comes in.
  auto* differ = Place<T2XorGate>(c, 220, 120);
  auto* notA = Place<TNotGate>(c, 210, 200);
  auto* difference = Place<T2XorGate>(c, 380, 90);
  auto* same = Place<TNotGate>(c, 370, 160);
  auto* takes = Place<T2AndGate>(c, 380, 230);
  auto* passes = Place<T2AndGate>(c, 520, 170);
  auto* borrowOut = Place<T2OrGate>(c, 640, 200);
  TLayout layout(c);
  layout.Net(*borrowIn->Pin(0), {difference->Pin(2), passes->Pin(1)});
  layout.Net(*a->Pin(0), {differ->Pin(2), notA->Pin(1)});
  layout.Net(*b->Pin(0), {differ->Pin(1), takes->Pin(1)});
  layout.Net(*differ->Pin(0), {difference->Pin(1), same->Pin(1)});
  layout.Net(*notA->Pin(0), {takes->Pin(2)});
  layout.Net(*same->Pin(0), {passes->Pin(2)});
  layout.Net(*takes->Pin(0), {borrowOut->Pin(1)});
  layout.Net(*passes->Pin(0), {borrowOut->Pin(2)});
  layout.Net(*difference->Pin(0), {Lamp(c, 740, 90, QStringLiteral("D"))->Pin(0)});
  layout.Net(*borrowOut->Pin(0), {Lamp(c, 740, 200, QStringLiteral("Bout"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString SubtractorTable() {
  return QStringLiteral(
      "# full subtractor: A - B - Bin for every combination, the difference D and the\n"
      "# borrow Bout written as expressions of the inputs\n"
      "A B Bin | D Bout\n"
      "bits(A B Bin) | = A ^ B ^ Bin  = (~A & B) | (~(A ^ B) & Bin)\n");
}

std::unique_ptr<TMacro> Comparator() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* a = Switch(c, 60, 90, QStringLiteral("A"));
  auto* b = Switch(c, 60, 200, QStringLiteral("B"));
  auto* notB = Place<TNotGate>(c, 220, 110);
  auto* notA = Place<TNotGate>(c, 220, 250);
  auto* greater = Place<T2AndGate>(c, 360, 100);
  auto* equal = Place<T2XnorGate>(c, 360, 180);
  auto* less = Place<T2AndGate>(c, 360, 260);
  TLayout layout(c);
  layout.Net(*a->Pin(0), {greater->Pin(2), equal->Pin(2), notA->Pin(1)});
  layout.Net(*b->Pin(0), {notB->Pin(1), equal->Pin(1), less->Pin(1)});
  layout.Net(*notB->Pin(0), {greater->Pin(1)});
  layout.Net(*notA->Pin(0), {less->Pin(2)});
  layout.Net(*greater->Pin(0), {Lamp(c, 460, 100, QStringLiteral("Greater"))->Pin(0)});
  layout.Net(*equal->Pin(0), {Lamp(c, 460, 180, QStringLiteral("Equal"))->Pin(0)});
  layout.Net(*less->Pin(0), {Lamp(c, 460, 260, QStringLiteral("Less"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString ComparatorTable() {
  return QStringLiteral(
      "# comparator: exactly one of the LEDs lights for every combination of A and B\n"
      "A B | Greater Equal Less\n"
      "bits(A B) | = A & ~B  = ~(A ^ B)  = ~A & B\n");
}

std::unique_ptr<TMacro> Parity() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* high = Place<T2XorGate>(c, 200, 120);
  auto* low = Place<T2XorGate>(c, 200, 200);
  auto* all = Place<T2XorGate>(c, 340, 160);
  TLayout layout(c);
  layout.Net(*Switch(c, 60, 110, QStringLiteral("D3"))->Pin(0), {high->Pin(2)});
  layout.Net(*Switch(c, 60, 130, QStringLiteral("D2"))->Pin(0), {high->Pin(1)});
  layout.Net(*Switch(c, 60, 190, QStringLiteral("D1"))->Pin(0), {low->Pin(2)});
  layout.Net(*Switch(c, 60, 210, QStringLiteral("D0"))->Pin(0), {low->Pin(1)});
  layout.Net(*high->Pin(0), {all->Pin(2)});
  layout.Net(*low->Pin(0), {all->Pin(1)});
  layout.Net(*all->Pin(0), {Lamp(c, 440, 160, QStringLiteral("P"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString ParityTable() {
  return QStringLiteral(
      "# parity: P makes the number of 1s among D3 to D0 and P even, for all sixteen words\n"
      "D3 D2 D1 D0 | P\n"
      "bits(D3 D2 D1 D0) | = D3 ^ D2 ^ D1 ^ D0\n");
}

}  // namespace logivane::examples
