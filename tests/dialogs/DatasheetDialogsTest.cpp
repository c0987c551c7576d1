#include "dialogs/AssociateHelpDlg.h"
#include "dialogs/DialogTestHelpers.h"
#include "windows/HelpWindow.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace logivane {
namespace {

using namespace test;

TEST(AssociateHelpDialogTest, TheDatasheetChoosesThePageAndThePageTheDatasheet) {
  TAssociateHelpDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Attach Datasheet");
  auto* pages = Control<QTabWidget>(dialog, "Pages");
  EXPECT_FALSE(pages->isTabVisible(0));
  auto page = [pages] {
    return pages->currentWidget()->objectName();
  };

  dialog.SetValues({"MACROS.HLP", "17"});
  EXPECT_EQ(page(), "HelpFilePage");
  EXPECT_EQ(Control<QLineEdit>(dialog, "Url")->text(), "http://");
  EXPECT_EQ(dialog.Values().Datasheet, "MACROS.HLP");
  EXPECT_EQ(dialog.Values().ContextID, "17");

  for (const char* web : {"7400.htm", "sheets/7400.HTML", "Http://example.com/7400.pdf"}) {
    dialog.SetValues({web, "17"});
    EXPECT_EQ(page(), "WebPage") << web;
    EXPECT_EQ(Control<QLineEdit>(dialog, "ContextID")->text(), "0");
    EXPECT_EQ(dialog.Values().Datasheet, web);
    EXPECT_EQ(dialog.Values().ContextID, "17");  // kept for the circuit's help topic
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

}  // namespace
}  // namespace logivane
