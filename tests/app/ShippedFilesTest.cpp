// The example circuits and library macros that come with the program are opened and changed
// like any circuit, but saving them always asks for a name of the user's own.
#include "TestHelpers.h"
#include "app/LibraryFolder.h"
#include "app/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace logivane::test {
namespace {

class ShippedFilesTest : public MainWindowTest {
protected:
  /// An edit of the circuit, as a click on one of its inputs would be.
  void Change() {
    Circuit().Datasheet += QLatin1Char('x');
    Drawing().SetModified(true);
  }
};

TEST_F(ShippedFilesTest, AChangedExampleIsSavedUnderANewNameAndTheShippedFileIsKept) {
  const QString example = QStringLiteral(LOGIVANE_EXAMPLES_DIR "/2 Combinational/half-adder.lvm");
  const QByteArray shipped = FileBytes(example);
  ASSERT_FALSE(shipped.isEmpty());
  EXPECT_TRUE(IsShippedFile(example));
  EXPECT_FALSE(IsShippedFile(Path("mine.lvm")));

  Show({example});
  Change();
  SaveName = Path("mine.lvm");
  Action("MenuSave")->trigger();
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages.first().contains("\"half-adder.lvm\" comes with Logivane"));
  EXPECT_EQ(FileBytes(example), shipped);
  EXPECT_FALSE(FileBytes(SaveName).isEmpty());
  EXPECT_EQ(Document().FileName, SaveName);
  EXPECT_FALSE(Document().Modified());

  // Save As does not write over a shipped file either, and nothing is lost.
  Change();
  SaveName = example;
  Messages.clear();
  Action("MenuSaveAs")->trigger();
  EXPECT_EQ(Messages.size(), 1);
  EXPECT_EQ(FileBytes(example), shipped);
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(Document().FileName, Path("mine.lvm"));
}

TEST_F(ShippedFilesTest, TheCloseQuestionsYesOnAShippedExampleAsksForANewName) {
  const QString example = QStringLiteral(LOGIVANE_EXAMPLES_DIR "/2 Combinational/half-adder.lvm");
  const QByteArray shipped = FileBytes(example);
  Show({example});
  Change();
  SaveName.clear();  // the user cancels the save dialog: the window stays, with the changes
  Form->close();
  EXPECT_TRUE(Form->isVisible());
  EXPECT_TRUE(Document().Modified());
  EXPECT_EQ(FileBytes(example), shipped);
}

TEST_F(ShippedFilesTest, HelpExamplesOffersTheExamplesFolderAndOpensTheChosenCircuit) {
  Show();
  QString offered;
  const QString example = QStringLiteral(LOGIVANE_EXAMPLES_DIR "/2 Combinational/half-adder.lvm");
  Form->ChooseOpenFile = [&](QWidget*, const QString& folder) {
    offered = folder;
    return example;
  };
  Action("MenuExamples")->trigger();
  EXPECT_EQ(QFileInfo(offered).canonicalFilePath(),
            QFileInfo(QStringLiteral(LOGIVANE_EXAMPLES_DIR)).canonicalFilePath());
  EXPECT_EQ(Document().FileName, example);

  // Cancelling the dialog keeps the circuit that is open.
  Form->ChooseOpenFile = [](QWidget*, const QString&) {
    return QString();
  };
  Action("MenuExamples")->trigger();
  EXPECT_EQ(Document().FileName, example);
}

}  // namespace
}  // namespace logivane::test
