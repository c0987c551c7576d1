#include "simulation/cOutput.h"

#include "document/cNumberText.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cDeviceParts.h"

#include <QPainter>

#include <algorithm>
#include <memory>

namespace logivane {

namespace {

const QString DigitFont = QStringLiteral("Courier New");

}  // namespace

// ---------------------------------------------------------------------------------------------
// TOutputDevice

TOutputDevice::TOutputDevice(TColour colour) : THistoryDevice(TDeviceRole::Output), Colour(colour) {
  CanRotate = false;
  CanResize = false;
}

void TOutputDevice::Write(TSerializeWriter& writer) const {
  THistoryDevice::Write(writer);
  writer.WriteInteger(Colour);
}

void TOutputDevice::Read(TSerializeReader& reader) {
  THistoryDevice::Read(reader);
  Colour = reader.ReadInteger();
}

// ---------------------------------------------------------------------------------------------
// TLEDDevice

TLEDDevice::TLEDDevice() : TOutputDevice(ColourRed) {
  HelpTopic = QStringLiteral("outputLED.htm");
  AddCircle(*this, 5);
  AddPin(PinInput, 0, 0);
  CachePins(*this, FInput, 1);
}

void TLEDDevice::Read(TSerializeReader& reader) {
  TOutputDevice::Read(reader);
  CachePins(*this, FInput, 1);
  CheckShape<TPolygon>(*this, 0);
}

SimResult TLEDDevice::Calculate() {
  SimResult result;
  const TLevel level = FInput[0]->Value;
  if (level != Level) {
    Level = level;
    result.Changed = true;
  }
  return result;
}

void TLEDDevice::Reset() {
  TOutputDevice::Reset();
  Level = 0;
}

void TLEDDevice::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(Level);
}

std::optional<TColour> TLEDDevice::LevelFill() const {
  const bool driven = Pin(0)->Driver != nullptr;
  if (Level >= 1) {
    return driven ? Colour : UndrivenHighColour;
  }
  if (Level == 0) {
    return driven ? ColourWhite : UndrivenLowColour;
  }
  return std::nullopt;
}

std::optional<TColour> TLEDDevice::ShownFill(int index) const {
  return index == 0 ? LevelFill() : std::nullopt;
}

void TLEDDevice::StoreShownState() {
  if (const std::optional<TColour> fill = LevelFill()) {
    static_cast<TPolygon*>(Child(0))->BrushColour = *fill;
  }
}

void TLEDDevice::RecordState() {
  AppendHistory(Level & 1);
}

void TLEDDevice::DrawState(QPainter& dc) {
  const auto& circle = *static_cast<const TPolygon*>(Child(0));
  circle.DrawFilled(dc, LevelFill().value_or(circle.BrushColour));
}

// ---------------------------------------------------------------------------------------------
// TLEDSegmentDevice

TLEDSegmentDevice::TLEDSegmentDevice() : TOutputDevice(ColourRed) {
  HelpTopic = QStringLiteral("output7segment.htm");
  AddPolygon(*this, {{-20, -40}, {20, -40}, {10, -30}, {-10, -30}});
  AddPolygon(*this, {{10, -30}, {20, -40}, {20, 0}, {10, -5}});
  AddPolygon(*this, {{10, 5}, {20, 0}, {20, 40}, {10, 30}});
  AddPolygon(*this, {{10, 30}, {20, 40}, {-20, 40}, {-10, 30}});
  AddPolygon(*this, {{-20, 0}, {-10, 5}, {-10, 30}, {-20, 40}});
  AddPolygon(*this, {{-20, -40}, {-10, -30}, {-10, -5}, {-20, 0}});
  AddPolygon(*this, {{-20, 0}, {-10, -5}, {10, -5}, {20, 0}, {10, 5}, {-10, 5}});
  AddPolyline(*this, {{-25, -45}, {25, -45}, {25, 45}, {-25, 45}, {-25, -45}});
  for (int x = -15; x <= 15; x += 5) {
    AddLine(*this, {x, 45}, {x, 50});
  }
  for (int x = -15; x <= 15; x += 5) {
    TPin* pin = AddPin(PinInput, 0, 0);
    pin->Scale(0.5f, 0.5f);  // a 4 x 4 square
    pin->Translate(static_cast<float>(x), 50);
    pin->Remap();
  }
}

void TLEDSegmentDevice::Write(TSerializeWriter& writer) const {
  TOutputDevice::Write(writer);
  if (StoresCommonCathode(writer.Revision)) {
    writer.WriteBoolean(CommonCathode);
  }
}

void TLEDSegmentDevice::Read(TSerializeReader& reader) {
  TOutputDevice::Read(reader);
  if (StoresCommonCathode(reader.Revision)) {
    CommonCathode = reader.ReadBoolean();
  }
  CheckPinCount(*this, SegmentCount);
  for (int k = 0; k < SegmentCount; ++k) {
    CheckShape<TPolygon>(*this, k);
  }
}

