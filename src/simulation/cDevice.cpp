#include "simulation/cDevice.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <algorithm>

namespace logivane {

namespace {

/// A stored pin list must be a plain list of pins, or devices would misread their children.
void CheckPinList(const TGraphicList& pins) {
  if (pins.ClassName() != TGraphicList::StaticClassName) {
    throw EReadError::InvalidValue();
  }
  for (int i = 0; i < pins.Count(); ++i) {
    if (pins.Child(i)->GraphicKind() != TGraphicKind::Pin) {
      throw EReadError::InvalidValue();
    }
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TDevice

TDevice::TDevice() : TDevice(TDeviceRole::Plain) {
}

TDevice::TDevice(TDeviceRole role)
    : TGraphicList(TGraphicKind::Device), FPins(std::make_unique<TGraphicList>()), FRole(role) {
}

TDevice::~TDevice() = default;

void TDevice::Write(TSerializeWriter& writer) const {
  writer.WriteBoolean(GeometryStored);
  if (GeometryStored) {
    TGraphicList::Write(writer);
  }
  writer.WriteBoolean(Interactive);
  writer.WriteBoolean(PinsVisible);
  writer.WriteObject(FPins.get());
  if (!GeometryStored) {
    writer.WriteFloat(X);
    writer.WriteFloat(Y);
  }
}

void TDevice::Read(TSerializeReader& reader) {
  GeometryStored = reader.ReadBoolean();
  if (GeometryStored) {
    TGraphicList::Read(reader);
  }
  HitPin = nullptr;
  FPins.reset();
  Interactive = reader.ReadBoolean();
  PinsVisible = reader.ReadBoolean();
  FPins.reset(reader.ReadOwned<TGraphicList>(*this));
  CheckPinList(*FPins);
  if (!GeometryStored) {
    X = reader.ReadFloat();
    Y = reader.ReadFloat();
    // The pins are stored where they are; only the rebuilt symbol moves into place.
    TGraphicList::Translate(X, Y);
    TGraphicList::Remap();
  }
}

void TDevice::AbandonLinks() {
  TGraphicList::AbandonLinks();
  AbandonOwned(FPins);
  HitPin = nullptr;
}

void TDevice::Clear() {
  TGraphicList::Clear();
  FPins->Clear();
  HitPin = nullptr;
}

bool TDevice::HitTest(std::int32_t x, std::int32_t y, const THitReach& reach) {
  const bool symbolHit = TGraphicList::HitTest(x, y, reach);
  HitPin = nullptr;
  for (int i = 0; i < PinCount(); ++i) {
    if (Pin(i)->HitTest(x, y, reach)) {
      HitPin = Pin(i);
      HitPin->Index = i;
      break;
    }
  }
  return symbolHit || HitPin;
}

void TDevice::Draw(QPainter& dc) {
  DrawSymbol(dc);
  if (PinsVisible) {
    FPins->Draw(dc);
  }
}

void TDevice::DrawSymbol(QPainter& dc) {
  for (int i = 0; i < Count(); ++i) {
    if (const std::optional<TColour> fill = ShownFill(i)) {
      static_cast<const TPolygon*>(Child(i))->DrawFilled(dc, *fill);
    } else {
      Child(i)->Draw(dc);
    }
  }
}

void TDevice::Rotate(float angle) {
  TGraphicList::Rotate(angle);
  FPins->Rotate(angle);
  if (angle != 0) {
    GeometryStored = true;
  }
}

void TDevice::Scale(float sx, float sy) {
  TGraphicList::Scale(sx, sy);
  FPins->Scale(sx, sy);
  if (sx != sy) {
    GeometryStored = true;
  }
}

void TDevice::Translate(float dx, float dy) {
  TGraphicList::Translate(dx, dy);
  FPins->Translate(dx, dy);
  X += dx;
  Y += dy;
}

void TDevice::Remap() {
  TGraphicList::Remap();
  FPins->Remap();
}

TRect TDevice::GetBounds() const {
  const TRect symbol = TGraphicList::GetBounds();
  return PinsVisible ? UnionRect(symbol, FPins->GetBounds()) : symbol;
}

TFloatRect TDevice::GetFloatBounds() const {
  const TFloatRect symbol = TGraphicList::GetFloatBounds();
  return PinsVisible ? UnionFloatRect(symbol, FPins->GetFloatBounds()) : symbol;
}

void TDevice::CentreAt(QPoint p) {
  TGraphicList::CentreAt(p);
  X = static_cast<float>(p.x());
  Y = static_cast<float>(p.y());
}

void TDevice::Reset() {
  for (int i = 0; i < PinCount(); ++i) {
    Pin(i)->Value = 0;
  }
  Contention = false;
}

void TDevice::ResetInputs(TLevel level) {
  for (int i = 0; i < PinCount(); ++i) {
    TPin* pin = Pin(i);
    pin->Driver = nullptr;
    if (pin->Kind == PinInput) {
      pin->Value = level;
    }
  }
}

void TDevice::CollectDrivers(std::vector<TDevice*>& list) const {
  for (int i = 0; i < PinCount(); ++i) {
    const TPin* pin = Pin(i);
    if (pin->Kind == PinInput && pin->Driver) {
      list.push_back(pin->Driver);
    }
  }
}

void TDevice::ClearDrivers() {
  for (TSerialize* pin : FPins->Objects()) {
    static_cast<TPin*>(pin)->Driver = nullptr;
  }
}

void TDevice::ExchangeState(TStateArchive& state) {
  state.Field(Contention);
  for (TSerialize* pin : FPins->Objects()) {
    static_cast<TPin*>(pin)->ExchangeState(state);
  }
}

bool TDevice::HasConnectedPin() const {
  for (int i = 0; i < PinCount(); ++i) {
    if (Pin(i)->IsConnected()) {
      return true;
    }
  }
  return false;
}

TPin* TDevice::AddPin(std::int32_t kind, float x, float y) {
  auto pin = std::make_unique<TPin>(kind);
  pin->Translate(x, y);
  pin->Remap();
  return FPins->Add(std::move(pin));
}

void TDevice::SetPins(std::unique_ptr<TGraphicList> pins) {
  HitPin = nullptr;
  FPins = std::move(pins);
}

std::unique_ptr<TGraphicList> TDevice::TakePins() {
  HitPin = nullptr;
  return std::exchange(FPins, std::make_unique<TGraphicList>());
}

// ---------------------------------------------------------------------------------------------
// TTextDevice

TTextDevice::TTextDevice() : TTextDevice(TDeviceRole::Plain) {
}

TTextDevice::TTextDevice(TDeviceRole role)
    : TDevice(role), FLabel(std::make_unique<TGraphicText>()) {
}

TTextDevice::~TTextDevice() = default;

void TTextDevice::Write(TSerializeWriter& writer) const {
  TDevice::Write(writer);
  const bool hasLabel = !FLabel->Text.isEmpty();
  writer.WriteBoolean(hasLabel);
  if (hasLabel) {
    writer.WriteInteger(LabelPosition);
    writer.WriteObject(FLabel.get());
  }
}

void TTextDevice::Read(TSerializeReader& reader) {
  TDevice::Read(reader);
  if (reader.ReadBoolean()) {
    LabelPosition = reader.ReadInteger();
    FLabel.reset();
    FLabel.reset(reader.ReadOwned<TGraphicText>(*this));
  }
}

void TTextDevice::AbandonLinks() {
  TDevice::AbandonLinks();
  AbandonOwned(FLabel);
}

void TTextDevice::Clear() {
  TDevice::Clear();
  FLabel->Clear();
}

bool TTextDevice::HitTest(std::int32_t x, std::int32_t y, const THitReach& reach) {
  if (TDevice::HitTest(x, y, reach)) {
    return true;
  }
  if (FLabel->HitTest(x, y, reach)) {
    HitObject = this;
    return true;
  }
  return false;
}

void TTextDevice::Draw(QPainter& dc) {
  TDevice::Draw(dc);
  FLabel->Draw(dc);
}

void TTextDevice::Translate(float dx, float dy) {
  TDevice::Translate(dx, dy);
  FLabel->Translate(dx, dy);
}

void TTextDevice::Remap() {
  TDevice::Remap();
  FLabel->Remap();
}

TRect TTextDevice::GetBounds() const {
  const TRect device = TDevice::GetBounds();
  return FLabel->Text.isEmpty() ? device : UnionRect(device, FLabel->GetBounds());
}

TFloatRect TTextDevice::GetFloatBounds() const {
  const TFloatRect device = TDevice::GetFloatBounds();
  return FLabel->Text.isEmpty() ? device : UnionFloatRect(device, FLabel->GetFloatBounds());
}

void TTextDevice::CentreAt(QPoint p) {
  // Moved with our own Translate, so the position and the label follow.
  TGraphicList::CentreAt(p);
}

void TTextDevice::SetLabelText(const QString& text) {
  FLabel->SetText(text);
  SetLabelPosition(LabelPosition);
}

void TTextDevice::SetLabelOverbar(bool overbar) {
  FLabel->Overline = overbar;
}

void TTextDevice::SetLabelPosition(std::int32_t position) {
  LabelPosition = position;
  if (FLabel->Text.isEmpty()) {
    return;
  }
  // A fresh label, measured again at the origin, that keeps the text, font and colour of the
  // old one (a label read from a file may have any of them).
  const std::unique_ptr<TGraphicText> old = std::move(FLabel);
  FLabel = std::make_unique<TGraphicText>();
  FLabel->FontSize = old->FontSize;
  FLabel->TextColour = old->TextColour;
  FLabel->Italic = old->Italic;
  FLabel->Weight = old->Weight;
  FLabel->ShowBox = old->ShowBox;
  FLabel->SetText(old->Text);

  const TFloatRect r = TDevice::GetFloatBounds();
  float cx, cy;
  CentreOf(r, cx, cy);
  const TRect label = FLabel->GetBounds();
  const float w = static_cast<float>((label.Right - label.Left) / 2);
  const float h = static_cast<float>((label.Top - label.Bottom) / 2);
  switch (position) {
    case LabelLeft:
      FLabel->Translate(r.MinX - w, cy);
      break;
    case LabelRight:
      FLabel->Translate(r.MaxX + w + 2, cy);
      break;
    case LabelTop:
      FLabel->Translate(cx, r.MinY + h + 2);
      break;
    case LabelBottom:
      FLabel->Translate(cx, r.MaxY - h);
      break;
    default:
      break;
  }
  FLabel->Overline = old->Overline;
  FLabel->Remap();
}

// ---------------------------------------------------------------------------------------------
// THistoryDevice

THistoryDevice::THistoryDevice() : THistoryDevice(TDeviceRole::Plain) {
}

THistoryDevice::THistoryDevice(TDeviceRole role) : TTextDevice(role) {
  History.reserve(HistoryLimit);
}

void THistoryDevice::Write(TSerializeWriter& writer) const {
  TTextDevice::Write(writer);
  writer.WriteBoolean(Recorded);
}

void THistoryDevice::Read(TSerializeReader& reader) {
  TTextDevice::Read(reader);
  Recorded = reader.ReadBoolean();
}

void THistoryDevice::Clear() {
  TTextDevice::Clear();
  History.clear();
}

void THistoryDevice::Reset() {
  TDevice::Reset();
  History.clear();
}

void THistoryDevice::AppendHistory(TLevel level) {
  if (History.size() < HistoryLimit) {
    History += QString::number(level);
  }
}

void THistoryDevice::TrimHistory(int samples) {
  if (samples < History.size()) {
    History.truncate(std::max(samples, 0));
  }
}

LV_REGISTER_CLASS(TDevice)
LV_REGISTER_CLASS(TTextDevice)
LV_REGISTER_CLASS(THistoryDevice)

}  // namespace logivane
