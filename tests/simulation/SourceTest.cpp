#include "simulation/DeviceTestBench.h"
#include "simulation/cInteractive.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <optional>
#include <utility>
#include <vector>

namespace logivane {
namespace {

using test::TTestDriver;

/// The levels a source drives on its next `steps` evaluations.
std::vector<TLevel> Levels(TDevice& source, int steps) {
  std::vector<TLevel> levels;
  for (int i = 0; i < steps; ++i) {
    source.Calculate();
    levels.push_back(source.Pin(0)->GetValue());
  }
  return levels;
}

TEST(Rails, DriveTheirLevelAndReportOnlyARealChange) {
  TGround ground;
  TSupply supply;
  EXPECT_FALSE(ground.Calculate().Changed);
  EXPECT_TRUE(supply.Calculate().Changed);
  EXPECT_FALSE(supply.Calculate().Changed);
  EXPECT_EQ(supply.Pin(0)->GetValue(), 1);
  EXPECT_EQ(ground.Pin(0)->Driver, &ground);
  EXPECT_EQ(ground.Role(), TDeviceRole::Input);
}

TEST(SequenceSources, PlayTheirSequences) {
  TClockDevice clock;
  clock.Reset();
  EXPECT_EQ(Levels(clock, 4), (std::vector<TLevel>{0, 1, 0, 1}));

  TBitGenerator generator;
  EXPECT_EQ(Levels(generator, 4), (std::vector<TLevel>{0, 0, 0, 0})) << "empty sequence";
  generator.SetSequence(QStringLiteral("110"));
  EXPECT_EQ(Levels(generator, 8), (std::vector<TLevel>{1, 1, 1, 1, 0, 0, 1, 1}));

  generator.Reset();  // starts again from the first character
  EXPECT_EQ(Levels(generator, 2), (std::vector<TLevel>{1, 1}));
  generator.SetSequence(QStringLiteral("0"));
  EXPECT_EQ(Levels(generator, 1), (std::vector<TLevel>{0}));
}

TEST(SequenceSources, ForeignCharactersNeverLeaveTheSequence) {
  TClockDevice clock;
  // Digits drive their value; anything else drives 0.
  clock.SetSequence(QStringLiteral("2x1\u00e9"));
  EXPECT_EQ(Levels(clock, 6), (std::vector<TLevel>{2, 0, 1, 0, 2, 0}));
  clock.Position = 99;  // out of range: restarts instead of reading past the end
  EXPECT_EQ(Levels(clock, 1), (std::vector<TLevel>{2}));
}

TEST(SequenceSources, RecordAndShowTheirLevel) {
  TClockDevice clock;
  QImage image(40, 40, QImage::Format_RGB32);
  QPainter painter(&image);
  for (int step = 0; step < 3; ++step) {
    clock.Calculate();
    clock.DrawState(painter);
  }
  EXPECT_EQ(clock.History, QStringLiteral("010"));
  EXPECT_EQ(clock.LevelFill(), ColourWhite);
  clock.Calculate();
  EXPECT_EQ(clock.LevelFill(), 0x00FF00);
}

TEST(InteractiveInput, PressTogglesTheLevelAndTheLevelAfterAReset) {
  TInteractiveInput input;
  EXPECT_TRUE(input.Interactive);
  input.Press();
  EXPECT_EQ(Levels(input, 1), (std::vector<TLevel>{1}));
  input.Reset();
  EXPECT_EQ(Levels(input, 2), (std::vector<TLevel>{65535, 65535})) << "stays high";
  input.Release();
  input.Press();
  EXPECT_EQ(Levels(input, 1), (std::vector<TLevel>{0}));
  input.Reset();
  EXPECT_EQ(Levels(input, 1), (std::vector<TLevel>{0}));
}

TEST(InteractiveInput, PulseModeTogglesEverySecondStep) {
  TInteractiveInput input;
  input.Pulse = true;
  EXPECT_EQ(Levels(input, 6), (std::vector<TLevel>{1, 1, 0, 0, 1, 1}));
  input.Reset();
  EXPECT_EQ(Levels(input, 2), (std::vector<TLevel>{1, 1}));
}

TEST(InteractiveSwitch, TypesPressesAndReleases) {
  TInteractiveSwitch sw;
  struct Row {
    std::int32_t type;
    bool rest, pressed, released;
  };
  for (const Row row : {Row{TInteractiveSwitch::PushToMake, false, true, false},
                        Row{TInteractiveSwitch::PushToBreak, true, false, true},
                        Row{TInteractiveSwitch::Toggle, false, true, true}}) {
    sw.SetSwitchType(row.type);
    EXPECT_EQ(sw.On, row.rest) << row.type;
    sw.Press();
    EXPECT_EQ(sw.On, row.pressed) << row.type;
    sw.Release();
    EXPECT_EQ(sw.On, row.released) << row.type;
  }
  EXPECT_EQ(TInteractiveSwitch().SwitchType, TInteractiveSwitch::Toggle);
}

/// A switch between two nets, each with a driver that may or may not drive in a pass.
struct TSwitchNets {
  TSwitchNets() {
    bench.Connect(*sw.Pin(0), *top.Pin(0));
    bench.Connect(*sw.Pin(1), *bottom.Pin(0));
  }
  test::TBench bench;
  TInteractiveSwitch& sw = bench.Add<TInteractiveSwitch>();
  TTestDriver& top = bench.Add<TTestDriver>();
  TTestDriver& bottom = bench.Add<TTestDriver>();

