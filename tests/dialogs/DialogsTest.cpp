// The dialogs on their own: each filled from a plain struct, driven with real mouse and key
// events on its controls, and read back.
#include "dialogs/AssociateHelpDlg.h"
#include "dialogs/ChangeMemoryDlg.h"
#include "dialogs/DialogTestHelpers.h"
#include "dialogs/EditSeqDlg.h"
#include "dialogs/EditSwitchDlg.h"
#include "dialogs/EditTextDlg.h"
#include "dialogs/GridSetupDlg.h"
#include "dialogs/NameMacroDlg.h"
#include "dialogs/NumberOutDlg.h"
#include "dialogs/RenameDlg.h"
#include "simulation/cInteractive.h"
#include "simulation/cMemory.h"
#include "windows/EditMemoryDlg.h"
#include "windows/HelpWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace logivane {
namespace {

using namespace test;

TEST(DialogCaptionTest, EveryDialogKeepsItsCaption) {
  EXPECT_EQ(TGridSetupDialog().windowTitle(), "Grid Setup");
  EXPECT_EQ(TEditTextDialog().windowTitle(), "Edit Text");
  EXPECT_EQ(TNameMacroDialog().windowTitle(), "Name Macro");
  EXPECT_EQ(TChangeMemoryDialog().windowTitle(), "Select Memory Device");
  EXPECT_EQ(TAssociateHelpDialog().windowTitle(), "Attach Datasheet");
  EXPECT_EQ(TNumberOutDialog().windowTitle(), "Numeric Output");
  EXPECT_EQ(TEditSwitchDialog().windowTitle(), "Edit Switch Type");
  EXPECT_EQ(TEditContentsDialog().windowTitle(), "Memory Contents");
}

TEST(GridSetupDialogTest, DisplayBoxShowsDotSpacingAndFollowsBothArrows) {
  TGridSetupDialog dialog;
  dialog.SetValues({.SnapToGrid = true,
                    .ShowGrid = false,
                    .AngleStep = 15,
                    .Spacing = 10,
                    .DisplayFrequency = 3});
  dialog.show();
  auto* spacing = Control<QSpinBox>(dialog, "Spacing");
  auto* display = Control<QSpinBox>(dialog, "DisplayFrequency");
  EXPECT_EQ(display->text(), "30");

  ClickArrow(display, true);
  EXPECT_EQ(display->text(), "40");
  ClickArrow(spacing, true);
  EXPECT_EQ(spacing->text(), "15");
  EXPECT_EQ(display->text(), "60");
  ClickArrow(spacing, false);
  ClickArrow(spacing, false);
  EXPECT_EQ(display->text(), "20");

  // The field is the count of grid points, never the distance the box shows.
  EXPECT_EQ(
      dialog.Values(),
      (TGridSettings{.SnapToGrid = true, .AngleStep = 15, .Spacing = 5, .DisplayFrequency = 4}));
}

TEST(GridSetupDialogTest, BoxesStayInTheirRangesAndAreChangedByArrowsOnly) {
  TGridSetupDialog dialog;
  dialog.SetValues({.AngleStep = 200, .Spacing = 1, .DisplayFrequency = 9});
  dialog.show();
  auto* angle = Control<QSpinBox>(dialog, "AngleStep");
  auto* spacing = Control<QSpinBox>(dialog, "Spacing");
  auto* display = Control<QSpinBox>(dialog, "DisplayFrequency");
  const TGridSettings clamped{.AngleStep = 90, .Spacing = 5, .DisplayFrequency = 5};
  EXPECT_EQ(dialog.Values(), clamped);
  EXPECT_EQ(display->text(), "25");

  ClickArrow(angle, true);
  ClickArrow(spacing, false);
  ClickArrow(display, true);
  EXPECT_EQ(dialog.Values(), clamped);

  angle->setFocus();
  QTest::keyClicks(angle, "45");
  ClickArrow(angle, false);
  EXPECT_EQ(dialog.Values().AngleStep, 85);
}

// Every dialog edits its values through the same function as this one.
TEST(GridSetupDialogTest, EditCopiesBackOnOkOnly) {
  TGridSetupDialog dialog;
  const TGridSettings before{.SnapToGrid = false, .Spacing = 10, .DisplayFrequency = 2};
  TGridSettings values = before;

  QTimer::singleShot(0, &dialog, [&] {
    ClickCheck(Control<QCheckBox>(dialog, "SnapToGrid"));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
  });
  EXPECT_FALSE(dialog.Edit(values));
  EXPECT_EQ(values, before);

  QTimer::singleShot(0, &dialog, [&] {
    ClickCheck(Control<QCheckBox>(dialog, "SnapToGrid"));
    ClickArrow(Control<QSpinBox>(dialog, "Spacing"), true);
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(dialog.Edit(values));
  EXPECT_EQ(values, (TGridSettings{.SnapToGrid = true, .Spacing = 15, .DisplayFrequency = 2}));
}

TEST(EditTextDialogTest, SizeAndStyleShowInCaptionAndPreview) {
  TEditTextDialog dialog;
  dialog.SetValues({.Text = "Annotation"});
  dialog.show();
  auto* group = Control<QGroupBox>(dialog, "TextGroup");
  auto* preview = Control<QLineEdit>(dialog, "Text");
  auto* size = Control<QSpinBox>(dialog, "TextSize");
  EXPECT_EQ(group->title(), "Text - 7 points");
  EXPECT_EQ(preview->font().pointSize(), 7);

  ClickArrow(size, true);
  EXPECT_EQ(group->title(), "Text - 8 points");
  EXPECT_EQ(preview->font().pointSize(), 8);
  dialog.SetValues({.Text = "Sum", .Size = 40});
  EXPECT_EQ(group->title(), "Text - 26 points");
  dialog.SetValues({.Text = "Sum", .Size = 6});
  ClickArrow(size, false);
  EXPECT_EQ(dialog.Values().Size, 6);

  auto* italic = Control<QCheckBox>(dialog, "Italic");
  auto* bold = Control<QCheckBox>(dialog, "Bold");
  ClickCheck(bold);
  EXPECT_TRUE(preview->font().bold() && !preview->font().italic());
  ClickCheck(italic);
  ClickCheck(bold);
  EXPECT_TRUE(!preview->font().bold() && preview->font().italic());
  ClickCheck(Control<QCheckBox>(dialog, "Overbar"));
  EXPECT_TRUE(dialog.Values().Overbar);
  EXPECT_EQ(preview->font().pointSize(), 6);
}

TEST(EditTextDialogTest, ClearTextAndColourChoice) {
  TEditTextDialog dialog;
  std::optional<TColour> answer = ColourRed;
  TColour offered = -1;
  dialog.SetColourChooser([&](TColour current, QWidget*) {
    offered = current;
    return answer;
  });
  dialog.SetValues({.Text = "Carry", .Size = 12, .Bold = true, .TextColour = 0x00FF00});
  dialog.show();
  auto* preview = Control<QLineEdit>(dialog, "Text");
  EXPECT_EQ(preview->palette().color(QPalette::Text), QColor(0, 255, 0));

  auto* colour = Control<QPushButton>(dialog, "Color");
  QTest::mouseClick(colour, Qt::LeftButton);
  EXPECT_EQ(offered, 0x00FF00);
  EXPECT_EQ(dialog.TextColour(), ColourRed);
  EXPECT_EQ(preview->palette().color(QPalette::Text), QColor(255, 0, 0));
  answer.reset();
  QTest::mouseClick(colour, Qt::LeftButton);
  EXPECT_EQ(dialog.TextColour(), ColourRed);

  QTest::mouseClick(Control<QPushButton>(dialog, "ClearText"), Qt::LeftButton);
  EXPECT_EQ(dialog.Values(),
            (TEditTextValues{.Text = "", .Size = 12, .Bold = true, .TextColour = ColourRed}));
}

TEST(RenameDialogTest, TheTextHasTheFocusAndReplacesTheNameAsTyped) {
  TRenameDialog dialog;
  dialog.SetValues({"CLK", false});
  dialog.show();
  EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, "Text"));
  QTest::keyClicks(dialog.focusWidget(), "RESET");
  ClickCheck(Control<QCheckBox>(dialog, "Overbar"));
  EXPECT_EQ(dialog.Values(), (TRenameValues{"RESET", true}));
}

TEST(NameMacroDialogTest, NameStaysOneLine) {
  TNameMacroDialog dialog;
  dialog.SetValues("Half");
  dialog.show();
  auto* memo = Control<QPlainTextEdit>(dialog, "MacroName");
  EXPECT_EQ(dialog.focusWidget(), memo);

  memo->moveCursor(QTextCursor::End);
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClick(memo, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(memo, " adder");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(memo->toPlainText(), "Half adder");

  memo->insertPlainText("\nwith carry");
  EXPECT_EQ(dialog.Values(), "Half adder with carry");

  QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ChangeMemoryDialogTest, BoxesShowLineCountsAndTheExampleFollowsEveryChange) {
  TChangeMemoryDialog dialog;
  dialog.show();
  auto* address = Control<QSpinBox>(dialog, "AddressLines");
  auto* data = Control<QSpinBox>(dialog, "DataLines");
  EXPECT_EQ(address->text(), "8");
  EXPECT_EQ(data->text(), "8");
  EXPECT_EQ(dialog.ExampleDevice().SizeCaption(), "256 x 8");

  // The data box steps through the powers of two and stops at 16 and at 1.
  ClickArrow(data, true);
  ClickArrow(data, true);
  EXPECT_EQ(data->text(), "16");
  for (int i = 0; i < 5; ++i) {
    ClickArrow(data, false);
  }
  EXPECT_EQ(data->text(), "1");
  ClickArrow(data, true);
  ClickArrow(address, true);
  ClickArrow(address, true);
  QTest::mouseClick(Control<QRadioButton>(dialog, "ROMButton"), Qt::LeftButton);
  const TMemoryDevice& example = dialog.ExampleDevice();
  EXPECT_EQ(example.SizeCaption(), "1K x 2");
  EXPECT_FALSE(example.IsRAM());
  EXPECT_EQ(example.PinCount(), 10 + 2 + 1) << "a ROM has no read/write pin";
  EXPECT_EQ(dialog.Values(), (TMemorySize{.IsRAM = false, .AddressWidth = 10, .DataWidth = 2}));

  dialog.SetValues({.IsRAM = true, .AddressWidth = 14, .DataWidth = 16});
  EXPECT_EQ(data->text(), "16");
  EXPECT_EQ(dialog.ExampleDevice().SizeCaption(), "16K x 16");
}

TEST(AssociateHelpDialogTest, TheDatasheetChoosesThePageAndThePageTheDatasheet) {
  TAssociateHelpDialog dialog;
  auto* pages = Control<QTabWidget>(dialog, "Pages");
  EXPECT_FALSE(pages->isTabVisible(0));
  auto page = [pages] {
    return pages->currentWidget()->objectName();
  };

  dialog.SetValues({"MACROS.HLP", "17"});
  EXPECT_EQ(page(), "HelpFilePage");
  EXPECT_EQ(Control<QLineEdit>(dialog, "Url")->text(), "http://");
  EXPECT_EQ(dialog.Values(), (TDatasheetValues{"MACROS.HLP", "17"}));

  for (const char* web : {"7400.htm", "sheets/7400.HTML", "Http://example.com/7400.pdf"}) {
    dialog.SetValues({web, "17"});
    EXPECT_EQ(page(), "WebPage") << web;
    EXPECT_EQ(Control<QLineEdit>(dialog, "ContextID")->text(), "0");
    // The context is kept for the circuit's help topic.
    EXPECT_EQ(dialog.Values(), (TDatasheetValues{web, "17"})) << web;
  }
  dialog.SetValues({"docs/7400.pdf", ""});
  EXPECT_EQ(page(), "DocumentPage");
  EXPECT_EQ(dialog.Values().Datasheet, "docs/7400.pdf");

  // The web page's box starts with the scheme alone, which is no datasheet.
  dialog.SetValues({"", ""});
  pages->setCurrentWidget(Control<QWidget>(dialog, "WebPage"));
  EXPECT_EQ(dialog.Values().Datasheet, "");
}

TEST(AssociateHelpDialogTest, TheContextBoxTakesFourDigitsAndItsHelpShowsItsPage) {
  TAssociateHelpDialog dialog;
  dialog.SetValues({"a.hlp", ""});
  dialog.show();
  auto* context = Control<QLineEdit>(dialog, "ContextID");
  context->setFocus();
  QTest::keyClicks(context, "1x2-34 56");
  EXPECT_EQ(context->text(), "1234");
  QTest::keyClick(context, Qt::Key_Backspace);
  QTest::keyClicks(context, "9");
  EXPECT_EQ(context->text(), "1239");

  QList<THelpRequest> requests;
  SetHelpRequestHandler([&requests](const THelpRequest& request) { requests << request; });
  QTest::mouseClick(Control<QPushButton>(dialog, "HelpButton"), Qt::LeftButton);
  SetHelpRequestHandler({});
  ASSERT_EQ(requests.size(), 1);
  EXPECT_EQ(requests[0].Address, ProgramHelpFile() + ">PopWindow");
  EXPECT_EQ(requests[0].Topic, "MacroAssignDatasheet.htm");
  EXPECT_TRUE(dialog.isVisible());
}

/// Presses a key of the on-screen keypad.
void PressKey(const QDialog& dialog, const char* name) {
  QTest::mousePress(Control<QPushButton>(dialog, name), Qt::LeftButton);
  QTest::mouseRelease(Control<QPushButton>(dialog, name), Qt::LeftButton);
}

TEST(EditSequenceDialogTest, HexModeStoresWholeGroupsOfFourSteps) {
  TEditSequenceDialog dialog;
  dialog.SetValues("10110");
  dialog.show();
  EXPECT_EQ(Control<QLineEdit>(dialog, "Pattern")->text(), "16");
  EXPECT_EQ(dialog.focusWidget(), Control<QRadioButton>(dialog, "Hex"));
  EXPECT_EQ(dialog.Values(), "00010110");  // 5 steps became 8
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
  EXPECT_EQ(dialog.Values(), (TNumberOutValues{TNumericDevice::FormatBinary, 8, true}));
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
  EXPECT_EQ(dialog.Values(),
            (TNumberOutValues{.Format = 26, .PinCount = 16, .PinsAtBottom = true}));
}

TEST(EditSwitchDialogTest, ExampleWorksAsTheChosenType) {
  TEditSwitchDialog dialog;
  dialog.SetValues(TInteractiveSwitch::Toggle);
  dialog.show();
  QWidget* example = Control<QWidget>(dialog, "Example");
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
  EXPECT_EQ(dialog.Values(), TInteractiveSwitch::PushToBreak);

  // Shown again for another switch, the example rests as that switch's type does.
  dialog.SetValues(TInteractiveSwitch::PushToMake);
  EXPECT_TRUE(Control<QRadioButton>(dialog, "PushToMake")->isChecked());
  EXPECT_FALSE(dialog.ExampleSwitch().On);
  dialog.SetValues(7);
  EXPECT_EQ(dialog.Values(), TInteractiveSwitch::Toggle);
}

}  // namespace
}  // namespace logivane
