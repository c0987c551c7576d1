// The latches and flip-flops of the course: storage built from gates, then the flip-flop
// devices that package it.

#include "Examples.h"
#include "Layout.h"
#include "StageParts.h"
#include "simulation/cinput.h"

namespace logivane::examples {

namespace {

/// Two gates of class `T` that feed each other back: each output lights its LED and reaches the
/// nearer input of the other gate, the upper gate's the lower one's upper input.
template <class T>
void CrossCouple(TLayout& layout, T& upper, T& lower, TPin& upperLed, TPin& lowerLed) {
  layout.Net(Out(upper), {&upperLed, &Upper(lower)});
  layout.Net(Out(lower), {&lowerLed, &Lower(upper)});
}

std::unique_ptr<TMacro> SRLatch() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* reset = Switch(c, 60, 100, "R");
  TInteractiveInput* set = Switch(c, 60, 200, "S");
  auto* forQ = Place<T2NorGate>(c, 200, 110);
  auto* forNotQ = Place<T2NorGate>(c, 200, 190);
  TLayout layout(c);
  layout.Net(Out(*reset), {&Upper(*forQ)});
  layout.Net(Out(*set), {&Lower(*forNotQ)});
  CrossCouple(layout, *forQ, *forNotQ, Out(*Lamp(c, 320, 110, "Q")), Out(*Lamp(c, 320, 190, "/Q")));
  layout.Route();
  root->Reset();
  return root;
}

QString SRLatchTable() {
  return QStringLiteral(
      "# SR latch: reset, hold, set, hold and reset again; with both inputs low the latch keeps\n"
      "# what it was last told\n"
      "S R | Q /Q\n"
      "0 1 | 0 1\n"
      "0 0 | 0 1\n"
      "1 0 | 1 0\n"
      "0 0 | 1 0\n"
      "0 1 | 0 1\n"
      "0 0 | 0 1\n");
}

/// The four NAND gates of a gated D latch: the first column takes the data and the inverted
/// data on its upper inputs and the enable on its lower ones; the second is the latch itself.
struct TGatedLatch {
  T2NandGate* SetGate;
  T2NandGate* ResetGate;
  T2NandGate* QGate;
  T2NandGate* NotQGate;
};

/// Places the gates of a gated latch with its input column at `x`; the upper inputs of the
/// first column stand at y 100 and 220.
TGatedLatch PlaceLatch(TMacro& c, int x) {
  return {Place<T2NandGate>(c, x, 110), Place<T2NandGate>(c, x, 230),
          Place<T2NandGate>(c, x + 120, 120), Place<T2NandGate>(c, x + 120, 220)};
}

/// Wires the inside of `latch`: the first column's outputs set and reset the cross-coupled pair.
void WireLatch(TLayout& layout, const TGatedLatch& latch, TPin& qLed, TPin& notQLed) {
  layout.Net(Out(*latch.SetGate), {&Upper(*latch.QGate)});
  layout.Net(Out(*latch.ResetGate), {&Lower(*latch.NotQGate)});
  CrossCouple(layout, *latch.QGate, *latch.NotQGate, qLed, notQLed);
}

std::unique_ptr<TMacro> GatedDLatch() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* data = Switch(c, 60, 100, "D");
  TInteractiveInput* enable = Switch(c, 60, 300, "En");
  auto* invert = Place<TNotGate>(c, 160, 220);
  const TGatedLatch latch = PlaceLatch(c, 260);
  TLayout layout(c);
  layout.Net(Out(*data), {&Upper(*latch.SetGate), invert->Pin(1)});
  layout.Net(Out(*enable), {&Lower(*latch.SetGate), &Lower(*latch.ResetGate)});
  layout.Net(Out(*invert), {&Upper(*latch.ResetGate)});
  WireLatch(layout, latch, Out(*Lamp(c, 470, 120, "Q")), Out(*Lamp(c, 470, 220, "/Q")));
  layout.Route();
  root->Reset();
  return root;
}

QString GatedDLatchTable() {
  return QStringLiteral(
      "# gated D latch: while En is high Q follows D; while it is low Q keeps its level\n"
      "# whatever D does\n"
      "D En | Q /Q\n"
      "0 1  | 0 1\n"
      "1 1  | 1 0\n"
      "0 1  | 0 1\n"
      "1 1  | 1 0\n"
      "1 0  | 1 0\n"
      "0 0  | 1 0\n"
      "1 0  | 1 0\n"
      "0 1  | 0 1\n"
      "1 0  | 0 1\n");
}

