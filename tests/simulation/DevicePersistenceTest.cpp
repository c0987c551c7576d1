#include "document/StreamTestHelpers.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace logivane {
namespace {

using test::Written;

QByteArray WrittenAt(const TSerialize& object, std::uint8_t revision) {
  return Written([&](TSerializeWriter& writer) {
    writer.Revision = revision;
    writer.WriteObject(&object);
  });
}

template <class T>
std::unique_ptr<T> ReadAt(const QByteArray& bytes, std::uint8_t revision) {
  TSerializeReader reader(bytes);
  reader.Revision = revision;
  return reader.ReadRoot<T>();
}

/// Writes `device`, reads it back and checks that the copy writes the same bytes.
template <class T>
std::unique_ptr<T> RoundTrip(const T& device, std::uint8_t revision = 34) {
  const QByteArray first = WrittenAt(device, revision);
  auto copy = ReadAt<T>(first, revision);
  EXPECT_EQ(WrittenAt(*copy, revision), first);
  return copy;
}

/// What a device does over a few steps with its inputs stepping through patterns.
std::vector<TLevel> Trace(TDevice& device) {
  std::vector<TLevel> trace;
  device.Reset();
  for (int step = 0; step < 8; ++step) {
    for (int i = 0; i < device.PinCount(); ++i) {
      if (device.Pin(i)->Kind == PinInput) {
        device.Pin(i)->Value = step >> (i % 3) & 1;
      }
    }
    trace.push_back(device.Calculate().Changed);
    for (int i = 0; i < device.PinCount(); ++i) {
      trace.push_back(device.Pin(i)->GetValue());
    }
    device.SetSlaveInputs();
  }
  return trace;
}

template <class T>
class EveryDevice : public ::testing::Test {};
using DeviceClasses =
    ::testing::Types<TRSFlipFlop, TDFlipFlop, TJKFlipFlop, TGround, TSupply, TClockDevice,
                     TBitGenerator, TInteractiveInput, TInteractiveSwitch, TLEDDevice,
                     TLEDSegmentDevice, TNumericDevice>;
TYPED_TEST_SUITE(EveryDevice, DeviceClasses);

TYPED_TEST(EveryDevice, RoundTripsAndBehavesLikeANewOne) {
  TypeParam device;
  device.Translate(40, 20);
  device.Remap();
  for (const std::uint8_t revision : {0, 20, 34}) {
    const auto copy = RoundTrip(device, revision);
    EXPECT_EQ(copy->GetBounds(), device.GetBounds());
    EXPECT_EQ(copy->HelpTopic, device.HelpTopic);
    EXPECT_EQ(copy->Role(), device.Role());
    EXPECT_EQ(Trace(*copy), Trace(device));
  }
}

TYPED_TEST(EveryDevice, RefusesAStoredDeviceWithoutItsPins) {
  TypeParam device;
  device.TakePins();
  EXPECT_THROW(RoundTrip(device), EReadError);
}

TYPED_TEST(EveryDevice, RefusesAStoredSymbolOfAnotherShape) {
  TypeParam device;
  device.GeometryStored = true;
  device.Objects().Clear();
  if (device.ClassName() == std::string_view("TGround") ||
      device.ClassName() == std::string_view("TSupply") ||
      std::string_view(device.ClassName()).ends_with("FlipFlop")) {
    EXPECT_NO_THROW(RoundTrip(device)) << "these never look at their symbol";
  } else {
    EXPECT_THROW(RoundTrip(device), EReadError);
  }
}

TYPED_TEST(EveryDevice, DamagedStreamsFailOrGiveAWorkingDevice) {
  const QByteArray good = WrittenAt(TypeParam(), 34);
  QImage image(64, 64, QImage::Format_RGB32);
  QPainter painter(&image);
  for (qsizetype at = 0; at < good.size(); ++at) {
    for (const char value : {'\x00', '\x03', '\xff'}) {
      QByteArray bad = good;
      bad[at] = value;
      std::unique_ptr<TDevice> device;
      try {
        device = ReadAt<TDevice>(bad, 34);
      } catch (const EReadError&) {
        continue;
      }
      device->Reset();
      device->Calculate();
      device->SetSlaveInputs();
      device->Draw(painter);
      if (auto* source = dynamic_cast<TInputDevice*>(device.get())) {
        source->DrawState(painter);
      } else if (auto* indicator = dynamic_cast<TOutputDevice*>(device.get())) {
        indicator->DrawState(painter);
      }
    }
  }
}

TEST(SourcePersistence, KeepsSequenceColourAndLabel) {
  TBitGenerator generator;
  generator.SetSequence(QStringLiteral("1101"));
  generator.Colour = 0x123456;
  generator.SetLabelText(QStringLiteral("data"));
  generator.Calculate();
  const auto copy = RoundTrip(generator);
  EXPECT_EQ(copy->Sequence, QStringLiteral("1101"));
  EXPECT_EQ(copy->Colour, 0x123456);
  EXPECT_EQ(copy->GetLabelText(), QStringLiteral("data"));
  EXPECT_EQ(copy->Position, 1) << "the playing position is not stored";
  generator.Reset();
  EXPECT_EQ(Trace(*copy), Trace(generator));
}

TEST(SourcePersistence, InteractiveInputKeepsItsStoredLevelInSixteenBits) {
  TInteractiveInput input;
  input.Press();
  input.Pulse = true;
  auto copy = RoundTrip(input);
  EXPECT_EQ(copy->StoredLevel, 65535);
  EXPECT_EQ(copy->Level, 65535);
  EXPECT_TRUE(copy->Pulse);

  // A wider stored value is cut to its low 16 bits.
  QByteArray bytes = WrittenAt(input, 34);
  const QByteArray stored = test::Hex("04ffff0000");
  const qsizetype at = bytes.lastIndexOf(stored);
  ASSERT_GE(at, 0);
  bytes.replace(at, stored.size(), test::Hex("0405000300"));
  copy = ReadAt<TInteractiveInput>(bytes, 34);
  EXPECT_EQ(copy->StoredLevel, 5);
  EXPECT_EQ(copy->Level, 5);
}

TEST(SourcePersistence, SwitchKeepsTypeAndContact) {
  TInteractiveSwitch sw;
  sw.SetSwitchType(TInteractiveSwitch::PushToBreak);
  const auto copy = RoundTrip(sw);
  EXPECT_EQ(copy->SwitchType, TInteractiveSwitch::PushToBreak);
  EXPECT_TRUE(copy->On);
  EXPECT_TRUE(copy->Interactive);
}

TEST(IndicatorPersistence, CommonCathodeOnlyInStreamsThatCarryIt) {
  TLEDSegmentDevice display;
  display.CommonCathode = false;
  display.Colour = 0x00FF00;
  EXPECT_FALSE(RoundTrip(display, 34)->CommonCathode);
  EXPECT_FALSE(RoundTrip(display, 30)->CommonCathode);
  const auto old = RoundTrip(display, 20);
  EXPECT_TRUE(old->CommonCathode) << "older streams keep the default";
  EXPECT_EQ(old->Colour, 0x00FF00);
  EXPECT_EQ(WrittenAt(display, 20).size() + 1, WrittenAt(display, 34).size());
}

TEST(IndicatorPersistence, NumericDisplayKeepsItsShapeAndFormat) {
  TNumericDevice display;
  display.SetPinCount(8);
  display.SetPinsAtBottom(true);
  display.Format = TNumericDevice::FormatHex | TNumericDevice::FormatSuppressZeros;
  display.BackColour = 0x202020;
  display.ZeroColour = 0x404040;
  display.Translate(100, 50);
  display.Remap();
  const auto copy = RoundTrip(display);
  EXPECT_EQ(copy->PinCount(), 8);
  EXPECT_TRUE(copy->PinsAtBottom);
  EXPECT_EQ(copy->Format, display.Format);
  EXPECT_EQ(copy->BackColour, 0x202020);
  EXPECT_EQ(copy->ZeroColour, 0x404040);
  EXPECT_EQ(copy->GetBounds(), display.GetBounds());
  for (int k = 0; k < 8; ++k) {
    copy->Pin(k)->Value = k % 2;
  }
  copy->Calculate();
  EXPECT_EQ(copy->DisplayText(), QStringLiteral("000000AA"));
}

TEST(IndicatorPersistence, NumericDisplayLineCountMustMatchItsPins) {
  for (const int pins : {3, 8}) {
    TNumericDevice display;  // four lines of symbol
    auto list = std::make_unique<TGraphicList>();
    for (int k = 0; k < pins; ++k) {
      list->Add(std::make_unique<TPin>(PinInput));
    }
    display.SetPins(std::move(list));
    EXPECT_THROW(RoundTrip(display), EReadError) << pins;
  }
}

}  // namespace
}  // namespace logivane
