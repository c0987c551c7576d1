#include "MainWindowFixture.h"
#include "dialogs/EditTextDlg.h"
#include "document/cGText.h"
#include "editor/CLogivaneHandle.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

namespace logivane {
namespace {

using namespace test;

class AnnotationDialogTest : public MainWindowTest {
protected:
  /// Places an annotation at drawing point `at` with the text tool, as the user does; `style`
  /// changes the dialog before OK, after what it offered has been noted.
  TGraphicText* PlaceAnnotation(QPoint at, std::function<void(TEditTextDialog&)> style = {}) {
    Action("SpeedAnnotation")->trigger();
    AcceptNextDialog([this, style](QDialog& dialog) {
      auto& text = static_cast<TEditTextDialog&>(dialog);
      Offered = text.Values();
      if (style) {
        style(text);
      }
    });
    ClickInWindow(at);
    return SelectedText();
  }
  TGraphicText* SelectedText() const {
    const auto& items = Drawing().Handles().Items();
    return items.size() == 1 ? dynamic_cast<TGraphicText*>(items.front()) : nullptr;
  }

  /// What the text dialog offered when it was last shown.
  TEditTextValues Offered;
};

TEST_F(AnnotationDialogTest, TheTextDialogKeepsSizeStyleAndColourFromOneAnnotationToTheNext) {
  Show();
  TGraphicText* first = PlaceAnnotation({100, 100}, [](TEditTextDialog& dialog) {
    dialog.findChild<QSpinBox*>("TextSize")->setValue(12);
    dialog.findChild<QCheckBox*>("Bold")->setChecked(true);
    dialog.SetTextColour(ColourRed);
  });
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Offered.Size, 7);
  EXPECT_EQ(first->FontSize, 12);

  // The next annotation starts as "Annotation" again, in the style chosen last.
  TGraphicText* second = PlaceAnnotation({100, 250});
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Offered, (TEditTextValues{
                         .Text = "Annotation", .Size = 12, .Bold = true, .TextColour = ColourRed}));
  EXPECT_EQ(AnnotationValues(*second), Offered);

  // Editing an annotation shows its own style, in the same dialog.
  auto* dialog = Form->findChild<TEditTextDialog*>();
  ASSERT_NE(dialog, nullptr);
  second->SetFontSize(20);
  AcceptNextDialog([dialog](QDialog& shown) { EXPECT_EQ(&shown, dialog); });
  Form->findChild<QAction*>("PopEditAnnotation")->trigger();
  EXPECT_EQ(dialog->Values().Size, 20);
  EXPECT_EQ(Form->findChildren<TEditTextDialog*>().size(), 1);
}

}  // namespace
}  // namespace logivane
