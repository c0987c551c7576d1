// New inside a macro level, and where the file dialogs start.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace logivane::test {
namespace {

class FileCommandsTest : public MainWindowTest {
protected:
  void ShowRecording(const QStringList& arguments = {}) {
    Show(arguments);
    // The folders each dialog starts in, and the file the user then chooses.
    Form->ChooseOpenFile = [this](QWidget*, const QString& folder) {
      Folders << folder;
      return OpenName;
    };
    Form->ChooseSaveFile = [this](QWidget*, const QString& folder) {
      Folders << folder;
      return SaveName;
    };
  }
  /// Alt+F, then `letter` in the File menu.
  void FileMenu(Qt::Key letter) {
    Key(Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, letter);
  }
  /// A circuit file in the sub-folder `folder` of the test's folder.
  QString CircuitIn(const QString& folder, const QString& name) {
    QDir(Folder.path()).mkpath(folder);
    const QString fileName = Path(folder + '/' + name);
    TMainForm other;
    other.Document().SaveToFile(fileName);
    return fileName;
  }
  QString FolderOf(const QString& name) const { return QDir(Path(name)).absolutePath(); }

  QStringList Folders;
};

TEST_F(FileCommandsTest, NewInsideAMacroLevelEmptiesThatLevelWhichStaysOpen) {
  ShowRecording();
  TMacro* sub = AddSubCircuit(Circuit(), 200, 200, 1);
  Place<TLEDDevice>(*sub, 40, 40);
  auto* led = Place<TLEDDevice>(Circuit(), 400, 100);
  Drawing().SetModified(true);
  QTest::mouseDClick(Form->windowHandle(), Qt::LeftButton, {}, InWindow(CentreOf(*sub)));
  ASSERT_TRUE(Document().IsInsideMacro());
  ASSERT_GT(sub->Tags().Count() + sub->Outputs().Count(), 0);

  Answer = QMessageBox::No;  // nothing saved
  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(Document().IsInsideMacro());
  EXPECT_EQ(&Circuit(), sub);
  EXPECT_TRUE(Action("SpeedCloseMacro")->isVisible());
  EXPECT_EQ(sub->Tags().Count() + sub->Outputs().Count() + sub->Devices().Count(), 0);
  EXPECT_EQ(sub->PinCount(), 1);  // the symbol and its pin stay
  EXPECT_EQ(Form->windowTitle(), "Logivane - Untitled");

  Action("SpeedCloseMacro")->trigger();
  EXPECT_EQ(Circuit().Outputs().Child(0), led);  // the rest of the circuit is untouched
}

TEST_F(FileCommandsTest, FileDialogsStartInTheDocumentsAndThenWhereTheUserLastWas) {
  const QString one = CircuitIn("first", "one.lvm");
  ShowRecording();
  OpenName = one;
  Key(Qt::Key_O, Qt::ControlModifier);
  SaveName = Path("second/two.lvm");
  QDir(Folder.path()).mkpath("second");
  FileMenu(Qt::Key_A);  // S&ave As...
  Key(Qt::Key_O, Qt::ControlModifier);
  const QStringList expected = {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                FolderOf("first"), FolderOf("second")};
  EXPECT_EQ(Folders.join('\n').toStdString(), expected.join('\n').toStdString());

  // Started with a circuit, the first dialog starts in its folder.
  Form.reset();
  Folders.clear();
  ShowRecording({one});
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Folders.join('\n').toStdString(), FolderOf("first").toStdString());
}

}  // namespace
}  // namespace logivane::test
