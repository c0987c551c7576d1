// The Preferences dialog of the main window, and the circuit reopened at start-up.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cOutput.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSpinBox>

namespace logivane::test {
namespace {

class PreferencesTest : public MainWindowTest {
protected:
  /// Tools > Options > Preferences...: notes what the dialog shows, sets it, then OK or Cancel.
  void EditPreferences(TPreferences values, bool accept) {
    QTimer::singleShot(0, [this, values, accept] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* interval = dialog->findChild<QSpinBox*>("AutosaveInterval");
      auto* reopen = dialog->findChild<QCheckBox*>("ReopenLastCircuit");
      ShownValues = {interval->value(), reopen->isChecked(), TStepHistory::DefaultDepth, {}};
      interval->setValue(values.AutosaveInterval);
      reopen->setChecked(values.ReopenLastCircuit);
      accept ? dialog->accept() : dialog->reject();
    });
    Action("MenuPreferences")->trigger();
  }
  QVariant Stored(const char* key) const { return QSettings().value(key); }

  TPreferences ShownValues;
};

TEST_F(PreferencesTest, TheDialogShowsTheStoredValuesAndOnlyOkChangesThem) {
  QSettings().setValue("3.04/Options/Autosave Interval", 120);
  QSettings().setValue("3.04/Options/Reopen Last Circuit", 1);
  Show();
  EditPreferences({0, false, TStepHistory::DefaultDepth, {}}, false);
  EXPECT_EQ(ShownValues, (TPreferences{120, true, TStepHistory::DefaultDepth, {}}));
  EXPECT_EQ(Form->Preferences(), (TPreferences{120, true, TStepHistory::DefaultDepth, {}}));
  EditPreferences({0, false, TStepHistory::DefaultDepth, {}}, true);
  EXPECT_EQ(Form->Preferences(), (TPreferences{0, false, TStepHistory::DefaultDepth, {}}));
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(Stored("3.04/Options/Autosave Interval").toInt(), 0);
  EXPECT_EQ(Stored("3.04/Options/Reopen Last Circuit").toInt(), 0);
}

TEST_F(PreferencesTest, TheLastCircuitReopensAtTheLevelShownAtExitUnlessTheCommandLineNamesOne) {
  const QString file = Path("nested.lvm");
  const QString other = Path("other.lvm");
  {
    TMainForm writer;
    TMacro& root = writer.Drawing().Circuit();
    AddSubCircuit(root, 400, 100, 1);
    TMacro* outer = AddSubCircuit(root, 100, 100, 1);
    AddSubCircuit(*outer, 200, 200, 1);
    Place<TLEDDevice>(*AddSubCircuit(*outer, 60, 60, 2), 10, 10);
    ASSERT_TRUE(writer.Document().SaveToFile(file));
    ASSERT_TRUE(QFile::copy(file, other));
  }
  Show();
  EditPreferences({60, true, TStepHistory::DefaultDepth, {}}, true);
  ASSERT_TRUE(Form->OpenCircuit(file));
  for (int level = 0; level < 2; ++level) {
    Form->OpenMacroLevel(*Circuit().Devices().Objects().ItemAs<TMacro>(1));
  }
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(Stored("3.04/Last Session/Level").toString(), "1/1");

  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - nested");
  EXPECT_EQ(Document().LevelPath(), QList<int>({1, 1}));
  EXPECT_EQ(Circuit().Outputs().Count(), 1);
  EXPECT_FALSE(Document().Modified());

  Show({other});
  EXPECT_EQ(Form->windowTitle(), "Logivane - other");
  EXPECT_FALSE(Document().IsInsideMacro());

  // A way down that no longer fits shows the root; a file gone leaves an empty circuit.
  QSettings().setValue("3.04/Last Session/Level", "1/7");
  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - nested");
  EXPECT_FALSE(Document().IsInsideMacro());
  ASSERT_TRUE(QFile::remove(file));
  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - Untitled");
  EXPECT_TRUE(Messages.isEmpty());

  // A file named relative to the folder of one start is found from any other.
  const QString started = QDir::currentPath();
  QDir::setCurrent(Folder.path());
  Show({"other.lvm"});
  ASSERT_TRUE(Form->close());
  QDir::setCurrent(started);
  const QString kept = Stored("3.04/Last Session/File").toString();
  EXPECT_EQ(QFileInfo(kept).canonicalFilePath(), QFileInfo(other).canonicalFilePath());
  EXPECT_TRUE(QFileInfo(kept).isAbsolute());
}

}  // namespace
}  // namespace logivane::test
