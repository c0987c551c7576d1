#include "dialogs/DialogTestHelpers.h"
#include "dialogs/EditSeqDlg.h"
#include "dialogs/EditSwitchDlg.h"
#include "dialogs/NumberOutDlg.h"
#include "simulation/cInteractive.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace logivane {
namespace {

using namespace test;

/// Presses a key of the on-screen keypad.
void PressKey(const QDialog& dialog, const char* name) {
  QTest::mousePress(Control<QPushButton>(dialog, name), Qt::LeftButton);
  QTest::mouseRelease(Control<QPushButton>(dialog, name), Qt::LeftButton);
}

TEST(EditSequenceDialogTest, HexModeStoresWholeGroupsOfFourSteps) {
  TEditSequenceDialog dialog;
  QString sequence = "10110";
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(Control<QLineEdit>(dialog, "Pattern")->text(), "16");
    EXPECT_EQ(dialog.focusWidget(), Control<QRadioButton>(dialog, "Hex"));
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  });
  ASSERT_TRUE(dialog.Edit(sequence));
  EXPECT_EQ(sequence, "00010110");  // 5 steps became 8

  QTimer::singleShot(0, &dialog, [&] {
    PressKey(dialog, "KeyF");
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
  });
  EXPECT_FALSE(dialog.Edit(sequence));
  EXPECT_EQ(sequence, "00010110");
}

TEST(EditSequenceDialogTest, KeypadAndKeyboardFollowTheModeAndItsDigitLimit) {
  TEditSequenceDialog dialog;
  dialog.SetValues("101");
  dialog.show();
  auto* pattern = Control<QLineEdit>(dialog, "Pattern");
  auto* bin = Control<QRadioButton>(dialog, "Bin");
  ClickCheck(bin);
  EXPECT_EQ(pattern->text(), "0101");
  EXPECT_EQ(dialog.focusWidget(), bin);

  // Binary takes 0 and 1 only, from the keys and from the keyboard.
  for (const char* key : {"Key2", "Key9", "KeyA", "Key1", "Key0"}) {
    PressKey(dialog, key);
  }
  QTest::keyClicks(bin, "1a2");
  EXPECT_EQ(pattern->text(), "0101101");
  EXPECT_EQ(dialog.focusWidget(), bin);
  QTest::keyClick(bin, Qt::Key_Backspace);
  EXPECT_EQ(dialog.Values(), "010110");

  // Hexadecimal after a switch takes at most 8 digits; lower-case letters only.
  ClickCheck(Control<QRadioButton>(dialog, "Hex"));
  EXPECT_EQ(pattern->text(), "16");
  EXPECT_EQ(dialog.DigitLimit(), 8);
  QTest::keyClicks(dialog.focusWidget(), "A");
  QTest::keyClicks(dialog.focusWidget(), "c0ffee123");
  EXPECT_EQ(pattern->text(), "16C0FFEE");
  QTest::keyClick(dialog.focusWidget(), Qt::Key_Delete);
  PressKey(dialog, "BackKey");
  EXPECT_EQ(pattern->text(), "");
  PressKey(dialog, "KeyB");
  PressKey(dialog, "Key7");
  EXPECT_EQ(dialog.Values(), "10110111");

  // The mode and the limit last: a longer pattern from a file still comes back whole.
  const QString long40 = QString("1100").repeated(10);
  dialog.SetValues(long40);
  EXPECT_EQ(pattern->text(), "CCCCCCCCCC");
  PressKey(dialog, "Key1");
  EXPECT_EQ(dialog.Values(), long40);
}

