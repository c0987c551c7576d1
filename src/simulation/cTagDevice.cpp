#include "simulation/cTagDevice.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

namespace logivane {

namespace {

constexpr float NumberOffset = 12;
constexpr TColour TagPinColour = 0xEEFAFF;

}  // namespace

TTagDevice::TTagDevice() : TDevice(TDeviceRole::Tag), LinkPin(std::make_unique<TMacroPin>()) {
  HelpTopic = QStringLiteral("devicetag.htm");
  GeometryStored = true;
  PinsVisible = true;
  CanRotate = false;
  CanResize = false;

  auto number = std::make_unique<TGraphicText>();
  number->SetFontSize(7);  // measures the empty text, so the box has a place to keep
  number->Translate(-NumberOffset, 0);
  number->Remap();
  Add(std::move(number));
  AddPin(PinNeutral, 0, 0)->BrushColour = TagPinColour;
}

TTagDevice::~TTagDevice() = default;

void TTagDevice::Write(TSerializeWriter& writer) const {
  TDevice::Write(writer);
  writer.WriteInteger(Style);
  writer.WriteInteger(Direction);
  writer.WriteObject(LinkPin.get());
}

void TTagDevice::Read(TSerializeReader& reader) {
  TDevice::Read(reader);
  // The number text and the pin are looked up by position from now on.
  if (Count() < 1 || !dynamic_cast<TGraphicText*>(Child(0)) || PinCount() < 1) {
    throw EReadError::InvalidValue();
  }
  Style = reader.ReadInteger();
  Direction = reader.ReadInteger();
  LinkPin.reset();
  LinkPin.reset(reader.ReadOwned<TMacroPin>(*this));
}

void TTagDevice::AbandonLinks() {
  TDevice::AbandonLinks();
  AbandonOwned(LinkPin);
}

void TTagDevice::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  LinkPin->ExchangeState(state);
}

SimResult TTagDevice::Calculate() {
  SimResult result;
  TMacroPin* outer = LinkPin->Partner;
  if (!outer) {
    return result;
  }
  TPin* inner = Pin(0);
  switch (Direction) {
    case DirectionOutput:
      result = CarryAcross(*inner, *outer);
      break;
    case DirectionInput:
      result = CarryAcross(*outer, *inner);
      break;
    case DirectionBidirectional:
      if (inner->Driver && outer->DrivenByOther(inner->Driver)) {
        result.Changed = true;
        Contention = true;
        inner->Driver = nullptr;
        outer->Driver = nullptr;
      } else if (inner->IsNetVisited()) {
        result.Changed = outer->SetValue(inner->Driver, inner->Value & 1);
        // Lets the next pass drive again without taking this drive for another driver.
        outer->Driver = nullptr;
      }
      break;
    default:
      break;
  }
  return result;
}

SimResult TTagDevice::CarryAcross(const TPin& from, TPin& to) {
  SimResult result;
  if (from.Driver && to.DrivenByOther(from.Driver)) {
    // Drivers on both sides of the boundary fight over one net.
    Contention = true;
    result.Changed = true;
    return result;
  }
  result.Changed = to.SetValue(from.Driver, from.Value & 1);
  return result;
}

void TTagDevice::SetNumber(std::int32_t n) {
  NumberText().SetText(n >= 0 ? QString::number(n) : QString());
}

std::int32_t TTagDevice::GetNumber() const {
  const QString& text = NumberText().Text;
  return text.isEmpty() ? -1 : text.toInt();
}

void TTagDevice::SetStyle(std::int32_t style) {
  Style = style;
  float dx = 0;
  float dy = 0;
  switch (style) {
    case StyleLeft:
      dx = -NumberOffset;
      break;
    case StyleRight:
      dx = NumberOffset;
      break;
    case StyleTop:
      dy = -NumberOffset;
      break;
    case StyleBottom:
      dy = NumberOffset;
      break;
    default:
      break;
  }
  float pinX, pinY, textX, textY;
  GetPin()->GetCentre(pinX, pinY);
  TGraphicText& text = NumberText();
  text.GetCentre(textX, textY);
  text.Translate(pinX - textX + dx, pinY - textY + dy);
  text.Remap();
}

TPin* TTagDevice::FindNetPin(std::int32_t kind) const {
  TWire* wire = GetPin()->Wire;
  return wire ? wire->FindPinOfKind(kind) : nullptr;
}

LV_REGISTER_CLASS(TTagDevice)

}  // namespace logivane
