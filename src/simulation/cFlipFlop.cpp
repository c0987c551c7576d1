#include "simulation/cFlipFlop.h"

#include "simulation/cDeviceParts.h"

namespace logivane {

namespace {

/// A letter of a flip-flop symbol; symbol texts show no box.
TGraphicText* AddSymbolText(TDevice& device, const QString& text, float x, float y) {
  TGraphicText* shape = AddText(device, text, x, y);
  shape->ShowBox = false;
  return shape;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TFlipFlop

TFlipFlop::TFlipFlop() {
  CanRotate = false;
  CanResize = false;
  AddPolygon(*this, {{-23, 15}, {23, 15}, {23, -15}, {-23, -15}});
  AddSymbolText(*this, QStringLiteral("Q"), 15, -8);
  TGraphicText* notQ = AddSymbolText(*this, QStringLiteral("Q"), 15, 10);
  notQ->SetOverline(true);
  AddLine(*this, {23, -10}, {30, -10});
  AddLine(*this, {23, 10}, {30, 10});
  AddPin(PinOutput, 30, -10);
  AddPin(PinOutput, 30, 10);
}

void TFlipFlop::Read(TSerializeReader& reader) {
  TDevice::Read(reader);
  CachePins();
}

void TFlipFlop::CachePins() {
  logivane::CachePins(*this, FPinAt, StoredPinCount());
}

void TFlipFlop::Reset() {
  TDevice::Reset();
  Q = 0;
  NotQ = 1;
}

bool TFlipFlop::DriveOutputs(TLevel q, TLevel notQ) {
  const bool changedQ = DriveOutput(PinAt(0), q).Changed;
  const bool changedNotQ = DriveOutput(PinAt(1), notQ).Changed;
  return changedQ || changedNotQ;
}

// ---------------------------------------------------------------------------------------------
// TRSFlipFlop

TRSFlipFlop::TRSFlipFlop() {
  HelpTopic = QStringLiteral("FlipFlopRS.htm");
  AddSymbolText(*this, QStringLiteral("R"), -15, -8);
  AddSymbolText(*this, QStringLiteral("S"), -15, 10);
  AddLine(*this, {-30, 10}, {-23, 10});
  AddLine(*this, {-30, -10}, {-23, -10});
  AddPin(PinInput, -30, -10);
  AddPin(PinInput, -30, 10);
  CachePins();
}

SimResult TRSFlipFlop::Calculate() {
  if (Input(PinS)) {
    Q = 1;
    NotQ = 0;
  }
  if (Input(PinR)) {
    Q = 0;
    NotQ = 1;
  }
  // The outputs are driven once, with the state reset leaves when both inputs are high.
  // Driving the set state and then the reset state would report a change in every pass, so a
  // circuit holding both inputs high would never settle, and the second drive would not reach
  // the nets, which the first has already claimed for this pass. Driving the state also
  // re-asserts it when neither input is high, which stamps the latch on its output nets.
  SimResult result;
  result.Changed = DriveOutputs(Q, NotQ);
  return result;
}

// ---------------------------------------------------------------------------------------------
// TClockedFlipFlop

TClockedFlipFlop::TClockedFlipFlop() {
  AddSymbolText(*this, QStringLiteral("clock"), -8, 1);
  AddLine(*this, {-30, 0}, {-23, 0});
  AddLine(*this, {-30, -10}, {-23, -10});
  AddLine(*this, {-20, 15}, {-20, 20});
  AddLine(*this, {-10, 15}, {-10, 20});
  AddPin(PinInput, -30, -10);
  AddPin(PinInput, -30, 0);
  AddPin(PinInput, -20, 20);
  AddPin(PinInput, -10, 20);
}

void TClockedFlipFlop::Reset() {
  TFlipFlop::Reset();
  MasterQ = 0;
  MasterNotQ = 1;
  Initial = true;
}

SimResult TClockedFlipFlop::Calculate() {
  SimResult result;
  if (Input(PinPreset)) {
    // A preset gives the flip-flop its first state as much as the clear after a reset does.
    MasterQ = 1;
    MasterNotQ = 0;
    Initial = false;
    result.Changed = DriveOutputs(1, 0);
  } else if (Input(PinClear) || Initial) {
    MasterQ = 0;
    MasterNotQ = 1;
    Initial = false;
    result.Changed = DriveOutputs(0, 1);
  }
  return result;
}

SimResult TClockedFlipFlop::PassOrHold(TLevel passLevel) {
  SimResult result;
  if (Input(PinClock) == passLevel) {
    result.Changed = DriveOutputs(MasterQ, MasterNotQ);
  } else {
    result.Changed = DriveOutputs(PinAt(0).Value, PinAt(1).Value);
  }
  return result;
}

// ---------------------------------------------------------------------------------------------
// TDFlipFlop

TDFlipFlop::TDFlipFlop() {
  HelpTopic = QStringLiteral("FlipFlopDType.htm");
  AddSymbolText(*this, QStringLiteral("D"), -15, -8);
  CachePins();
}

SimResult TDFlipFlop::Calculate() {
  const SimResult async = TClockedFlipFlop::Calculate();
  return async.Changed ? async : PassOrHold(1);
}

// ---------------------------------------------------------------------------------------------
// TJKFlipFlop

TJKFlipFlop::TJKFlipFlop() {
  HelpTopic = QStringLiteral("FlipFlopJK.htm");
  AddSymbolText(*this, QStringLiteral("J"), -15, -8);
  AddSymbolText(*this, QStringLiteral("K"), -15, 10);
  AddLine(*this, {-30, 10}, {-23, 10});
  AddPin(PinInput, -30, 10);
  CachePins();
}

SimResult TJKFlipFlop::Calculate() {
  const SimResult async = TClockedFlipFlop::Calculate();
  return async.Changed ? async : PassOrHold(0);
}

LV_REGISTER_CLASS(TRSFlipFlop)
LV_REGISTER_CLASS(TDFlipFlop)
LV_REGISTER_CLASS(TJKFlipFlop)

}  // namespace logivane
