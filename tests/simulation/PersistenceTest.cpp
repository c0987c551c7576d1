// Every registered class, taken from the class registry so that a new class is covered without
// a new test: round trips, damaged streams and resets. Then the records that must be refused.

#include "TestHelpers.h"
#include "document/Csegment.h"
#include "document/cGText.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <string>

namespace logivane {
namespace {

using test::ReadBack;
using test::Written;
using test::WrittenObject;

/// The classes of the program, without the test doubles, which trust their own streams.
std::vector<std::string_view> ProgramClasses() {
  std::vector<std::string_view> names = TClassRegistry::Names();
  std::erase_if(names, [](std::string_view name) { return name.starts_with("TTest"); });
  return names;
}

std::unique_ptr<TSerialize> Make(std::string_view name) {
  return std::unique_ptr<TSerialize>(TClassRegistry::Find(name.data(), name.size())());
}

QByteArray WrittenAt(const TSerialize& object, std::uint8_t revision) {
  return Written([&](TSerializeWriter& writer) {
    writer.Revision = revision;
    writer.WriteObject(&object);
  });
}

std::unique_ptr<TSerialize> ReadAt(const QByteArray& bytes, std::uint8_t revision) {
  TSerializeReader reader(bytes);
  reader.Revision = revision;
  return reader.ReadRoot<TSerialize>();
}

/// What a device does over a few steps with its inputs stepping through patterns.
std::vector<TLevel> Trace(TDevice& device) {
  std::vector<TLevel> trace;
  for (int step = 0; step < 8; ++step) {
    for (int i = 0; i < device.PinCount(); ++i) {
      if (device.Pin(i)->Kind == PinInput) {
        device.Pin(i)->Value = step >> (i % 3) & 1;
      }
    }
    device.ClearDrivers();
    trace.push_back(device.Calculate().Changed);
    device.SetSlaveInputs();
    for (int i = 0; i < device.PinCount(); ++i) {
      trace.push_back(device.Pin(i)->GetValue());
    }
  }
  return trace;
}

/// Objects in states that the defaults do not reach.
std::vector<std::unique_ptr<TSerialize>> Samples() {
  std::vector<std::unique_ptr<TSerialize>> samples;
  samples.push_back(std::make_unique<TFloatPoint>(-0.0f, std::nanf("")));
  auto text = std::make_unique<TGraphicText>();
  text->Rotate(90);
  text->SetOverline(true);
  text->SetBold(true);
  text->SetText(QString(300, 'x'));
  samples.push_back(std::move(text));
  auto display = std::make_unique<TNumericDevice>();
  display->SetPinCount(8);
  display->SetPinsAtBottom(true);
  samples.push_back(std::move(display));
  return samples;
}

TEST(EveryClass, WritesReadsAndWritesTheSameBytesAndStepsLikeTheOriginal) {
  std::vector<std::unique_ptr<TSerialize>> objects = Samples();
  for (const std::string_view name : TClassRegistry::Names()) {
    objects.push_back(Make(name));
  }
  for (const auto& original : objects) {
    SCOPED_TRACE(original->ClassName());
    if (auto* graphic = dynamic_cast<TGraphicObject*>(original.get())) {
      graphic->Translate(40, 20);
      graphic->Remap();
    }
    for (const std::uint8_t revision : {20, 34}) {
      const QByteArray first = WrittenAt(*original, revision);
      const auto copy = ReadAt(first, revision);
      ASSERT_STREQ(copy->ClassName(), original->ClassName());
      EXPECT_EQ(WrittenAt(*copy, revision), first) << int(revision);
      auto* device = dynamic_cast<TDevice*>(original.get());
      if (device) {
        auto& copied = dynamic_cast<TDevice&>(*copy);
        EXPECT_EQ(copied.GetBounds(), device->GetBounds());
        device->Reset();
        copied.Reset();
        EXPECT_EQ(Trace(copied), Trace(*device));
      }
    }
  }
}

TEST(EveryClass, EveryDamagedByteReadsCleanlyOrIsRefused) {
  QImage image(64, 64, QImage::Format_RGB32);
  QPainter painter(&image);
  for (const std::string_view name : ProgramClasses()) {
    SCOPED_TRACE(std::string(name));
    const QByteArray good = WrittenObject(*Make(name));
    for (qsizetype at = 0; at < good.size(); ++at) {
      for (const char value : {'\x00', '\x03', '\xff'}) {
        QByteArray bad = good;
        bad[at] = value;
        std::unique_ptr<TSerialize> object;
        try {
          object = ReadAt(bad, 34);
        } catch (const EReadError&) {
          continue;
        }
        if (auto* device = dynamic_cast<TDevice*>(object.get())) {
          device->Reset();
          Trace(*device);
          device->DrawState(painter);
        }
        if (auto* graphic = dynamic_cast<TGraphicObject*>(object.get())) {
          graphic->Draw(painter);
        }
      }
    }
  }
}

TEST(EveryDevice, ResetLowersEveryPinAndStartsOverLikeANewDevice) {
  for (const std::string_view name : TClassRegistry::Names()) {
    auto fresh = Make(name);
    auto* device = dynamic_cast<TDevice*>(fresh.get());
    if (!device) {
      continue;
    }
    SCOPED_TRACE(std::string(name));
    auto used = Make(name);
    auto& worn = static_cast<TDevice&>(*used);
    Trace(worn);
    worn.Contention = true;
    for (int i = 0; i < worn.PinCount(); ++i) {
      worn.Pin(i)->Value = 1;
    }
    worn.Reset();
    for (int i = 0; i < worn.PinCount(); ++i) {
      EXPECT_EQ(worn.Pin(i)->Value, 0) << "pin " << i;
    }
    EXPECT_FALSE(worn.Contention);
    if (auto* history = dynamic_cast<THistoryDevice*>(&worn)) {
      EXPECT_TRUE(history->History.isEmpty());
    }
    device->Reset();
    EXPECT_EQ(Trace(worn), Trace(*device));
  }
}

TEST(EveryDevice, AStoredDeviceWithoutThePinsItNeedsIsRefused) {
  for (const std::string_view name : ProgramClasses()) {
    auto object = Make(name);
    auto* device = dynamic_cast<TDevice*>(object.get());
    if (!device || device->PinCount() == 0) {
      continue;  // the bases and containers, which need no pins
    }
    SCOPED_TRACE(std::string(name));
    device->TakePins();
    EXPECT_THROW(ReadBack<TDevice>(WrittenObject(*device)), EReadError);
  }
  T3AndGate wide;
  wide.SetPins(T2AndGate().TakePins());
  EXPECT_THROW(ReadBack<T3AndGate>(WrittenObject(wide)), EReadError);
  for (const int pins : {3, 8}) {
    TNumericDevice display;  // four lines of symbol
    auto list = std::make_unique<TGraphicList>();
    for (int k = 0; k < pins; ++k) {
      list->Add(std::make_unique<TPin>(PinInput));
    }
    display.SetPins(std::move(list));
    EXPECT_THROW(ReadBack<TNumericDevice>(WrittenObject(display)), EReadError) << pins;
  }
}

TEST(DeviceRecords, OlderStreamsAndWiderValuesReadAsStored) {
  TLEDSegmentDevice display;
  display.CommonCathode = false;
  EXPECT_FALSE(static_cast<TLEDSegmentDevice&>(*ReadAt(WrittenAt(display, 30), 30)).CommonCathode);
  EXPECT_TRUE(static_cast<TLEDSegmentDevice&>(*ReadAt(WrittenAt(display, 20), 20)).CommonCathode)
      << "older streams keep the default";

  TInteractiveInput input;
  input.Press();
  QByteArray bytes = WrittenObject(input);
  const QByteArray stored = test::Hex("04ffff0000");
  ASSERT_GE(bytes.lastIndexOf(stored), 0);
  EXPECT_EQ(ReadBack<TInteractiveInput>(bytes)->Level, 65535);
  bytes.replace(bytes.lastIndexOf(stored), stored.size(), test::Hex("0405000300"));
  const auto copy = ReadBack<TInteractiveInput>(bytes);
  EXPECT_EQ(copy->StoredLevel, 5) << "cut to its low 16 bits";
  EXPECT_EQ(copy->Level, 5);
}

/// A memory record whose header and words a test chooses, after the device part of a real
/// memory of any size.
class TForgedMemory final : public TSerialize {
public:
  const char* ClassName() const override { return TMemoryDevice::StaticClassName; }
  void Read(TSerializeReader&) override {}
  void Write(TSerializeWriter& writer) const override {
    static_cast<const TDevice&>(Model).TDevice::Write(writer);
    writer.WriteInteger(DataWidth);
    writer.WriteInteger(AddressWidth);
    writer.WriteBoolean(IsRAM);
    writer.WriteBoolean(false);
    writer.WriteInteger(WordCount);
    for (int i = 0; i < WordsWritten; ++i) {
      writer.WriteInteger(0x12345);
    }
  }

