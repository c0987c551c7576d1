#include "simulation/cGateDevice.h"

#include "document/cSerializeReader.h"
#include "simulation/cDeviceParts.h"

#include <cmath>
#include <span>

namespace logivane {

namespace {

constexpr float InputPinX = -30;
constexpr float OutputPinX = 30;
constexpr float NotInputPinX = -20;
constexpr float BubbleRadius = 5;

/// Input pin heights, in pin order, for two, three and four inputs.
std::span<const float> InputPinYs(std::int32_t inputs) {
  static constexpr float Two[] = {10, -10};
  static constexpr float Three[] = {10, 0, -10};
  static constexpr float Four[] = {15, 5, -5, -15};
  switch (inputs) {
    case 3:
      return Three;
    case 4:
      return Four;
    default:
      return Two;
  }
}

void AddLead(TDevice& device, float x1, float y1, float x2, float y2) {
  auto lead = std::make_unique<TPolyline>();
  lead->AddPoints({{x1, y1}, {x2, y2}});
  lead->Remap();
  device.Add(std::move(lead));
}

void AddCircle(TDevice& device, float cx, float cy, float radius) {
  auto circle = std::make_unique<TPolygon>();
  circle->AddArc(true, cx, cy, 0, 360, radius, radius);
  circle->Remap();
  device.Add(std::move(circle));
}

/// The curved body shared by the OR and XOR families: front arcs, tip and hollow back.
void AddOrBody(TDevice& device) {
  auto body = std::make_unique<TPolygon>();
  body->AddArc(true, -9, 0, 270, 350, 25, 15);
  body->AddPoints({{17, 0}});
  body->AddArc(true, -9, 0, 375, 450, 25, 15);
  body->AddArc(false, -38, 0, 318, 402, 23, 23);
  body->Remap();
  device.Add(std::move(body));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TGateDevice

TGateDevice::TGateDevice(TLogicKind kind, TBody body, bool bubble, std::int32_t inputs,
                         const QString& helpTopic)
    : InputCount(inputs), Kind(kind) {
  HelpTopic = helpTopic;
  CanResize = false;

  float outputLeadX = bubble ? 26 : 17;
  switch (body) {
    case TBody::Not:
      AddPolygon(*this, {{10, 0}, {-10, -8}, {-10, 8}});
      outputLeadX = 20;
      break;
    case TBody::And: {
      auto shape = std::make_unique<TPolygon>();
      shape->AddPoints({{-17, 15}, {-17, -15}});
      shape->AddArc(true, 2, 0, 270, 450, 15, 15);
      shape->Remap();
      Add(std::move(shape));
      break;
    }
    case TBody::Or:
      AddOrBody(*this);
      break;
    case TBody::Xor: {
      AddOrBody(*this);
      auto curve = std::make_unique<TPolyline>();
      curve->AddArc(false, -42, 0, 318, 402, 23, 23);
      curve->Remap();
      Add(std::move(curve));
      break;
    }
  }
  if (bubble) {
    AddCircle(*this, body == TBody::Not ? 15 : 21, 0, BubbleRadius);
  }

  if (body == TBody::Not) {
    AddLead(*this, NotInputPinX, 0, -10, 0);
  } else {
    for (const float y : InputPinYs(inputs)) {
      const bool inner = std::fabs(y) < 10;
      const float end = body == TBody::Xor ? -21 : (body == TBody::Or && inner ? -15 : -17);
      AddLead(*this, InputPinX, y, end, y);
    }
  }
  AddLead(*this, outputLeadX, 0, OutputPinX, 0);

  AddPin(PinOutput, OutputPinX, 0);
  if (body == TBody::Not) {
    AddPin(PinInput, NotInputPinX, 0);
  } else {
    for (const float y : InputPinYs(inputs)) {
      AddPin(PinInput, InputPinX, y);
    }
  }
  CachePins(*this, FPinAt, InputCount + 1);
}

void TGateDevice::Read(TSerializeReader& reader) {
  TDevice::Read(reader);
  CachePins(*this, FPinAt, InputCount + 1);
}

SimResult TGateDevice::Calculate() {
  return DriveOutput(*FPinAt[0], Level(Kind, InputCount, [this](int k) { return In(k); }));
}

TNotGate::TNotGate()
    : TGateDevice(TLogicKind::Not, TBody::Not, true, 1, QStringLiteral("GateInverter.htm")) {
}

const TPinLayout* TNotGate::Layout() const {
  static const TPinLayout layout{typeid(TNotGate), TLogicKind::Not, 2, 0, 1};
  return &layout;
}

TAndGate::TAndGate(std::int32_t inputs)
    : TGateDevice(TLogicKind::And, TBody::And, false, inputs, QStringLiteral("GateAND.htm")) {
}

TNandGate::TNandGate(std::int32_t inputs)
    : TGateDevice(TLogicKind::Nand, TBody::And, true, inputs, QStringLiteral("GateNAND.htm")) {
}

TOrGate::TOrGate(std::int32_t inputs)
    : TGateDevice(TLogicKind::Or, TBody::Or, false, inputs, QStringLiteral("GateOR.htm")) {
}

TNorGate::TNorGate(std::int32_t inputs)
    : TGateDevice(TLogicKind::Nor, TBody::Or, true, inputs, QStringLiteral("GateNOR.htm")) {
}

TXorGate::TXorGate(std::int32_t inputs)
    : TGateDevice(TLogicKind::Xor, TBody::Xor, false, inputs, QStringLiteral("GateXOR.htm")) {
}

TXnorGate::TXnorGate(std::int32_t inputs)
    : TGateDevice(TLogicKind::Xnor, TBody::Xor, true, inputs, QStringLiteral("GateXNOR.htm")) {
}

// ---------------------------------------------------------------------------------------------
// TTriState

TTriState::TTriState() {
  HelpTopic = QStringLiteral("tristate.htm");
  CanResize = false;
  AddPolygon(*this, {{-15, -10}, {15, 0}, {-15, 10}});
  AddLead(*this, -15, 0, -20, 0);
  AddLead(*this, 15, 0, 20, 0);
  AddLead(*this, 0, 5, 0, 10);
  AddPin(PinInput, -20, 0);
  AddPin(PinTriState, 20, 0);
  AddPin(PinInput, 0, 10);
  CachePins(*this, FPinAt, 3);
}

void TTriState::Read(TSerializeReader& reader) {
  TDevice::Read(reader);
  CachePins(*this, FPinAt, 3);
}

SimResult TTriState::Calculate() {
  SimResult result;
  if ((FPinAt[PinEnable]->Value & 1) == 0) {
    return result;  // not driving: the net keeps whatever level it has
  }
  TPin* output = FPinAt[PinOutput];
  if (ActionOn(output->Driver, this) == TAction::Fight) {
    result.Changed = true;
    Contention = true;
  } else {
    result.Changed = output->SetValue(this, FPinAt[PinData]->Value & 1);
  }
  output->Driver = nullptr;
  return result;
}

bool TTriState::DrivesNet(const TPin& pin) const {
  // Whether it drove or fought, an enabled buffer leaves no driver mark on its own output.
  return &pin == FPinAt[PinOutput] && (FPinAt[PinEnable]->Value & 1);
}

const TPinLayout* TTriState::Layout() const {
  static const TPinLayout layout{typeid(TTriState), TLogicKind::TriState, 3, PinOutput,
                                 PinOutput + 1};
  return &layout;
}

LV_REGISTER_CLASS(TNotGate)
LV_REGISTER_CLASS(T2AndGate)
LV_REGISTER_CLASS(T3AndGate)
LV_REGISTER_CLASS(T4AndGate)
LV_REGISTER_CLASS(T2NandGate)
LV_REGISTER_CLASS(T3NandGate)
LV_REGISTER_CLASS(T4NandGate)
LV_REGISTER_CLASS(T2OrGate)
LV_REGISTER_CLASS(T3OrGate)
LV_REGISTER_CLASS(T4OrGate)
LV_REGISTER_CLASS(T2NorGate)
LV_REGISTER_CLASS(T3NorGate)
LV_REGISTER_CLASS(T4NorGate)
LV_REGISTER_CLASS(T2XorGate)
LV_REGISTER_CLASS(T2XnorGate)
LV_REGISTER_CLASS(TTriState)

}  // namespace logivane
