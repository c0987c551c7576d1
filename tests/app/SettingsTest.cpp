#include "app/Settings.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace logivane {
namespace {

const QSize Screen(1600, 1200);

/// A settings store of its own in a temporary folder, in the format the program uses.
class SettingsTest : public ::testing::Test {
protected:
  QTemporaryDir Folder;
  QSettings Store{Folder.filePath("Logivane.conf"), QSettings::IniFormat};
};

TEST_F(SettingsTest, AnEmptyStoreGivesTheFirstRunDefaults) {
  const TProgramSettings defaults = DefaultSettings(Screen);
  EXPECT_EQ(defaults.Window, QRect(200, 150, 1200, 900));  // the middle three quarters
  EXPECT_EQ(defaults.PartsCentre, QRect(1600 - 216, 16, 200, 360));
  EXPECT_EQ(ReadSettings(Store, Screen), defaults);
}

TEST_F(SettingsTest, WhatIsWrittenIsReadBack) {
  TProgramSettings written{.Window = QRect(10, 20, 800, 600),
                           .ShowGrid = false,
                           .SnapToGrid = false,
                           .Spacing = 10,
                           .DisplayFrequency = 3,
                           .AngleStep = 45,
                           .ZoomPercent = 200,
                           .ClockInterval = 10,
                           .PartsCentre = QRect(900, 16, 200, 360),
                           .PartsCentreStored = true,  // as every value read from a store is
                           .PartsCentreVisible = true,
                           .PartsCentreStatusVisible = true,
                           .LogicHistory = QRect(30, 40, 600, 200),
                           .LogicHistoryStored = true,
                           .LogicHistoryVisible = true,
                           .LogicHistoryBusValues = true,
                           .FileHistory = {"/a.lvm", "/b c.lvm"},
                           .DatasheetFolder = "/sheets",
                           .AutosaveInterval = 0,
                           .ReopenLastCircuit = true,
                           .HistoryDepth = 250,
                           .LastCircuit = "/c.lvm",
                           .LastLevelPath = {3, 0},
                           .Language = QStringLiteral("fr")};
  WriteSettings(Store, written);
  EXPECT_EQ(ReadSettings(Store, Screen), written);

  // A maximised window keeps the bounds of its last normal close.
  written.Maximized = true;
  written.Window = QRect(0, 0, 5, 5);
  WriteSettings(Store, written);
  EXPECT_TRUE(ReadSettings(Store, Screen).Maximized);
  EXPECT_EQ(Store.value("3.04/Window/Width").toInt(), 800);
}

TEST_F(SettingsTest, BadValuesFallBackWithoutFailing) {
  WriteSettings(Store, DefaultSettings(Screen));
  Store.setValue("3.04/View/Snap Size", 3);
  Store.setValue("3.04/View/Display Size", 9);
  Store.setValue("3.04/View/Show Grid", 0);
  Store.setValue("3.04/Clock/Interval", 150);
  Store.setValue("3.04/View/Zoom", 1000);
  Store.setValue("3.04/Window/Width", "wide");
  Store.setValue("3.04/File History/1", "/one.lvm");
  Store.setValue("3.04/File History/3", "/three.lvm");
  Store.setValue("3.04/Options/Autosave Interval", 86400);
  Store.setValue("3.04/Last Session/Level", "2/x");
  TProgramSettings read = ReadSettings(Store, Screen);
  EXPECT_EQ(read.Spacing, 5);
  EXPECT_EQ(read.DisplayFrequency, 2);  // out of range gives 2, while missing gives 4
  EXPECT_FALSE(read.ShowGrid);
  EXPECT_EQ(read.ClockInterval, 100);
  EXPECT_EQ(read.ZoomPercent, 100);
  EXPECT_EQ(read.Window, DefaultSettings(Screen).Window);  // one bad value: the whole group
  EXPECT_EQ(read.FileHistory, QStringList({"/one.lvm", "/three.lvm"}));
  EXPECT_EQ(read.AutosaveInterval, 60);
  EXPECT_TRUE(read.LastLevelPath.isEmpty());  // a damaged level path shows the root

  Store.remove("3.04/View/Zoom");  // stores of earlier versions have none: no harm done
  EXPECT_FALSE(ReadSettings(Store, Screen).ShowGrid);
  Store.remove("3.04/View/Angle");  // one missing value resets all five view values
  read = ReadSettings(Store, Screen);
  EXPECT_TRUE(read.ShowGrid);
  EXPECT_EQ(read.DisplayFrequency, 4);
}

}  // namespace
}  // namespace logivane
