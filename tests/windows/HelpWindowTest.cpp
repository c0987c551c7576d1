#include "document/Cgobject.h"
#include "editor/RecordedMessages.h"
#include "windows/HelpFile.h"
#include "windows/HelpWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QTreeWidget>

namespace logivane {
namespace {

const QString BuiltHelpFile = QStringLiteral(LOGIVANE_HELP_FILE);

/// The help viewer on the help file that the build compiled, with its messages recorded.
class HelpWindowTest : public ::testing::Test {
protected:
  test::TRecordedMessages Messages;
  THelpWindow Window;
};

TEST(HelpFileTest, EveryTopicThatTheProgramAsksForIsInTheBuiltFile) {
  const auto file = THelpFile::Open(BuiltHelpFile);
  ASSERT_NE(file, nullptr) << BuiltHelpFile.toStdString();
  // The topics of the windows, and of every device and shape, which name their own.
  QStringList topics{"MemoryContentsWindow.htm", "LogicHistory.htm", "TemplateEditor.htm",
                     "partscentre.htm",          "testtables.htm",   "MacroAssignDatasheet.htm"};
  for (const std::string_view name : TClassRegistry::Names()) {
    const std::unique_ptr<TSerialize> made(TClassRegistry::Find(name.data(), name.size())());
    if (const auto* graphic = dynamic_cast<const TGraphicObject*>(made.get());
        graphic && graphic->HelpTopic.endsWith(".htm")) {
      topics << graphic->HelpTopic;
    }
  }
  EXPECT_GE(topics.size(), 6 + 20);
  for (const QString& topic : topics) {
    EXPECT_TRUE(file->Contains(QLatin1Char('/') + topic)) << topic.toStdString();
  }
  EXPECT_EQ(file->DefaultTopic(), "index.htm");  // as the project file names it
  EXPECT_TRUE(file->Contains(file->DefaultTopic()));
  ASSERT_FALSE(file->Contents().empty());
  for (const THelpContentsEntry& entry : file->Contents()) {
    EXPECT_TRUE(entry.Local.isEmpty() || file->Contains(entry.Local)) << entry.Local.toStdString();
  }
}

TEST(HelpFileTest, TheSitemapGivesNamesPagesAndDepths) {
  const auto entries = ParseSitemap(R"(<UL>
    <LI><OBJECT type="text/sitemap"><param name="Name" value="Gates &amp; buffers">
        <param name="Local" value="gates.htm"></OBJECT>
    <UL><LI><object TYPE='text/sitemap'><PARAM NAME="Local" VALUE="GateAND.htm#truth">
            <param name="Name" value="AND"></object></UL>
    <LI><OBJECT type="text/site properties"><param name="Name" value="not an entry"></OBJECT>
    <LI><OBJECT type="text/sitemap"><param name="Name" value="Heading"></OBJECT>
  </UL>)");
  EXPECT_EQ(entries, (std::vector<THelpContentsEntry>{{"Gates & buffers", "gates.htm", 0},
                                                      {"AND", "GateAND.htm#truth", 1},
                                                      {"Heading", "", 0}}));
}

TEST_F(HelpWindowTest, ATopicIsShownWithItsTitleAndItsLinksAreFollowed) {
  ASSERT_TRUE(Window.ShowTopic(BuiltHelpFile + ">PopWindow", "GateAND.htm"));
  EXPECT_EQ(Window.objectName(), "PopWindow");
  EXPECT_EQ(Window.Address(), BuiltHelpFile + ">PopWindow");
  EXPECT_EQ(Window.CurrentTopic(), "/GateAND.htm");
  EXPECT_EQ(Window.windowTitle(), "AND gate");
  EXPECT_FALSE(Window.Browser().toPlainText().isEmpty());
  ASSERT_NE(Window.ContentsTree().currentItem(), nullptr);
  EXPECT_EQ(Window.ContentsTree().currentItem()->data(0, Qt::UserRole), "GateAND.htm");

  emit Window.Browser().anchorClicked(QUrl("index.htm"));
  EXPECT_EQ(Window.CurrentTopic(), "/index.htm");
  Window.findChild<QAction*>("HelpBack")->trigger();
  EXPECT_EQ(Window.CurrentTopic(), "/GateAND.htm");
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(HelpWindowTest, AMissingFileOrTopicIsReportedAndNothingChanges) {
  EXPECT_FALSE(Window.ShowTopic("/no/such/folder/Logivane.chm>PopWindow", "GateAND.htm"));
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].contains("/no/such/folder/Logivane.chm"));
  EXPECT_FALSE(Window.isVisible());
  EXPECT_TRUE(Window.Address().isEmpty());

  ASSERT_TRUE(Window.ShowTopic(BuiltHelpFile, QString()));  // the contents' default page
  const QString shown = Window.CurrentTopic();
  EXPECT_FALSE(Window.ShowTopic(BuiltHelpFile + ">PopWindow", "NoSuchPage.htm"));
  ASSERT_EQ(Messages.size(), 2);
  EXPECT_TRUE(Messages[1].contains("NoSuchPage.htm"));
  EXPECT_EQ(Window.CurrentTopic(), shown);
}

TEST_F(HelpWindowTest, HelpAskedForFromAModalDialogCanBeUsedBesideIt) {
  QDialog dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_TRUE(Window.ShowTopic(BuiltHelpFile + ">PopWindow", "MacroAssignDatasheet.htm"));
  EXPECT_EQ(Window.parentWidget(), &dialog);
  EXPECT_TRUE(Window.isWindow());
  dialog.accept();
  EXPECT_EQ(Window.parentWidget(), nullptr);
  EXPECT_TRUE(Window.isVisible());
  EXPECT_EQ(Window.CurrentTopic(), "/MacroAssignDatasheet.htm");
}

}  // namespace
}  // namespace logivane