TEST(NumberOutDialogTest, ExampleFollowsTheControls) {
  TNumberOutDialog dialog;
  dialog.show();
  auto* twos = Control<QCheckBox>(dialog, "TwosComplement");
  auto* lines = Control<QSpinBox>(dialog, "InputLines");
  EXPECT_EQ(dialog.windowTitle(), "Numeric Output");
  EXPECT_EQ(lines->text(), "4");
  EXPECT_FALSE(twos->isEnabled());
  EXPECT_EQ(dialog.Example().DisplayText(), "1111");

  ClickArrow(lines, true);
  EXPECT_EQ(lines->text(), "8");
  ClickCheck(Control<QRadioButton>(dialog, "Hexadecimal"));
  EXPECT_EQ(dialog.Example().PinCount(), 8);
  EXPECT_EQ(dialog.Example().DisplayText(), "000000FF");
  ClickCheck(Control<QRadioButton>(dialog, "Decimal"));
  ClickCheck(twos);
  EXPECT_EQ(dialog.Example().DisplayText(), "000000-1");
  ClickCheck(Control<QCheckBox>(dialog, "PinsAtBottom"));
  EXPECT_TRUE(dialog.Example().PinsAtBottom);

  // Two's complement goes with decimal only, whatever its box still shows.
  ClickCheck(Control<QRadioButton>(dialog, "Binary"));
  EXPECT_FALSE(twos->isEnabled());
  ClickCheck(Control<QCheckBox>(dialog, "SuppressLeadingZero"));
  const TNumberOutValues values = dialog.Values();
  EXPECT_EQ(values.Format, TNumericDevice::FormatBinary);
  EXPECT_EQ(values.PinCount, 8);
  EXPECT_TRUE(values.PinsAtBottom);
}

TEST(NumberOutDialogTest, PropertiesShowTheDisplayWithoutItsSize) {
  TNumberOutDialog dialog;
  dialog.ShowSizeGroup(true);
  dialog.show();
  auto* example = Control<QGroupBox>(dialog, "ExampleGroup");
  const int exampleTop = example->y();
  const int height = dialog.height();

  dialog.SetValues({.Format = 26, .PinCount = 16, .PinsAtBottom = true});
  dialog.ShowSizeGroup(false);
  QCoreApplication::processEvents();
  EXPECT_FALSE(Control<QGroupBox>(dialog, "SizeGroup")->isVisible());
  EXPECT_LT(example->y(), exampleTop);
  EXPECT_LT(dialog.height(), height);
  EXPECT_EQ(Control<QSpinBox>(dialog, "InputLines")->value(), 4);
  EXPECT_TRUE(Control<QCheckBox>(dialog, "TwosComplement")->isEnabled());
  const TNumberOutValues values = dialog.Values();
  EXPECT_EQ(values.Format, 26);
  EXPECT_EQ(values.PinCount, 16);
  EXPECT_TRUE(values.PinsAtBottom);
}

TEST(EditSwitchDialogTest, ExampleWorksAsTheChosenType) {
  TEditSwitchDialog dialog;
  std::int32_t type = TInteractiveSwitch::Toggle;
  QTimer::singleShot(0, &dialog, [&] {
    QWidget* example = Control<QWidget>(dialog, "Example");
    EXPECT_EQ(dialog.windowTitle(), "Edit Switch Type");
    // A toggle stays where a click leaves it.
    QTest::mouseClick(example, Qt::LeftButton);
    EXPECT_TRUE(dialog.ExampleSwitch().On);

    // Push to break: closed at rest, open only while pressed.
    ClickCheck(Control<QRadioButton>(dialog, "PushToBreak"));
    EXPECT_TRUE(dialog.ExampleSwitch().On);
    QTest::mousePress(example, Qt::LeftButton);
    EXPECT_FALSE(dialog.ExampleSwitch().On);
    QTest::mouseRelease(example, Qt::LeftButton);
    EXPECT_TRUE(dialog.ExampleSwitch().On);
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  });
  ASSERT_TRUE(dialog.Edit(type));
  EXPECT_EQ(type, TInteractiveSwitch::PushToBreak);

  // Shown again for another switch, the example rests as that switch's type does.
  dialog.SetValues(TInteractiveSwitch::PushToMake);
  EXPECT_TRUE(Control<QRadioButton>(dialog, "PushToMake")->isChecked());
  EXPECT_FALSE(dialog.ExampleSwitch().On);
  dialog.SetValues(7);
  EXPECT_EQ(dialog.Values(), TInteractiveSwitch::Toggle);
}

}  // namespace
}  // namespace logivane
