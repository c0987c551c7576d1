#include "document/StreamTestHelpers.h"
#include "document/cGText.h"
#include "simulation/cMemory.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <utility>

namespace logivane {
namespace {

using test::ReadBack;
using test::WrittenObject;

std::unique_ptr<TMemoryDevice> Built(bool isRAM, int addressWidth, int dataWidth) {
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(isRAM, addressWidth, dataWidth);
  return memory;
}

/// Puts `value` on `count` pins from `first`, most significant first, as a driving net would.
void Put(TMemoryDevice& memory, int first, int count, int value) {
  for (int i = 0; i < count; ++i) {
    memory.Pin(first + i)->Value = (value >> (count - 1 - i)) & 1;
  }
}

int DataOn(const TMemoryDevice& memory) {
  int value = 0;
  for (int i = 0; i < memory.DataWidth(); ++i) {
    value = (value << 1) | memory.Pin(memory.FirstDataPin() + i)->Value;
  }
  return value;
}

enum : int { Write = 0, Read = 1 };

/// One step of a circuit around the memory: fresh drivers, control and address lines set, one
/// evaluation. The data pins are left as the caller put them.
SimResult Step(TMemoryDevice& memory, int cs, int rw, int address) {
  memory.ClearDrivers();
  memory.Pin(memory.ChipSelectPin())->Value = cs;
  if (memory.IsRAM()) {
    memory.Pin(memory.ReadWritePin())->Value = rw;
  }
  Put(memory, 0, memory.AddressWidth(), address);
  return memory.Calculate();
}

TEST(MemoryDevice, RamStoresWhatIsWrittenAndDrivesItBackOnRead) {
  auto owned = Built(true, 4, 8);
  TMemoryDevice& ram = *owned;
  const int rows[][2] = {{1, 0x13}, {15, 0xFF}, {12, 0x81}, {12, 0xC4}};  // address, data
  for (const auto& [address, data] : rows) {
    Put(ram, ram.FirstDataPin(), 8, data);
    const SimResult result = Step(ram, 0, Write, address);
    EXPECT_FALSE(result.Changed || result.Contention || result.Culprit);
    EXPECT_EQ(ram.LastAddress(), address);
  }
  EXPECT_EQ(ram.GetWord(1), 0x13);
  const int expected[][2] = {{1, 0x13}, {15, 0xFF}, {12, 0xC4}, {2, 0}};
  for (const auto& [address, data] : expected) {
    Step(ram, 0, Read, address);
    EXPECT_EQ(DataOn(ram), data) << "address " << address;
    EXPECT_EQ(ram.LastAddress(), address);
  }
  // A read reports a change only when a data pin changed.
  EXPECT_TRUE(Step(ram, 0, Read, 15).Changed);
  EXPECT_FALSE(Step(ram, 0, Read, 15).Changed);
}

TEST(MemoryDevice, RomReadsWheneverSelectedAndOnlyTheDataWidthReachesThePins) {
  auto owned = Built(false, 4, 4);
  TMemoryDevice& rom = *owned;
  ASSERT_EQ(rom.PinCount(), 9);
  rom.SetWord(0x1F3, 3);   // a word wider than the bus, as a memory map may load
  Step(rom, 0, Write, 3);  // a ROM has no read/write line to heed
  EXPECT_EQ(DataOn(rom), 0x3);
  EXPECT_EQ(rom.GetWord(3), 0x1F3);
}

TEST(MemoryDevice, DeselectedMemoryNeitherWritesNorReleasesItsDataPins) {
  auto owned = Built(true, 4, 4);
  TMemoryDevice& ram = *owned;
  ram.SetWord(0x9, 2);
  Step(ram, 0, Read, 2);
  Put(ram, ram.FirstDataPin(), 4, 0x6);
  EXPECT_FALSE(Step(ram, 1, Write, 7).Changed);
  EXPECT_FALSE(Step(ram, 1, Read, 2).Changed);
  EXPECT_EQ(ram.GetWord(7), 0);
  EXPECT_EQ(DataOn(ram), 0x6);
  EXPECT_EQ(ram.LastAddress(), 2);
}

TEST(MemoryDevice, ReadingANetAnotherDeviceDrivesIsContentionOnThatPinOnly) {
  auto owned = Built(true, 4, 4);
  TMemoryDevice& ram = *owned;
  TDevice other;
  TPin* otherPin = other.AddPin(PinTriState, 0, 0);
  TPin* lowBit = ram.Pin(ram.FirstDataPin() + 3);
  TWire wire;
  wire.AttachEnd(lowBit);
  lowBit->AttachWire(&wire);
  wire.AttachEnd(otherPin);
  otherPin->AttachWire(&wire);

  ram.SetWord(0xF, 0);
  Step(ram, 0, Read, 0);
  EXPECT_EQ(otherPin->Value, 1) << "a read drives the whole net";
  EXPECT_EQ(otherPin->Driver, &ram);

  ram.ClearDrivers();  // a new step, in which another device drives the net first
  wire.Visited = false;
  otherPin->SetValue(&other, 0);
  wire.Visited = false;
  const SimResult result = ram.Calculate();
  EXPECT_TRUE(result.Changed);
  EXPECT_FALSE(result.Contention);
  EXPECT_EQ(result.Culprit, &ram);
  EXPECT_TRUE(ram.Contention);
  EXPECT_EQ(lowBit->Value, 0);
  EXPECT_EQ(lowBit->Driver, &other);
  EXPECT_EQ(DataOn(ram), 0xE);
}

TEST(MemoryDevice, SizeCaptionCountsWordsThenKilowords) {
  const struct {
    int AddressWidth, DataWidth;
    const char* Caption;
  } rows[] = {{4, 8, "16 x 8"},
              {8, 8, "256 x 8"},
              {9, 4, "512 x 4"},
              {10, 8, "1K x 8"},
              {14, 16, "16K x 16"}};
  for (const auto& row : rows) {
    EXPECT_EQ(Built(true, row.AddressWidth, row.DataWidth)->SizeCaption(), row.Caption);
  }
}

QStringList TextsOf(const TMemoryDevice& memory) {
  QStringList texts;
  for (int i = 0; i < memory.Count(); ++i) {
    if (const auto* text = dynamic_cast<const TGraphicText*>(memory.Child(i))) {
      texts << text->Text + (text->Overline ? "~" : "");
      EXPECT_FALSE(text->ShowBox);
    }
  }
  return texts;
}

struct TPinRow {
  int Index;
  std::int32_t Kind;
  float X, Y;
};

void ExpectPins(const TMemoryDevice& memory, std::initializer_list<TPinRow> rows) {
  for (const TPinRow& row : rows) {
    SCOPED_TRACE(row.Index);
    float x, y;
    memory.Pin(row.Index)->GetCentre(x, y);
    EXPECT_EQ(memory.Pin(row.Index)->Kind, row.Kind);
    EXPECT_FLOAT_EQ(x, row.X);
    EXPECT_FLOAT_EQ(y, row.Y);
  }
}

TEST(MemoryDevice, SymbolPlacesAddressDataAndControlPinsBesideABoxSizedByTheWiderBus) {
  const TMemoryDevice ram;  // 256 x 8, H = 40
  EXPECT_EQ(ram.WordCount(), 256);
  EXPECT_TRUE(ram.GeometryStored);
  ASSERT_EQ(ram.PinCount(), 18);
  ExpectPins(ram, {{0, PinInput, -30, -40},
                   {7, PinInput, -30, 30},
                   {8, PinTriState, 30, -40},
                   {15, PinTriState, 30, 30},
                   {16, PinInput, 15, 45},
                   {17, PinInput, -15, 45}});
  EXPECT_EQ(ram.Count(), 26);  // box, texts and one lead per pin
  EXPECT_EQ(ram.Child(0)->GetFloatBounds(), FloatRect(-25, -50, 25, 40));
  EXPECT_EQ(TextsOf(ram), QStringList({"256 x 8", "RAM", "A7", "D7", "cs~", "r /", "w~"}));

  const auto rom = Built(false, 4, 16);  // H = 80
  EXPECT_EQ(rom->WordCount(), 16);
  ASSERT_EQ(rom->PinCount(), 21);
  ExpectPins(*rom, {{3, PinInput, -30, -50},
                    {4, PinTriState, 30, -80},
                    {19, PinTriState, 30, 70},
                    {20, PinInput, 15, 85}});
  EXPECT_EQ(TextsOf(*rom), QStringList({"16 x 16", "ROM", "A3", "D15", "cs~"}));
}

TEST(MemoryDevice, BadSizesAndAddressesNeverReachPastThePinsOrWords) {
  auto owned = Built(true, 4, 4);
  TMemoryDevice& ram = *owned;
  for (const auto& [address, data] : {std::pair{3, 8}, std::pair{15, 8}, std::pair{8, 3}}) {
    EXPECT_THROW(ram.BuildSymbol(true, address, data), std::invalid_argument);
  }
  EXPECT_EQ(ram.PinCount(), 10);
  ram.SetWord(9, -1);
  ram.SetWord(9, 16);
  EXPECT_EQ(ram.GetWord(-1), 0);
  EXPECT_EQ(ram.GetWord(16), 0);

  ram.AllocateContents(4);  // fewer words than the address pins reach
  ram.SetWord(0xF, 3);
  Put(ram, ram.FirstDataPin(), 4, 0xA);
  Step(ram, 0, Write, 12);
  Step(ram, 0, Read, 12);
  EXPECT_EQ(DataOn(ram), 0);
  Step(ram, 0, Read, 3);
  EXPECT_EQ(DataOn(ram), 0xF);

  auto pins = ram.TakePins();
  EXPECT_FALSE(ram.Calculate().Changed);
}

TEST(MemoryDevice, ReadBackMemoryWritesTheSameBytesAndBehavesTheSame) {
  for (const bool isRAM : {true, false}) {
    auto owned = Built(isRAM, 4, 8);
    TMemoryDevice& memory = *owned;
    for (int address = 0; address < 16; ++address) {
      memory.SetWord(address * 17, address);
    }
    memory.Translate(100, 40);  // a stored symbol must come back where it was, not rebuilt
    memory.Remap();
    const QByteArray bytes = WrittenObject(memory);
    const auto copy = ReadBack<TMemoryDevice>(bytes);
    EXPECT_EQ(WrittenObject(*copy), bytes);
    EXPECT_EQ(copy->Contents(), memory.Contents());
    EXPECT_EQ(copy->IsRAM(), isRAM);
    Step(*copy, 0, Read, 11);
    EXPECT_EQ(DataOn(*copy), 11 * 17);
  }
}

/// Writes a memory record whose header and words a test chooses, after the device part of a
/// real memory of any size.
class TForgedMemory final : public TSerialize {
public:
  TForgedMemory(std::unique_ptr<TMemoryDevice> model, int dataWidth, int addressWidth, bool isRAM,
                int wordCount, int wordsWritten)
      : Model(std::move(model)),
        DataWidth(dataWidth),
        AddressWidth(addressWidth),
        IsRAM(isRAM),
        WordCount(wordCount),
        WordsWritten(wordsWritten) {}

