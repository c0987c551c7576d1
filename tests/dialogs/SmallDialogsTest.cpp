#include "dialogs/ChangeMemoryDlg.h"
#include "dialogs/DialogTestHelpers.h"
#include "dialogs/EditTextDlg.h"
#include "dialogs/GridSetupDlg.h"
#include "dialogs/NameMacroDlg.h"
#include "dialogs/RenameDlg.h"
#include "simulation/cMemory.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace logivane {
namespace {

using namespace test;

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
  EXPECT_EQ(dialog.windowTitle(), "Grid Setup");
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
  const TGridSettings values = dialog.Values();
  EXPECT_TRUE(values.SnapToGrid);
  EXPECT_FALSE(values.ShowGrid);
  EXPECT_EQ(values.AngleStep, 15);
  EXPECT_EQ(values.Spacing, 5);
  EXPECT_EQ(values.DisplayFrequency, 4);
}

TEST(GridSetupDialogTest, BoxesStayInTheirRangesAndAreChangedByArrowsOnly) {
  TGridSetupDialog dialog;
  dialog.SetValues({.AngleStep = 200, .Spacing = 1, .DisplayFrequency = 9});
  dialog.show();
  auto* angle = Control<QSpinBox>(dialog, "AngleStep");
  auto* spacing = Control<QSpinBox>(dialog, "Spacing");
  auto* display = Control<QSpinBox>(dialog, "DisplayFrequency");
  EXPECT_EQ(dialog.Values().AngleStep, 90);
  EXPECT_EQ(dialog.Values().Spacing, 5);
  EXPECT_EQ(dialog.Values().DisplayFrequency, 5);
  EXPECT_EQ(display->text(), "25");

  ClickArrow(angle, true);
  ClickArrow(spacing, false);
  ClickArrow(display, true);
  EXPECT_EQ(dialog.Values().AngleStep, 90);
  EXPECT_EQ(dialog.Values().Spacing, 5);
  EXPECT_EQ(dialog.Values().DisplayFrequency, 5);

  angle->setFocus();
  QTest::keyClicks(angle, "45");
  ClickArrow(angle, false);
  EXPECT_EQ(dialog.Values().AngleStep, 85);
}

TEST(GridSetupDialogTest, EditCopiesBackOnOkOnly) {
  TGridSetupDialog dialog;
  TGridSettings values{.SnapToGrid = false, .Spacing = 10, .DisplayFrequency = 2};

  QTimer::singleShot(0, &dialog, [&] {
    ClickCheck(Control<QCheckBox>(dialog, "SnapToGrid"));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
  });
  EXPECT_FALSE(dialog.Edit(values));
  EXPECT_FALSE(values.SnapToGrid);

  QTimer::singleShot(0, &dialog, [&] {
    ClickCheck(Control<QCheckBox>(dialog, "SnapToGrid"));
    ClickArrow(Control<QSpinBox>(dialog, "Spacing"), true);
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(dialog.Edit(values));
  EXPECT_TRUE(values.SnapToGrid);
  EXPECT_EQ(values.Spacing, 15);
  EXPECT_EQ(values.DisplayFrequency, 2);
}

TEST(EditTextDialogTest, SizeAndStyleShowInCaptionAndPreview) {
  TEditTextDialog dialog;
  dialog.SetValues({.Text = "Annotation"});
  dialog.show();
  auto* group = Control<QGroupBox>(dialog, "TextGroup");
  auto* preview = Control<QLineEdit>(dialog, "Text");
  auto* size = Control<QSpinBox>(dialog, "TextSize");
  EXPECT_EQ(dialog.windowTitle(), "Edit Text");
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
  EXPECT_TRUE(preview->font().bold());
  EXPECT_FALSE(preview->font().italic());
  ClickCheck(italic);
  EXPECT_TRUE(preview->font().bold());
  EXPECT_TRUE(preview->font().italic());
  ClickCheck(bold);
  EXPECT_FALSE(preview->font().bold());
  EXPECT_TRUE(preview->font().italic());
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
  const TEditTextValues values = dialog.Values();
  EXPECT_TRUE(values.Text.isEmpty());
  EXPECT_EQ(values.Size, 12);
  EXPECT_TRUE(values.Bold);
  EXPECT_EQ(values.TextColour, ColourRed);
}

TEST(RenameDialogTest, FocusOnTextAndOkOrCancel) {
  TRenameDialog dialog;
  TRenameValues values{"CLK", false};

  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, "Text"));
    QTest::keyClicks(dialog.focusWidget(), "RESET");
    QTest::mouseClick(Control<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
  });
  EXPECT_FALSE(dialog.Edit(values));
  EXPECT_EQ(values.Text, "CLK");

  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClicks(dialog.focusWidget(), "RESET");
    ClickCheck(Control<QCheckBox>(dialog, "Overbar"));
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(dialog.Edit(values));
  EXPECT_EQ(values.Text, "RESET");
  EXPECT_TRUE(values.Overbar);
}

TEST(NameMacroDialogTest, NameStaysOneLine) {
  TNameMacroDialog dialog;
  dialog.SetValues("Half");
  dialog.show();
  auto* memo = Control<QPlainTextEdit>(dialog, "MacroName");
  EXPECT_EQ(dialog.windowTitle(), "Name Macro");
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
  EXPECT_EQ(dialog.windowTitle(), "Select Memory Device");
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
  const TMemorySize chosen = dialog.Values();
  EXPECT_FALSE(chosen.IsRAM);
  EXPECT_EQ(chosen.AddressWidth, 10);
  EXPECT_EQ(chosen.DataWidth, 2);

  dialog.SetValues({.IsRAM = true, .AddressWidth = 14, .DataWidth = 16});
  EXPECT_EQ(data->text(), "16");
  EXPECT_EQ(dialog.ExampleDevice().SizeCaption(), "16K x 16");
}

}  // namespace
}  // namespace logivane