SimResult TLEDSegmentDevice::Calculate() {
  SimResult result;
  for (int k = 0; k < SegmentCount; ++k) {
    const TLevel value = Pin(k)->GetValue();
    const bool lit = ((CommonCathode ? value : ~value) & 1) != 0;
    if (lit != Segments[static_cast<std::size_t>(k)]) {
      Segments[static_cast<std::size_t>(k)] = lit;
      result.Changed = true;
    }
  }
  return result;
}

void TLEDSegmentDevice::Reset() {
  TOutputDevice::Reset();
  Segments.fill(false);
}

void TLEDSegmentDevice::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(Segments);
}

TColour TLEDSegmentDevice::SegmentFill(int k) const {
  return Segments[static_cast<std::size_t>(k)] ? Colour : ColourWhite;
}

TPolygon& TLEDSegmentDevice::Segment(int k) const {
  return *static_cast<TPolygon*>(Child(k));
}

std::optional<TColour> TLEDSegmentDevice::ShownFill(int index) const {
  return index < SegmentCount ? std::optional(SegmentFill(index)) : std::nullopt;
}

void TLEDSegmentDevice::StoreShownState() {
  for (int k = 0; k < SegmentCount; ++k) {
    Segment(k).BrushColour = SegmentFill(k);
  }
}

void TLEDSegmentDevice::DrawState(QPainter& dc) {
  if (Selected) {
    return;
  }
  for (int k = 0; k < SegmentCount; ++k) {
    Segment(k).DrawFilled(dc, SegmentFill(k));
  }
}

// ---------------------------------------------------------------------------------------------
// TNumericDevice

TNumericDevice::TNumericDevice() : TOutputDevice(ColourWhite) {
  HelpTopic = QStringLiteral("DeviceNumericOutput.htm");
  GeometryStored = true;
  Values.reserve(HistoryLimit);
  SetPinCount(4);
}

void TNumericDevice::Write(TSerializeWriter& writer) const {
  TOutputDevice::Write(writer);
  writer.WriteInteger(LineCount());
  writer.WriteInteger(Format);
  writer.WriteInteger(BackColour);
  writer.WriteInteger(ZeroColour);
  writer.WriteBoolean(PinsAtBottom);
}

void TNumericDevice::Read(TSerializeReader& reader) {
  TOutputDevice::Read(reader);
  const std::int32_t lines = reader.ReadInteger();
  Format = reader.ReadInteger();
  BackColour = reader.ReadInteger();
  ZeroColour = reader.ReadInteger();
  PinsAtBottom = reader.ReadBoolean();
  // The line count is the number of pins, digits and leads, which everything else relies on.
  if (!IsValidLineCount(lines) || LineCount() != lines || Count() != 1 + 2 * lines) {
    throw EReadError::InvalidValue();
  }
  CheckShape<TPolygon>(*this, 0);
  for (int i = 1; i <= lines; ++i) {
    CheckShape<TGraphicText>(*this, i);
  }
}

void TNumericDevice::Clear() {
  TOutputDevice::Clear();
  Values.clear();
}

void TNumericDevice::SetPinCount(int count) {
  if (!IsValidLineCount(count)) {
    return;
  }
  Clear();
  Bits.fill(false);
  BuildSymbol(count);
  if (PinsAtBottom) {
    MoveConnections(1);  // keep the symbol in step with the flag
  }
}

void TNumericDevice::BuildSymbol(int count) {
  const int h = 5 * count;
  AddPolygon(*this, {{-h, -5}, {h, -5}, {h, 10}, {-h, 10}, {-h, -5}})->BrushColour = BackColour;
  for (int i = 0; i < count; ++i) {
    auto digit = std::make_unique<TGraphicText>();
    digit->FontSize = 10;
    digit->TextColour = Colour;
    digit->SetText(QStringLiteral("0"));
    digit->Translate(static_cast<float>(h - 5 - 10 * i), 3);
    digit->Remap();
    Add(std::move(digit));
  }
  for (int i = 0; i < count; ++i) {
    const int x = h - 5 - 10 * i;
    AddLine(*this, {x, -10}, {x, -5});
  }
  for (int i = 0; i < count; ++i) {
    AddPin(PinInput, static_cast<float>(h - 5 - 10 * i), -10);
  }
}

void TNumericDevice::SetPinsAtBottom(bool atBottom) {
  if (atBottom == PinsAtBottom) {
    return;
  }
  PinsAtBottom = atBottom;
  MoveConnections(atBottom ? 1 : -1);
}