  const char* ClassName() const override { return TMemoryDevice::StaticClassName; }
  void Read(TSerializeReader&) override {}
  void Write(TSerializeWriter& writer) const override {
    static_cast<const TDevice&>(*Model).TDevice::Write(writer);
    writer.WriteInteger(DataWidth);
    writer.WriteInteger(AddressWidth);
    writer.WriteBoolean(IsRAM);
    writer.WriteBoolean(false);
    writer.WriteInteger(WordCount);
    for (int i = 0; i < WordsWritten; ++i) {
      writer.WriteInteger(0x12345);
    }
  }

  std::unique_ptr<TMemoryDevice> Model;
  int DataWidth, AddressWidth;
  bool IsRAM;
  int WordCount, WordsWritten;
};

TEST(MemoryDevice, ReadRefusesRecordsWhoseSizesWordsAndPinsDisagree) {
  const auto read = [](const TForgedMemory& forged) {
    return ReadBack<TMemoryDevice>(WrittenObject(forged));
  };
  const auto sound = read(TForgedMemory(Built(true, 4, 8), 8, 4, true, 16, 16));
  EXPECT_EQ(sound->GetWord(15), 0x2345);

  // Each record below is wrong in one way only.
  EXPECT_THROW(read({Built(true, 4, 8), 8, 4, true, 256, 256}), EReadError);         // word count
  EXPECT_THROW(read({Built(true, 4, 8), 8, 4, true, -1, 0}), EReadError);            // word count
  EXPECT_THROW(read({Built(true, 14, 8), 8, 15, false, 32768, 32768}), EReadError);  // width
  EXPECT_THROW(read({Built(false, 4, 4), 3, 4, true, 16, 16}), EReadError);          // data width
  EXPECT_THROW(read({Built(false, 4, 8), 8, 4, true, 16, 16}), EReadError);          // pins missing
  EXPECT_THROW(read({Built(true, 4, 8), 8, 4, true, 16, 10}), EReadError);           // truncated
}

}  // namespace
}  // namespace logivane
