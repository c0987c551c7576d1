#include "simulation/cMemory.h"

#include "document/cGText.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <algorithm>
#include <stdexcept>

namespace logivane {

namespace {

void AddText(TGraphicList& symbol, const QString& text, float x, float y, bool overline = false) {
  auto shape = std::make_unique<TGraphicText>();
  shape->ShowBox = false;
  shape->Overline = overline;
  shape->SetText(text);
  shape->Translate(x, y);
  shape->Remap();
  symbol.Add(std::move(shape));
}

void AddLead(TGraphicList& symbol, float x1, float y1, float x2, float y2) {
  auto lead = std::make_unique<TPolyline>();
  lead->AddPoints({{x1, y1}, {x2, y2}});
  lead->Remap();
  symbol.Add(std::move(lead));
}

void AddBox(TGraphicList& symbol, float halfWidth, float top, float bottom) {
  auto box = std::make_unique<TPolygon>();
  box->AddPoints({{-halfWidth, top}, {halfWidth, top}, {halfWidth, bottom}, {-halfWidth, bottom}});
  box->Remap();
  symbol.Add(std::move(box));
}

}  // namespace

TMemoryDevice::TMemoryDevice() {
  HelpTopic = QStringLiteral("MemoryOverview.htm");
  // The symbol depends on the size, so a file keeps it rather than rebuilding a default one.
  GeometryStored = true;
  CanRotate = false;
  CanResize = false;
  BuildSymbol(true, 8, 8);
}

TMemoryDevice::~TMemoryDevice() = default;

bool TMemoryDevice::IsValidSize(std::int32_t addressWidth, std::int32_t dataWidth) {
  const bool powerOfTwo = dataWidth > 0 && (dataWidth & (dataWidth - 1)) == 0;
  return addressWidth >= MinAddressWidth && addressWidth <= MaxAddressWidth && powerOfTwo &&
         dataWidth <= MaxDataWidth;
}

int TMemoryDevice::PinCountFor(bool isRAM, std::int32_t addressWidth, std::int32_t dataWidth) {
  return addressWidth + dataWidth + (isRAM ? 2 : 1);
}

void TMemoryDevice::BuildSymbol(bool isRAM, std::int32_t addressWidth, std::int32_t dataWidth) {
  if (!IsValidSize(addressWidth, dataWidth)) {
    throw std::invalid_argument("memory size out of range");
  }
  FIsRAM = isRAM;
  FAddressWidth = addressWidth;
  FDataWidth = dataWidth;
  Clear();
  // The new symbol is drawn around the origin.
  X = 0;
  Y = 0;
  DrawSymbol();
  AllocateContents(std::int32_t{1} << addressWidth);
}

void TMemoryDevice::DrawSymbol() {
  const float h = 5.0F * static_cast<float>(std::max(FAddressWidth, FDataWidth));
  AddBox(*this, 25, -h - 10, h);
  AddText(*this, SizeCaption(), 0, -10);
  AddText(*this, FIsRAM ? QStringLiteral("RAM") : QStringLiteral("ROM"), 0, 2);

  AddText(*this, QStringLiteral("A%1").arg(FAddressWidth - 1), -15, -h - 2);
  for (int i = 0; i < FAddressWidth; ++i) {
    const float y = -h + 10.0F * static_cast<float>(i);
    AddPin(PinInput, -30, y);
    AddLead(*this, -30, y, -25, y);
  }
  AddText(*this, QStringLiteral("D%1").arg(FDataWidth - 1), 16, -h - 2);
  for (int i = 0; i < FDataWidth; ++i) {
    const float y = -h + 10.0F * static_cast<float>(i);
    AddPin(PinTriState, 30, y);
    AddLead(*this, 30, y, 25, y);
  }

  AddPin(PinInput, 15, h + 5);
  AddLead(*this, 15, h + 5, 15, h);
  AddText(*this, QStringLiteral("cs"), 16, h - 6, true);
  if (FIsRAM) {
    AddPin(PinInput, -15, h + 5);
    AddLead(*this, -15, h + 5, -15, h);
    AddText(*this, QStringLiteral("r /"), -17, h - 6);
    AddText(*this, QStringLiteral("w"), -7, h - 6, true);
  }
}

QString TMemoryDevice::SizeCaption() const {
  const std::int32_t words = std::int32_t{1} << FAddressWidth;
  if (words < 513) {
    return QStringLiteral("%1 x %2").arg(words).arg(FDataWidth);
  }
  return QStringLiteral("%1K x %2").arg(words >> 10).arg(FDataWidth);
}

std::int32_t TMemoryDevice::GetWord(std::int32_t address) const {
  if (address < 0 || address >= WordCount()) {
    return 0;
  }
  return FContents[static_cast<std::size_t>(address)];
}

void TMemoryDevice::SetWord(std::int32_t value, std::int32_t address) {
  if (address < 0 || address >= WordCount()) {
    return;
  }
  FContents[static_cast<std::size_t>(address)] = static_cast<std::uint16_t>(value);
}

void TMemoryDevice::ClearContents() {
  std::fill(FContents.begin(), FContents.end(), std::uint16_t{0});
}

void TMemoryDevice::AllocateContents(std::int32_t count) {
  FContents.assign(static_cast<std::size_t>(std::max(count, 0)), 0);
}

void TMemoryDevice::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Items(FContents);
  state.Field(FLastAddress);
}

