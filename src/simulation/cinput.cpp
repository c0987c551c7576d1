#include "simulation/cinput.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cDeviceParts.h"

#include <QPainter>

namespace logivane {

namespace {

/// The level a sequence character stands for: a digit drives its value; anything else, which
/// only a damaged or hand-made file can hold, drives 0.
TLevel CharacterLevel(QChar c) {
  const char16_t code = c.unicode();
  return code >= u'0' && code <= u'9' ? code - u'0' : 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TInputDevice

TInputDevice::TInputDevice() : THistoryDevice(TDeviceRole::Input) {
  CanRotate = false;
  CanResize = false;
}

void TInputDevice::Read(TSerializeReader& reader) {
  THistoryDevice::Read(reader);
  CachePins(*this, FOutput, 1);
}

void TInputDevice::AddOutput(float x, float y) {
  AddPin(PinOutput, x, y);
  CachePins(*this, FOutput, 1);
}

// ---------------------------------------------------------------------------------------------
// TGround, TSupply

TGround::TGround() {
  HelpTopic = QStringLiteral("powersupply.htm");
  AddLine(*this, {0, 0}, {0, -10});
  AddLine(*this, {-10, 0}, {10, 0});
  AddLine(*this, {-6, 5}, {6, 5});
  AddLine(*this, {-2, 10}, {2, 10});
  AddOutput(0, -10);
}

TSupply::TSupply() {
  HelpTopic = QStringLiteral("powersupply.htm");
  AddText(*this, QStringLiteral("Vcc"), -5, 0);
  AddLine(*this, {5, 0}, {10, 0});
  AddOutput(10, 0);
}

// ---------------------------------------------------------------------------------------------
// TSeqInputDevice

TSeqInputDevice::TSeqInputDevice(const QString& sequence, TColour colour, const QString& label,
                                 const QString& helpTopic)
    : Sequence(sequence), Colour(colour) {
  HelpTopic = helpTopic;
  AddCircle(*this, 3);
  AddLine(*this, {7, 0}, {15, 0});
  AddOutput(15, 0);
  SetLabelText(label);
}

void TSeqInputDevice::Write(TSerializeWriter& writer) const {
  TInputDevice::Write(writer);
  writer.WriteString(Sequence);
  writer.WriteInteger(Colour);
}

void TSeqInputDevice::Read(TSerializeReader& reader) {
  TInputDevice::Read(reader);
  SetSequence(reader.ReadString());
  Colour = reader.ReadInteger();
  CheckShape<TPolygon>(*this, 0);
}

void TSeqInputDevice::SetSequence(const QString& text) {
  Position = 1;
  Phase = false;
  Sequence = text;
  Level = 0;
}

TLevel TSeqInputDevice::NextLevel() {
  return Step(Phase, Position, Level, HoldsEveryOther(), static_cast<std::int32_t>(Sequence.size()),
              [this](std::int32_t i) { return CharacterLevel(Sequence.at(i)); });
}

std::vector<TLevel> TSeqInputDevice::SequenceLevels() const {
  std::vector<TLevel> levels;
  for (const QChar character : Sequence) {
    levels.push_back(CharacterLevel(character));
  }
  return levels;
}

void TSeqInputDevice::Reset() {
  TInputDevice::Reset();
  Position = 1;
  Level = 0;
  Phase = false;
}

void TSeqInputDevice::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(Phase);
  state.Field(Position);
  state.Field(Level);
}

std::optional<TColour> TSeqInputDevice::ShownFill(int index) const {
  return index == LevelCircleIndex ? std::optional(LevelFill()) : std::nullopt;
}

void TSeqInputDevice::StoreShownState() {
  LevelCircle().BrushColour = LevelFill();
}

void TSeqInputDevice::RecordState() {
  AppendHistory(Level & 1);
}

void TSeqInputDevice::DrawState(QPainter& dc) {
  if (!Selected) {
    LevelCircle().DrawFilled(dc, LevelFill());
  }
}

TClockDevice::TClockDevice()
    : TSeqInputDevice(QStringLiteral("01"), 0x00FF00, QStringLiteral("clock"),
                      QStringLiteral("deviceclock.htm")) {
}

TBitGenerator::TBitGenerator()
    : TSeqInputDevice(QString(), ColourRed, QStringLiteral("sequence"),
                      QStringLiteral("sequencegenerator.htm")) {
}

LV_REGISTER_CLASS(TGround)
LV_REGISTER_CLASS(TSupply)
LV_REGISTER_CLASS(TClockDevice)
LV_REGISTER_CLASS(TBitGenerator)

}  // namespace logivane
