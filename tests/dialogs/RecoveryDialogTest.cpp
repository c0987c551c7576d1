#include "dialogs/DialogTestHelpers.h"
#include "dialogs/RecoveryDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace logivane {
namespace {

using namespace test;

TEST(RecoveryDialogTest, OffersTheSoundCopiesAndOnlyDiscardsTheDamagedOnes) {
  TRecoveryDialog dialog;
  dialog.SetCopies({{"/home/pupil/broken.lvm", "", "This is not a valid Logivane file.", true},
                    {"/home/pupil/counter.lvm", "12/7/26 9:14 PM", "3 minutes newer", false}});
  dialog.show();
  auto* list = Control<QTreeWidget>(dialog, "CopyList");
  auto* recover = Control<QPushButton>(dialog, "RecoverButton");
  auto* discard = Control<QPushButton>(dialog, "DiscardButton");
  auto* damaged = Control<QLabel>(dialog, "DamagedText");
  EXPECT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));  // the first that can be recovered
  EXPECT_TRUE(recover->isEnabled());
  EXPECT_TRUE(damaged->isVisible());
  EXPECT_TRUE(damaged->text().contains("broken.lvm"));

  list->setCurrentItem(list->topLevelItem(0));
  EXPECT_FALSE(recover->isEnabled());
  EXPECT_TRUE(discard->isEnabled());
  QTest::mouseClick(discard, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Choice().Action, TRecoveryAction::Discard);
  EXPECT_EQ(dialog.Choice().Index, 0);
}

TEST(RecoveryDialogTest, RecoverNamesTheCopyAndLaterOrEscapeLeavesThemAll) {
  TRecoveryDialog dialog;
  dialog.SetCopies({{"a.lvm", "", "", false}, {"b.lvm", "", "", false}});
  dialog.show();
  EXPECT_FALSE(Control<QLabel>(dialog, "DamagedText")->isVisible());
  auto* list = Control<QTreeWidget>(dialog, "CopyList");
  list->setCurrentItem(list->topLevelItem(1));
  QTest::mouseClick(Control<QPushButton>(dialog, "RecoverButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.Choice().Action, TRecoveryAction::Recover);
  EXPECT_EQ(dialog.Choice().Index, 1);

  TRecoveryDialog later;
  later.SetCopies({{"a.lvm", "", "", false}});
  later.show();
  QTest::mouseClick(Control<QPushButton>(later, "LaterButton"), Qt::LeftButton);
  EXPECT_EQ(later.Choice().Action, TRecoveryAction::Later);

  TRecoveryDialog escaped;
  escaped.SetCopies({{"a.lvm", "", "", false}});
  escaped.show();
  QTest::keyClick(&escaped, Qt::Key_Escape);
  EXPECT_EQ(escaped.result(), QDialog::Rejected);
  EXPECT_EQ(escaped.Choice().Action, TRecoveryAction::Later);
}

}  // namespace
}  // namespace logivane
