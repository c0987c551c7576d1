#include "simulation/cInteractive.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cDeviceParts.h"

#include <QPainter>

namespace logivane {

// ---------------------------------------------------------------------------------------------
// TInteractiveInput

TInteractiveInput::TInteractiveInput() {
  HelpTopic = QStringLiteral("interactiveinput.htm");
  Interactive = true;
  AddPolygon(*this, {{-5, -5}, {5, -5}, {5, 5}, {-5, 5}});
  AddCircle(*this, 3);
  AddOutput(0, 0);
}

void TInteractiveInput::Write(TSerializeWriter& writer) const {
  TInputDevice::Write(writer);
  writer.WriteBoolean(Pulse);
  writer.WriteInteger(StoredLevel);
}

void TInteractiveInput::Read(TSerializeReader& reader) {
  TInputDevice::Read(reader);
  Pulse = reader.ReadBoolean();
  StoredLevel = static_cast<std::uint16_t>(reader.ReadInteger());
  Level = StoredLevel;
  CheckShape<TPolygon>(*this, 1);
}

void TInteractiveInput::Press() {
  StoredLevel = static_cast<std::uint16_t>(~StoredLevel);
  Level = static_cast<std::uint16_t>(~Level & 1);
}

TLevel TInteractiveInput::NextLevel() {
  if (Pulse) {
    if (!PulsePhase) {
      Level = static_cast<std::uint16_t>(~Level & 1);
    }
    PulsePhase = !PulsePhase;
  }
  return Level;
}

void TInteractiveInput::Reset() {
  TInputDevice::Reset();
  PulsePhase = false;
  Level = StoredLevel;
}

void TInteractiveInput::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(Level);
  state.Field(StoredLevel);
  state.Field(Pulse);
  state.Field(PulsePhase);
}

std::optional<TColour> TInteractiveInput::ShownFill(int index) const {
  return index == LevelCircleIndex ? std::optional(LevelFill()) : std::nullopt;
}

void TInteractiveInput::StoreShownState() {
  LevelCircle().BrushColour = LevelFill();
}

void TInteractiveInput::RecordState() {
  AppendHistory(Level & 1);
}

void TInteractiveInput::DrawState(QPainter& dc) {
  if (!Selected) {
    LevelCircle().DrawFilled(dc, LevelFill());
  }
}

// ---------------------------------------------------------------------------------------------
// TInteractiveSwitch

TInteractiveSwitch::TInteractiveSwitch() {
  HelpTopic = QStringLiteral("deviceswitch.htm");
  Interactive = true;
  CanRotate = false;
  CanResize = false;
  AddPolygon(*this, {{-5, -10}, {5, -10}, {5, 10}, {-5, 10}});
  AddPolygon(*this, {{-3, -8}, {3, -8}, {3, 0}, {-3, 0}})->BrushColour = ColourBlack;
  AddPolygon(*this, {{-3, 0}, {3, 0}, {3, 8}, {-3, 8}});
  AddPolygon(*this, {{-1, 3}, {1, 3}, {1, 5}, {-1, 5}})->BrushColour = ColourBlack;
  AddLine(*this, {0, -10}, {0, -15});
  AddLine(*this, {0, 10}, {0, 15});
  AddPin(PinTriState, 0, -15);
  AddPin(PinTriState, 0, 15);
}

void TInteractiveSwitch::Write(TSerializeWriter& writer) const {
  TTextDevice::Write(writer);
  writer.WriteInteger(SwitchType);
  writer.WriteBoolean(On);
}

void TInteractiveSwitch::Read(TSerializeReader& reader) {
  TTextDevice::Read(reader);
  SwitchType = reader.ReadInteger();
  On = reader.ReadBoolean();
  CheckPinCount(*this, 2);
  CheckShape<TPolygon>(*this, UpperHalf);
  CheckShape<TPolygon>(*this, LowerHalf);
}

void TInteractiveSwitch::SetSwitchType(std::int32_t type) {
  SwitchType = type;
  SetOn(type != PushToMake && type != Toggle);
}

void TInteractiveSwitch::Press() {
  SetOn(!On);
}

void TInteractiveSwitch::Release() {
  // Push buttons spring back to rest; a toggle switch stays where it was put.
  if (IsPushButton()) {
    SetOn(!On);
  }
}

TColour TInteractiveSwitch::HalfFill(int half) const {
  return (half == UpperHalf) == On ? ColourWhite : ColourBlack;
}

void TInteractiveSwitch::SetOn(bool on) {
  On = on;
  for (const int half : {UpperHalf, LowerHalf}) {
    static_cast<TPolygon*>(Child(half))->BrushColour = HalfFill(half);
  }
}

void TInteractiveSwitch::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  bool on = On;
  state.Field(on);
  if (on != On) {
    SetOn(on);  // the symbol shows the contact
  }
}

std::optional<TColour> TInteractiveSwitch::ShownFill(int index) const {
  return index == UpperHalf || index == LowerHalf ? std::optional(HalfFill(index)) : std::nullopt;
}

bool TInteractiveSwitch::CopyTo(TPin& to, TDevice* driver, TLevel level) {
  const bool changed = to.SetValue(driver, level);
  to.Driver = nullptr;
  return changed;
}

SimResult TInteractiveSwitch::Calculate() {
  return On ? CalculateClosed() : CalculateOpen();
}

SimResult TInteractiveSwitch::CalculateClosed() {
  SimResult result;
  TPin& top = *Pin(0);
  TPin& bottom = *Pin(1);
  TDevice* const a = top.Driver;
  TDevice* const b = bottom.Driver;
  if (a && bottom.DrivenByOther(a)) {
    // The closed contact shorts two drivers together: bus contention, blamed on the contact.
    Contention = true;
    result.Changed = true;
    result.Culprit = this;
  } else if (b && !a) {
    result.Changed = CopyTo(top, b, bottom.GetValue() & 1);
  } else if (a && !b) {
    result.Changed = CopyTo(bottom, a, top.GetValue() & 1);
  }
  return result;
}

SimResult TInteractiveSwitch::CalculateOpen() {
  SimResult result;
  TPin& top = *Pin(0);
  TPin& bottom = *Pin(1);
  if (bottom.Driver && !top.Driver) {
    result.Changed = CopyTo(top, bottom.Driver, 0);
  }
  if (top.Driver && !bottom.Driver) {
    result.Changed = CopyTo(bottom, top.Driver, 0) || result.Changed;
  }
  return result;
}

LV_REGISTER_CLASS(TInteractiveInput)
LV_REGISTER_CLASS(TInteractiveSwitch)

}  // namespace logivane
