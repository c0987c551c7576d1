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

void TFlipFlop::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(Q);
  state.Field(NotQ);
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
  Latch([this](int pin) { return Input(pin); }, Q, NotQ);
  // The outputs are driven once, with the state reset leaves when both inputs are high.
  // Driving the set state and then the reset state would report a change in every pass, so a
  // circuit holding both inputs high would never settle, and the second drive would not reach
  // the nets, which the first has already claimed for this pass. Driving the state also
  // re-asserts it when neither input is high, which stamps the latch on its output nets.
  SimResult result;
  result.Changed = DriveOutputs(Q, NotQ);
  return result;
}

const TPinLayout* TRSFlipFlop::Layout() const {
  static const TPinLayout layout{typeid(TRSFlipFlop), TLogicKind::RS, 4, 0, 2};
  return &layout;
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

void TClockedFlipFlop::ExchangeState(TStateArchive& state) {
  TFlipFlop::ExchangeState(state);
  state.Field(MasterQ);
  state.Field(MasterNotQ);
  state.Field(Initial);
}

SimResult TClockedFlipFlop::Settle(TLevel passLevel) {
  SimResult result;
  result.Changed =
      Evaluate([this](int pin) { return Input(pin); }, [this](int pin) { return PinAt(pin).Value; },
               [this](TLevel q, TLevel notQ) { return DriveOutputs(q, notQ); }, passLevel, MasterQ,
               MasterNotQ, Initial);
  return result;
}

// ---------------------------------------------------------------------------------------------
// TDFlipFlop

TDFlipFlop::TDFlipFlop() {
  HelpTopic = QStringLiteral("FlipFlopDType.htm");
  AddSymbolText(*this, QStringLiteral("D"), -15, -8);
  CachePins();
}

const TPinLayout* TDFlipFlop::Layout() const {
  static const TPinLayout layout{typeid(TDFlipFlop), TLogicKind::D, 6, 0, 2};
  return &layout;
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

const TPinLayout* TJKFlipFlop::Layout() const {
  static const TPinLayout layout{typeid(TJKFlipFlop), TLogicKind::JK, 7, 0, 2};
  return &layout;
}

LV_REGISTER_CLASS(TRSFlipFlop)
LV_REGISTER_CLASS(TDFlipFlop)
LV_REGISTER_CLASS(TJKFlipFlop)

}  // namespace logivane