  /// One pass: whoever is given a level drives first, then the switch.
  SimResult Pass(std::optional<TLevel> topLevel, std::optional<TLevel> bottomLevel) {
    for (TDevice* d : std::vector<TDevice*>{&sw, &top, &bottom}) {
      d->ClearDrivers();
    }
    for (TPin* pin : {sw.Pin(0), sw.Pin(1)}) {
      pin->Wire->Visited = false;
    }
    if (topLevel) {
      top.Drive(*topLevel);
    }
    if (bottomLevel) {
      bottom.Drive(*bottomLevel);
    }
    return sw.Calculate();
  }
};

TEST(InteractiveSwitch, ClosedPassesTheDrivenLevelEitherWay) {
  TSwitchNets n;
  n.sw.Press();
  SimResult r = n.Pass(1, std::nullopt);
  EXPECT_TRUE(r.Changed);
  EXPECT_EQ(n.bottom.Pin(0)->GetValue(), 1);
  EXPECT_EQ(n.bottom.Pin(0)->Driver, &n.top) << "the level is the driver's, not ours";
  EXPECT_EQ(n.sw.Pin(1)->Driver, nullptr);
  EXPECT_FALSE(n.Pass(1, std::nullopt).Changed);

  r = n.Pass(std::nullopt, 2);  // read through AND 1
  EXPECT_TRUE(r.Changed);
  EXPECT_EQ(n.top.Pin(0)->GetValue(), 0);
  EXPECT_EQ(n.sw.Pin(0)->Driver, nullptr);
}

TEST(InteractiveSwitch, ClosedBetweenTwoDriversBlamesItselfOnEveryPass) {
  TSwitchNets n;
  n.sw.Press();
  for (int pass = 0; pass < 3; ++pass) {
    const SimResult r = n.Pass(1, 0);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.Culprit, &n.sw);
  }
  EXPECT_EQ(n.top.Pin(0)->GetValue(), 1);
  EXPECT_EQ(n.bottom.Pin(0)->GetValue(), 0) << "nothing is driven through the contact";
}

TEST(InteractiveSwitch, OpenPullsTheUndrivenSideLowAndSaysSo) {
  TSwitchNets n;
  n.bottom.Drive(1);
  SimResult r = n.Pass(1, std::nullopt);
  EXPECT_TRUE(r.Changed);
  EXPECT_EQ(n.bottom.Pin(0)->GetValue(), 0);
  EXPECT_FALSE(n.Pass(1, std::nullopt).Changed);
  r = n.Pass(1, 1);
  EXPECT_FALSE(r.Changed || r.Culprit) << "an open contact keeps two driven nets apart";
  EXPECT_EQ(n.top.Pin(0)->GetValue(), 1);
}

}  // namespace
}  // namespace logivane
