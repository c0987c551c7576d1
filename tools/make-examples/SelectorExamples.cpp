#include "CombinationalExamples.h"
#include "CourseParts.h"
#include "Layout.h"
#include "simulation/cGateDevice.h"

#include <array>

namespace logivane::examples {

namespace {

/// Wires the selects `high` and `low`, through their inverters as well, to four AND gates so
/// that gate i is enabled only while the selects number i: `high` or its inverse on each gate's
/// second input, `low` or its inverse on its first.
template <class Gate>
void DecodeSelects(TLayout& layout, TDevice& high, TDevice& low, TNotGate& notHigh,
                   TNotGate& notLow, const std::array<Gate*, 4>& gates) {
  layout.Net(*high.Pin(0), {notHigh.Pin(1), gates[2]->Pin(2), gates[3]->Pin(2)});
  layout.Net(*low.Pin(0), {notLow.Pin(1), gates[1]->Pin(1), gates[3]->Pin(1)});
  layout.Net(*notHigh.Pin(0), {gates[0]->Pin(2), gates[1]->Pin(2)});
  layout.Net(*notLow.Pin(0), {gates[0]->Pin(1), gates[2]->Pin(1)});
}

}  // namespace

std::unique_ptr<TMacro> Mux2() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* select = Switch(c, 60, 240, QStringLiteral("S"));
  auto* notS = Place<TNotGate>(c, 200, 240);
  auto* fromA = Place<T2AndGate>(c, 340, 110);
  auto* fromB = Place<T2AndGate>(c, 340, 170);
  auto* either = Place<T2OrGate>(c, 460, 140);
  TLayout layout(c);
  layout.Net(*Switch(c, 60, 100, QStringLiteral("A"))->Pin(0), {fromA->Pin(2)});
  layout.Net(*Switch(c, 60, 160, QStringLiteral("B"))->Pin(0), {fromB->Pin(2)});
  layout.Net(*select->Pin(0), {notS->Pin(1), fromB->Pin(1)});
  layout.Net(*notS->Pin(0), {fromA->Pin(1)});
  layout.Net(*fromA->Pin(0), {either->Pin(2)});
  layout.Net(*fromB->Pin(0), {either->Pin(1)});
  layout.Net(*either->Pin(0), {Lamp(c, 560, 140, QStringLiteral("Y"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString Mux2Table() {
  return QStringLiteral(
      "# 2-way multiplexer: Y follows A while S is 0 and B while S is 1\n"
      "A B S | Y\n"
      "bits(A B S) | = (A & ~S) | (B & S)\n");
}

std::unique_ptr<TMacro> Mux4() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* s1 = Switch(c, 60, 340, QStringLiteral("S1"));
  auto* s0 = Switch(c, 60, 380, QStringLiteral("S0"));
  auto* notS1 = Place<TNotGate>(c, 220, 340);
  auto* notS0 = Place<TNotGate>(c, 220, 380);
  std::array<T3AndGate*, 4> picks{};
  for (int i = 0; i < 4; ++i) {
    picks[i] = Place<T3AndGate>(c, 400, 100 + 60 * i);
  }
  auto* any = Place<T4OrGate>(c, 520, 190);
  TLayout layout(c);
  // Each AND gate passes its data input while the select inputs, or their inverses, number it.
  for (int i = 0; i < 4; ++i) {
    auto* data = Switch(c, 60, 90 + 60 * i, QStringLiteral("D%1").arg(i));
    layout.Net(*data->Pin(0), {picks[i]->Pin(3)});
  }
  DecodeSelects(layout, *s1, *s0, *notS1, *notS0, picks);
  for (int i = 0; i < 4; ++i) {
    layout.Net(*picks[i]->Pin(0), {any->Pin(4 - i)});
  }
  layout.Net(*any->Pin(0), {Lamp(c, 620, 190, QStringLiteral("Y"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString Mux4Table() {
  return QStringLiteral(
      "# 4-way multiplexer: Y follows the data input that S1 S0 number, for all 64\n"
      "# combinations of the selects and the data\n"
      "S1 S0 D3 D2 D1 D0 | Y\n"
      "bits(S1 S0 D3 D2 D1 D0) | = (~S1 & ~S0 & D0) | (~S1 & S0 & D1) | (S1 & ~S0 & D2) | "
      "(S1 & S0 & D3)\n");
}

std::unique_ptr<TMacro> Decoder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* a1 = Switch(c, 60, 100, QStringLiteral("A1"));
  auto* a0 = Switch(c, 60, 140, QStringLiteral("A0"));
  auto* notA1 = Place<TNotGate>(c, 200, 100);
  auto* notA0 = Place<TNotGate>(c, 200, 140);
  std::array<T2AndGate*, 4> lines{};
  for (int i = 0; i < 4; ++i) {
    lines[i] = Place<T2AndGate>(c, 360, 200 + 60 * i);
  }
  TLayout layout(c);
  DecodeSelects(layout, *a1, *a0, *notA1, *notA0, lines);
  for (int i = 0; i < 4; ++i) {
    layout.Net(*lines[i]->Pin(0),
               {Lamp(c, 460, 200 + 60 * i, QStringLiteral("Y%1").arg(i))->Pin(0)});
  }
  layout.Route();
  root->Reset();
  return root;
}

QString DecoderTable() {
  return QStringLiteral(
      "# 2-to-4 decoder: the output that A1 A0 number lights, and only that one\n"
      "A1 A0 | Y0 Y1 Y2 Y3\n"
      "bits(A1 A0) | = ~A1 & ~A0  = ~A1 & A0  = A1 & ~A0  = A1 & A0\n");
}

std::unique_ptr<TMacro> PriorityEncoder() {
  auto root = NewCircuit();
  TMacro& c = *root;
  auto* d3 = Switch(c, 60, 90, QStringLiteral("D3"));
  auto* d2 = Switch(c, 60, 110, QStringLiteral("D2"));
  auto* d1 = Switch(c, 60, 210, QStringLiteral("D1"));
  auto* d0 = Switch(c, 60, 335, QStringLiteral("D0"));
  auto* notD2 = Place<TNotGate>(c, 220, 190);
  auto* high = Place<T2OrGate>(c, 360, 100);
  auto* onlyD1 = Place<T2AndGate>(c, 360, 200);
  auto* odd = Place<T2OrGate>(c, 480, 160);
  auto* any = Place<T4OrGate>(c, 360, 320);
  TLayout layout(c);
  // Y1 is D3 or D2; Y0 is D3, or D1 while D2 is 0; V is any input.
  layout.Net(*d3->Pin(0), {high->Pin(2), odd->Pin(2), any->Pin(4)});
  layout.Net(*d2->Pin(0), {high->Pin(1), notD2->Pin(1), any->Pin(3)});
  layout.Net(*d1->Pin(0), {onlyD1->Pin(1), any->Pin(2)});
  layout.Net(*d0->Pin(0), {any->Pin(1)});
  layout.Net(*notD2->Pin(0), {onlyD1->Pin(2)});
  layout.Net(*onlyD1->Pin(0), {odd->Pin(1)});
  layout.Net(*high->Pin(0), {Lamp(c, 580, 100, QStringLiteral("Y1"))->Pin(0)});
  layout.Net(*odd->Pin(0), {Lamp(c, 580, 160, QStringLiteral("Y0"))->Pin(0)});
  layout.Net(*any->Pin(0), {Lamp(c, 580, 320, QStringLiteral("V"))->Pin(0)});
  layout.Route();
  root->Reset();
  return root;
}

QString PriorityEncoderTable() {
  return QStringLiteral(
      "# priority encoder: Y1 Y0 number the highest input that is 1, and V says that one is;\n"
      "# all sixteen combinations\n"
      "D3 D2 D1 D0 | Y1 Y0 V\n"
      "bits(D3 D2 D1 D0) | = D3 | D2  = D3 | (D1 & ~D2)  = D3 | D2 | D1 | D0\n");
}

}  // namespace logivane::examples
