#include "CourseParts.h"
#include "GatesExamples.h"
#include "Layout.h"
#include "simulation/cGateDevice.h"

namespace logivane::examples {

namespace {

/// NOT, AND and OR of gates of class `T` alone: a gate with its inputs tied inverts, so
/// inverting the output of a gate, or its inputs, gives the other two.
template <class T>
std::unique_ptr<TMacro> Universal(const char* inverted, const char* invertedInputs) {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* a = Switch(c, 60, 100, QStringLiteral("A"));
  auto* b = Switch(c, 60, 140, QStringLiteral("B"));
  auto* notA = Place<T>(c, 200, 100);
  auto* both = Place<T>(c, 200, 180);
  auto* again = Place<T>(c, 340, 180);
  auto* invertA = Place<T>(c, 200, 260);
  auto* invertB = Place<T>(c, 200, 340);
  auto* either = Place<T>(c, 340, 300);
  TLayout layout(c);
  layout.Net(*a->Pin(0),
             {notA->Pin(2), notA->Pin(1), both->Pin(2), invertA->Pin(2), invertA->Pin(1)});
  layout.Net(*b->Pin(0), {both->Pin(1), invertB->Pin(2), invertB->Pin(1)});
  layout.Net(*both->Pin(0), {again->Pin(2), again->Pin(1)});
  layout.Net(*invertA->Pin(0), {either->Pin(2)});
  layout.Net(*invertB->Pin(0), {either->Pin(1)});
  layout.Net(*notA->Pin(0), {Lamp(c, 480, 100, QStringLiteral("NotA"))->Pin(0)});
  layout.Net(*again->Pin(0), {Lamp(c, 480, 180, QString::fromLatin1(inverted))->Pin(0)});
  layout.Net(*either->Pin(0), {Lamp(c, 480, 300, QString::fromLatin1(invertedInputs))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

}  // namespace

std::unique_ptr<TMacro> DeMorgan() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* a = Switch(c, 60, 100, QStringLiteral("A"));
  auto* b = Switch(c, 60, 140, QStringLiteral("B"));
  auto* nand = Place<T2NandGate>(c, 340, 100);
  auto* notA = Place<TNotGate>(c, 200, 160);
  auto* notB = Place<TNotGate>(c, 200, 200);
  auto* orOfNots = Place<T2OrGate>(c, 340, 180);
  auto* nor = Place<T2NorGate>(c, 340, 260);
  auto* andOfNots = Place<T2AndGate>(c, 340, 340);
  TLayout layout(c);
  layout.Net(*a->Pin(0), {nand->Pin(2), notA->Pin(1), nor->Pin(2)});
  layout.Net(*b->Pin(0), {nand->Pin(1), notB->Pin(1), nor->Pin(1)});
  layout.Net(*notA->Pin(0), {orOfNots->Pin(2), andOfNots->Pin(2)});
  layout.Net(*notB->Pin(0), {orOfNots->Pin(1), andOfNots->Pin(1)});
  layout.Net(*nand->Pin(0), {Lamp(c, 480, 100, QStringLiteral("NandAB"))->Pin(0)});
  layout.Net(*orOfNots->Pin(0), {Lamp(c, 480, 180, QStringLiteral("NotAorNotB"))->Pin(0)});
  layout.Net(*nor->Pin(0), {Lamp(c, 480, 260, QStringLiteral("NorAB"))->Pin(0)});
  layout.Net(*andOfNots->Pin(0), {Lamp(c, 480, 340, QStringLiteral("NotAandNotB"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString DeMorganTable() {
  // Each law holds when its two LEDs agree on every row.
  return QStringLiteral(
      "# De Morgan: not (A and B) equals (not A) or (not B), and not (A or B) equals\n"
      "# (not A) and (not B), for every combination of A and B\n"
      "A B | NandAB NotAorNotB NorAB NotAandNotB\n"
      "bits(A B) | = ~(A & B)  = ~(A & B)  = ~(A | B)  = ~(A | B)\n");
}

std::unique_ptr<TMacro> NandOnly() {
  return Universal<T2NandGate>("AandB", "AorB");
}

std::unique_ptr<TMacro> NorOnly() {
  return Universal<T2NorGate>("AorB", "AandB");
}

QString NandOnlyTable() {
  return QStringLiteral(
      "# NAND gates alone: NOT, AND and OR for every combination of A and B\n"
      "A B | NotA AandB AorB\n"
      "bits(A B) | = ~A  = A & B  = A | B\n");
}

QString NorOnlyTable() {
  return QStringLiteral(
      "# NOR gates alone: NOT, OR and AND for every combination of A and B\n"
      "A B | NotA AorB AandB\n"
      "bits(A B) | = ~A  = A | B  = A & B\n");
}

}  // namespace logivane::examples