SimResult TMemoryDevice::Calculate() {
  SimResult result;
  // Only a pin list swapped behind our back could disagree with the widths; never index past it.
  if (PinCount() != PinCountFor(FIsRAM, FAddressWidth, FDataWidth)) {
    return result;
  }
  if (Pin(ChipSelectPin())->Value & 1) {
    return result;  // deselected: the data pins keep whatever the net last gave them
  }
  const bool reading = !FIsRAM || (Pin(ReadWritePin())->Value & 1);
  FLastAddress = DecodeAddress();
  if (reading) {
    DriveData(static_cast<std::uint16_t>(GetWord(FLastAddress)), result);
  } else if (!TPrimingScope::Active()) {
    SetWord(DecodeData(), FLastAddress);
  }
  return result;
}

bool TMemoryDevice::DrivesNet(const TPin& pin) const {
  if (PinCount() != PinCountFor(FIsRAM, FAddressWidth, FDataWidth) ||
      (Pin(ChipSelectPin())->Value & 1) || (FIsRAM && !(Pin(ReadWritePin())->Value & 1))) {
    return false;
  }
  for (int i = 0; i < FDataWidth; ++i) {
    if (Pin(FirstDataPin() + i) == &pin) {
      return true;
    }
  }
  return false;
}

std::int32_t TMemoryDevice::DecodeAddress() const {
  std::int32_t address = 0;
  for (int i = 0; i < FAddressWidth; ++i) {
    address = (address << 1) | (Pin(i)->Value & 1);
  }
  return address;
}

std::uint16_t TMemoryDevice::DecodeData() const {
  unsigned data = 0;
  for (int i = 0; i < FDataWidth; ++i) {
    data = (data << 1) | static_cast<unsigned>(Pin(FirstDataPin() + i)->Value & 1);
  }
  return static_cast<std::uint16_t>(data);
}

void TMemoryDevice::DriveData(std::uint16_t word, SimResult& result) {
  // From the least significant pin (the last) towards the first.
  for (int bit = 0; bit < FDataWidth; ++bit) {
    TPin* pin = Pin(FirstDataPin() + FDataWidth - 1 - bit);
    if (pin->DrivenByOther(this)) {
      // Another device drives this net in the same step: leave it and let the settle loop,
      // which will not converge, name us through the contention mark.
      Contention = true;
      result.Changed = true;
      result.Culprit = this;
      continue;
    }
    if (pin->SetValue(this, (word >> bit) & 1)) {
      result.Changed = true;
    }
  }
}

void TMemoryDevice::Write(TSerializeWriter& writer) const {
  TDevice::Write(writer);
  writer.WriteInteger(FDataWidth);
  writer.WriteInteger(FAddressWidth);
  writer.WriteBoolean(FIsRAM);
  writer.WriteBoolean(false);
  writer.WriteInteger(WordCount());
  for (const std::uint16_t word : FContents) {
    writer.WriteInteger(word);
  }
}

void TMemoryDevice::Read(TSerializeReader& reader) {
  TDevice::Read(reader);
  const std::int32_t dataWidth = reader.ReadInteger();
  const std::int32_t addressWidth = reader.ReadInteger();
  const bool isRAM = reader.ReadBoolean();
  (void)reader.ReadBoolean();  // always written false; it carries nothing
  const std::int32_t wordCount = reader.ReadInteger();
  // Calculate indexes pins and words by the widths, so they must all agree.
  if (!IsValidSize(addressWidth, dataWidth) || wordCount != (std::int32_t{1} << addressWidth) ||
      PinCount() != PinCountFor(isRAM, addressWidth, dataWidth)) {
    throw EReadError::InvalidValue();
  }
  std::vector<std::uint16_t> contents(static_cast<std::size_t>(wordCount));
  for (std::uint16_t& word : contents) {
    word = static_cast<std::uint16_t>(reader.ReadInteger());
  }
  FDataWidth = dataWidth;
  FAddressWidth = addressWidth;
  FIsRAM = isRAM;
  FContents = std::move(contents);
  FLastAddress = 0;
}

LV_REGISTER_CLASS(TMemoryDevice)

}  // namespace logivane