std::unique_ptr<TMacro> MasterSlave() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* data = Switch(c, 60, 100, "D");
  TInteractiveInput* clock = Switch(c, 60, 340, "Clk");
  auto* invertData = Place<TNotGate>(c, 160, 220);
  auto* invertClock = Place<TNotGate>(c, 160, 340);
  // The master is open while the clock is low; the slave, clocked through a second inverter,
  // while it is high, so that Q changes only as the clock rises.
  auto* restoreClock = Place<TNotGate>(c, 400, 340);
  const TGatedLatch master = PlaceLatch(c, 260);
  auto* slaveSet = Place<T2NandGate>(c, 520, 100);
  auto* slaveReset = Place<T2NandGate>(c, 520, 240);
  auto* slaveQ = Place<T2NandGate>(c, 640, 110);
  auto* slaveNotQ = Place<T2NandGate>(c, 640, 230);
  TLayout layout(c);
  layout.Net(Out(*data), {&Upper(*master.SetGate), invertData->Pin(1)});
  layout.Net(Out(*clock), {invertClock->Pin(1)});
  layout.Net(Out(*invertData), {&Upper(*master.ResetGate)});
  layout.Net(Out(*invertClock),
             {&Lower(*master.SetGate), &Lower(*master.ResetGate), restoreClock->Pin(1)});
  layout.Net(Out(*master.SetGate), {&Upper(*master.QGate)});
  layout.Net(Out(*master.ResetGate), {&Lower(*master.NotQGate)});
  layout.Net(Out(*master.QGate),
             {&Upper(*slaveSet), &Out(*Lamp(c, 470, 60, "Qm")), &Upper(*master.NotQGate)});
  layout.Net(Out(*master.NotQGate), {&Upper(*slaveReset), &Lower(*master.QGate)});
  layout.Net(Out(*restoreClock), {&Lower(*slaveSet), &Lower(*slaveReset)});
  layout.Net(Out(*slaveSet), {&Upper(*slaveQ)});
  layout.Net(Out(*slaveReset), {&Lower(*slaveNotQ)});
  CrossCouple(layout, *slaveQ, *slaveNotQ, Out(*Lamp(c, 760, 110, "Q")),
              Out(*Lamp(c, 760, 230, "/Q")));
  layout.Route();
  root->Reset();
  return root;
}

QString MasterSlaveTable() {
  return QStringLiteral(
      "# master-slave D flip-flop: the master Qm follows D while Clk is low and Q takes it as\n"
      "# Clk rises; a D that changes while Clk is high waits for the next rising edge. Q is\n"
      "# whatever the slave settled to until the first edge\n"
      "D Clk | Qm Q\n"
      "0 0   | 0  X\n"
      "0 1   | 0  0\n"
      "1 1   | 0  0\n"
      "1 0   | 1  0\n"
      "1 1   | 1  1\n"
      "0 1   | 1  1\n"
      "0 0   | 0  1\n"
      "0 1   | 0  0\n"
      "1 0   | 1  0\n"
      "X C   | 1  1\n"
      "0 0   | 0  1\n"
      "X C   | 0  0\n");
}

std::unique_ptr<TMacro> JKToggle() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TInteractiveInput* j = Switch(c, 60, 130, "J");
  TInteractiveInput* clock = Switch(c, 60, 200, "Clk");
  TInteractiveInput* k = Switch(c, 60, 270, "K");
  auto* flop = Place<TJKFlipFlop>(c, 200, 200);
  TLayout layout(c);
  layout.Net(Out(*j), {&Data(*flop)});
  layout.Net(Out(*clock), {&Clock(*flop)});
  layout.Net(Out(*k), {&K(*flop)});
  layout.Net(Q(*flop), {&Out(*Lamp(c, 300, 150, "Q"))});
  layout.Net(NotQ(*flop), {&Out(*Lamp(c, 300, 250, "/Q"))});
  layout.Route();
  root->Reset();
  return root;
}