  TMemoryDevice Model;
  int DataWidth = 8, AddressWidth = 4;
  bool IsRAM = true;
  int WordCount = 16, WordsWritten = 16;
};

TEST(DeviceRecords, AMemoryWhoseSizesWordsAndPinsDisagreeIsRefused) {
  struct TCase {
    bool ModelRAM;
    int ModelAddress, ModelData, DataWidth, AddressWidth;
    bool IsRAM;
    int WordCount, WordsWritten;
    bool Sound;
  };
  // Each record but the first is wrong in one way only.
  const TCase cases[] = {{true, 4, 8, 8, 4, true, 16, 16, true},
                         {true, 4, 8, 8, 4, true, 256, 256, false},         // word count
                         {true, 4, 8, 8, 4, true, -1, 0, false},            // word count
                         {true, 14, 8, 8, 15, false, 32768, 32768, false},  // address width
                         {false, 4, 4, 3, 4, true, 16, 16, false},          // data width
                         {false, 4, 8, 8, 4, true, 16, 16, false},          // pins missing
                         {true, 4, 8, 8, 4, true, 16, 10, false}};          // truncated
  int number = 0;
  for (const TCase& c : cases) {
    TForgedMemory forged;
    forged.Model.BuildSymbol(c.ModelRAM, c.ModelAddress, c.ModelData);
    forged.DataWidth = c.DataWidth;
    forged.AddressWidth = c.AddressWidth;
    forged.IsRAM = c.IsRAM;
    forged.WordCount = c.WordCount;
    forged.WordsWritten = c.WordsWritten;
    const QByteArray bytes = WrittenObject(forged);
    if (c.Sound) {
      EXPECT_EQ(ReadBack<TMemoryDevice>(bytes)->GetWord(15), 0x2345);
    } else {
      EXPECT_THROW(ReadBack<TMemoryDevice>(bytes), EReadError) << "case " << number;
    }
    ++number;
  }
}

TEST(DeviceRecords, ACircuitWhoseListsHoldObjectsOfAnotherKindIsRefused) {
  const std::function<void(TMacro&)> misfilings[] = {
      [](TMacro& m) { m.Devices().Add(std::make_unique<TWire>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<TPin>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<TTagDevice>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<test::TTestSource>()); },
      [](TMacro& m) { m.Wires().Add(std::make_unique<T2AndGate>()); },
      [](TMacro& m) { m.Solders().Add(std::make_unique<TWire>()); },
      [](TMacro& m) { m.Tags().Add(std::make_unique<TDevice>()); },
      [](TMacro& m) { m.Inputs().Add(std::make_unique<test::TTestProbe>()); },
      [](TMacro& m) { m.Outputs().Add(std::make_unique<TGraphicText>()); },
  };
  for (std::size_t i = 0; i < std::size(misfilings); ++i) {
    TMacro macro;
    misfilings[i](macro);
    EXPECT_THROW(ReadBack<TMacro>(WrittenObject(macro)), EReadError) << "case " << i;
  }
  TTagDevice tag;
  tag.Clear();  // no number text left to show
  EXPECT_THROW(ReadBack<TTagDevice>(WrittenObject(tag)), EReadError);
}

TEST(DeviceRecords, ALabelPlacedAgainKeepsTheFontAndColourItWasReadWith) {
  TLEDDevice led;
  led.SetLabelText(QStringLiteral("lamp"));
  QByteArray bytes = WrittenObject(led);
  // Size 7, black, upright, normal weight become size 12, red, italic and bold.
  const QByteArray plain = test::Hex("0207 0200 08 039001");
  const qsizetype at = bytes.lastIndexOf(plain, bytes.indexOf("lamp"));
  ASSERT_GE(at, 0);
  bytes.replace(at, plain.size(), test::Hex("020C 03FF00 09 03BC02"));
  const auto copy = ReadBack<TLEDDevice>(bytes);
  copy->SetLabelPosition(TTextDevice::LabelTop);

  TGraphicText styled;
  styled.SetFontSize(12);
  styled.SetItalic(true);
  styled.SetBold(true);
  styled.SetText(QStringLiteral("lamp"));
  const TGraphicText& label = copy->Label();
  EXPECT_EQ(label.FontSize, 12);
  EXPECT_EQ(label.TextColour, 255);
  EXPECT_TRUE(label.Italic);
  EXPECT_TRUE(label.IsBold());
  EXPECT_EQ(label.GetWidth(), styled.GetWidth()) << "measured in its own font";
}

}  // namespace
}  // namespace logivane
