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
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));  // the first that can be recovered
  EXPECT_TRUE(recover->isEnabled());
  EXPECT_TRUE(Control<QLabel>(dialog, "DamagedText")->text().contains("broken.lvm"));
  list->setCurrentItem(list->topLevelItem(0));
  EXPECT_FALSE(recover->isEnabled());
  QTest::mouseClick(Control<QPushButton>(dialog, "DiscardButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.Choice().Action, TRecoveryAction::Discard);
  EXPECT_EQ(dialog.Choice().Index, 0);

  // Escape, like Later, leaves every copy.
  dialog.SetCopies({{"a.lvm", "", "", false}});
  dialog.show();
  EXPECT_FALSE(Control<QLabel>(dialog, "DamagedText")->isVisible());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.Choice().Action, TRecoveryAction::Later);
}

}  // namespace
}  // namespace logivane
