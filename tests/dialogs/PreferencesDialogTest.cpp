#include "dialogs/DialogTestHelpers.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/PreferencesDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace logivane {
namespace {

using namespace test;

TEST(PreferencesDialogTest, ShowsTheValuesOffForNoAutosaveAndKeepsTheIntervalInRange) {
  TPreferencesDialog dialog(3600);
  dialog.SetValues({.AutosaveInterval = 90, .ReopenLastCircuit = true});
  dialog.show();
  auto* interval = Control<QSpinBox>(dialog, "AutosaveInterval");
  auto* reopen = Control<QCheckBox>(dialog, "ReopenLastCircuit");
  EXPECT_EQ(dialog.windowTitle(), "Preferences");
  EXPECT_EQ(interval->parentWidget(), Control<QGroupBox>(dialog, "FilesGroup"));
  EXPECT_EQ(interval->text(), "90 seconds");
  EXPECT_TRUE(reopen->isChecked());

  dialog.SetValues({.AutosaveInterval = 0, .ReopenLastCircuit = false});
  EXPECT_EQ(interval->text(), "Off");
  ClickArrow(interval, false);
  EXPECT_EQ(dialog.Values().AutosaveInterval, 0);
  ClickCheck(reopen);
  EXPECT_EQ(dialog.Values(), (TPreferences{.AutosaveInterval = 0, .ReopenLastCircuit = true}));

  // The longest interval is the caller's; more typed or stored gives that.
  dialog.SetValues({.AutosaveInterval = 5000});
  EXPECT_EQ(dialog.Values().AutosaveInterval, 3600);
  ClickArrow(interval, true);
  EXPECT_EQ(dialog.Values().AutosaveInterval, 3600);
}

TEST(PreferencesDialogTest, OkGivesTheControlsCancelLeavesTheValuesAndHelpShowsItsPage) {
  TPreferencesDialog dialog(3600);
  TPreferences values{.AutosaveInterval = 60, .ReopenLastCircuit = false};
  QTimer::singleShot(0, [&dialog] {
    Control<QSpinBox>(dialog, "AutosaveInterval")->setValue(300);
    ClickCheck(Control<QCheckBox>(dialog, "ReopenLastCircuit"));
    QTest::mouseClick(Control<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
  });
  EXPECT_FALSE(dialog.Edit(values));
  EXPECT_EQ(values, (TPreferences{.AutosaveInterval = 60, .ReopenLastCircuit = false}));

  QList<THelpRequest> requests;
  SetHelpRequestHandler([&requests](const THelpRequest& request) { requests << request; });
  QTimer::singleShot(0, [&dialog] {
    Control<QSpinBox>(dialog, "AutosaveInterval")->setValue(300);
    QTest::mouseClick(Control<QPushButton>(dialog, "HelpButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(dialog.Edit(values));
  SetHelpRequestHandler({});
  EXPECT_EQ(values, (TPreferences{.AutosaveInterval = 300, .ReopenLastCircuit = false}));
  ASSERT_EQ(requests.size(), 1);
  EXPECT_EQ(requests[0].Topic, "files.htm#preferences");
}

}  // namespace
}  // namespace logivane