void TNumericDevice::MoveConnections(int direction) {
  const int lines = LineCount();
  for (int i = 1 + lines; i <= 2 * lines; ++i) {
    Child(i)->Translate(0, 20.0f * static_cast<float>(direction));
    Child(i)->Remap();
  }
  for (int i = 0; i < lines; ++i) {
    Pin(i)->Translate(0, 25.0f * static_cast<float>(direction));
    Pin(i)->Remap();
  }
}

SimResult TNumericDevice::Calculate() {
  SimResult result;
  for (int k = 0; k < LineCount(); ++k) {
    const bool bit = (Pin(k)->GetValue() & 1) != 0;
    if (bit != Bits[static_cast<std::size_t>(k)]) {
      Bits[static_cast<std::size_t>(k)] = bit;
      result.Changed = true;
    }
  }
  return result;
}

void TNumericDevice::Reset() {
  TOutputDevice::Reset();
  Bits.fill(false);
  Values.clear();
}

void TNumericDevice::RecordState() {
  if (Values.size() < static_cast<std::size_t>(HistoryLimit)) {
    Values.push_back(static_cast<std::uint16_t>(Value()));
  }
}

void TNumericDevice::TrimHistory(int samples) {
  TOutputDevice::TrimHistory(samples);
  if (samples < SampleCount()) {
    Values.resize(static_cast<std::size_t>(std::max(samples, 0)));
  }
}

void TNumericDevice::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(Bits);
}

std::uint32_t TNumericDevice::Value() const {
  std::uint32_t value = 0;
  for (int k = LineCount() - 1; k >= 0; --k) {
    value = value << 1 | Bits[static_cast<std::size_t>(k)];
  }
  return value;
}

QString TNumericDevice::DisplayText() const {
  const int lines = LineCount();
  const std::uint32_t value = Value();
  const QString binary = QString::number(value, 2).rightJustified(lines, u'0');
  QString text;
  if (Format & FormatDecimal) {
    std::int64_t number = value;
    if ((Format & FormatTwosComplement) && binary.startsWith(u'1')) {
      number -= std::int64_t{1} << lines;
    }
    text = QString::number(number);
  } else if (Format & FormatHex) {
    text = BinToHex(binary);
  } else {
    return binary;
  }
  return text.rightJustified(lines, u'0');
}

TGraphicText& TNumericDevice::Digit(int index) const {
  return *static_cast<TGraphicText*>(Child(LineCount() - index));
}

TNumericDevice::TShownDigits TNumericDevice::ShownDigits() const {
  const QString text = DisplayText();
  const int lines = LineCount();
  // Right-aligned: should the text ever be longer than the display, its head is dropped.
  const int skipped = std::max(0, static_cast<int>(text.size()) - lines);
  TShownDigits shown{};
  bool leading = true;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    leading = leading && c == u'0';
    if (i >= skipped) {
      const bool dimmed = leading && (Format & FormatSuppressZeros);
      shown[static_cast<std::size_t>(i - skipped)] = {c, dimmed ? ZeroColour : Colour};
    }
  }
  return shown;
}

TTextLook TNumericDevice::DigitLook(const TShownDigit& shown) const {
  return {QString(shown.Character), DigitFont, shown.TextColour, BackColour, false};
}

void TNumericDevice::UpdateDigits() {
  const TShownDigits shown = ShownDigits();
  for (int i = 0; i < LineCount(); ++i) {
    const TShownDigit& digit = shown[static_cast<std::size_t>(i)];
    TGraphicText& text = Digit(i);
    if (text.Text != digit.Character || text.FontName != DigitFont) {
      text.FontName = DigitFont;
      text.SetText(QString(digit.Character));
    }
    text.BackColour = BackColour;
    text.Transparent = false;
    text.TextColour = digit.TextColour;
  }
}

void TNumericDevice::DrawDigits(QPainter& dc) const {
  const TShownDigits shown = ShownDigits();
  for (int i = 0; i < LineCount(); ++i) {
    Digit(i).DrawLook(dc, DigitLook(shown[static_cast<std::size_t>(i)]));
  }
}

void TNumericDevice::DrawSymbol(QPainter& dc) {
  // The face, the digits, the leads, in symbol order. The digits show the latched levels,
  // each in the box it has: the file keeps what the last step of a run showed.
  static_cast<const TPolygon*>(Child(0))->DrawFilled(dc, BackColour);
  DrawDigits(dc);
  for (int i = 1 + LineCount(); i < Count(); ++i) {
    Child(i)->Draw(dc);
  }
}

void TNumericDevice::StoreShownState() {
  UpdateDigits();
}

void TNumericDevice::DrawState(QPainter& dc) {
  DrawDigits(dc);
}

LV_REGISTER_CLASS(TNumericDevice)
LV_REGISTER_CLASS(TLEDSegmentDevice)
LV_REGISTER_CLASS(TLEDDevice)

}  // namespace logivane