QString JKToggleTable() {
  return QStringLiteral(
      "# JK flip-flop: it acts as the clock falls; J sets, K resets, both toggle, neither holds.\n"
      "# With J and K high, Q halves the clock\n"
      "J K Clk | Q /Q\n"
      "1 0 1   | 0 1\n"
      "1 0 0   | 1 0\n"
      "0 0 C   | 1 0\n"
      "0 1 C   | 0 1\n"
      "repeat 2\n"
      "  1 1 C | 1 0\n"
      "  1 1 C | 0 1\n"
      "1 1 1   | 0 1\n"
      "1 1 0   | 1 0\n");
}

/// A push button whose upper contact, at (x, y), is tied to a supply rail above and left of it.
TInteractiveSwitch* Button(TMacro& c, int x, int y, const char* label) {
  auto* button = Place<TInteractiveSwitch>(c, x, y + 15);
  button->SetSwitchType(TInteractiveSwitch::PushToMake);
  button->SetLabelText(QString::fromLatin1(label));
  auto* high = Place<TSupply>(c, x - 60, y - 30);
  Wire(c, *high->Pin(0), *button->Pin(0), {{x, y - 30}});
  return button;
}

std::unique_ptr<TMacro> Debounce() {
  auto root = NewCircuit();
  TMacro& c = *root;
  // The contact of a real switch bounces: it touches, lifts and touches again a few times.
  // The latch is set by the first touch of On and holds while the contact is in the air.
  TInteractiveSwitch* on = Button(c, 100, 100, "On");
  TInteractiveSwitch* off = Button(c, 100, 260, "Off");
  auto* forNotQ = Place<T2NorGate>(c, 260, 140);
  auto* forQ = Place<T2NorGate>(c, 260, 280);
  TLayout layout(c);
  layout.Net(*on->Pin(1), {&Upper(*forNotQ), &Out(*Lamp(c, 160, 190, "Raw"))});
  layout.Net(*off->Pin(1), {&Lower(*forQ)});
  layout.Net(Out(*forNotQ), {&Out(*Lamp(c, 360, 140, "/Q")), &Upper(*forQ)});
  layout.Net(Out(*forQ), {&Out(*Lamp(c, 360, 280, "Q")), &Lower(*forNotQ)});
  layout.Route();
  root->Reset();
  return root;
}

QString DebounceTable() {
  return QStringLiteral(
      "# debounced switch: the contacts bounce, which Raw shows, but Q changes only on the\n"
      "# first touch of the other contact\n"
      "On Off | Raw Q\n"
      "0  1   | 0   0\n"
      "0  0   | 0   0\n"
      "repeat 2\n"
      "  1  0 | 1   1\n"
      "  0  0 | 0   1\n"
      "1  0   | 1   1\n"
      "repeat 2\n"
      "  0  1 | 0   0\n"
      "  0  0 | 0   0\n"
      "0  1   | 0   0\n");
}

}  // namespace

std::span<const TExample> LatchExamples() {
  static constexpr char Folder[] = "3 Latches and flip-flops";
  static constexpr TExample examples[] = {
      {Folder, "sr-latch.lvm", "SR latch",
       "Two NOR gates feed each other back: press S to set Q, R to reset it.\n"
       "With both low the latch remembers; that memory is the start of every flip-flop.",
       &SRLatch, &SRLatchTable},
      {Folder, "gated-d-latch.lvm", "Gated D latch",
       "While En is high Q follows D; when En goes low Q keeps the last D.\n"
       "The inverter on D means S and R are never both active.",
       &GatedDLatch, &GatedDLatchTable},
      {Folder, "master-slave-d.lvm", "Master-slave D flip-flop",
       "Two gated latches in a row: the master (Qm) follows D while Clk is low,\n"
       "the slave copies it when Clk rises. Change D with Clk high: Q waits for the next edge.",
       &MasterSlave, &MasterSlaveTable},
      {Folder, "jk-toggle.lvm", "JK flip-flop",
       "Set J, K and press Clk twice: J sets Q, K resets it, both toggle it on each falling "
       "edge.\nWith J and K high, Q runs at half the clock's rate.",
       &JKToggle, &JKToggleTable},
      {Folder, "debounced-switch.lvm", "Debounced switch",
       "Press On a few times quickly, as a bouncing contact would: Raw flickers, Q does not.\n"
       "An SR latch takes the first touch of each contact and ignores the bounces.",
       &Debounce, &DebounceTable},
  };
  return examples;
}

}  // namespace logivane::examples
