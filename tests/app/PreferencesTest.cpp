// The Preferences dialog of the main window, and the circuit reopened at start-up.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cOutput.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSpinBox>

namespace logivane::test {
namespace {

class PreferencesTest : public MainWindowTest {
protected:
  /// Chooses Tools > Options > Preferences... and sets the dialog's controls.
  void EditPreferences(int interval, bool reopen, bool accept) {
    QTimer::singleShot(0, [interval, reopen, accept] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->findChild<QSpinBox*>("AutosaveInterval")->setValue(interval);
      dialog->findChild<QCheckBox*>("ReopenLastCircuit")->setChecked(reopen);
      accept ? dialog->accept() : dialog->reject();
    });
    Action("MenuPreferences")->trigger();
  }
  QVariant Stored(const char* key) const { return QSettings().value(key); }
};

TEST_F(PreferencesTest, TheDialogShowsTheStoredValuesAndOnlyOkChangesThem) {
  {
    QSettings store;
    store.setValue("3.04/Options/Autosave Interval", 120);
    store.setValue("3.04/Options/Reopen Last Circuit", 1);
  }
  Show();
  auto* options = Form->findChild<QMenu*>("MenuOptions");
  ASSERT_NE(options, nullptr);
  EXPECT_TRUE(options->actions().contains(Action("MenuPreferences")));
  EXPECT_TRUE(Form->findChild<QMenu*>("MenuTools")->actions().contains(options->menuAction()));

  TPreferences shown;
  AcceptNextDialog([&shown](QDialog& dialog) {
    shown = {dialog.findChild<QSpinBox*>("AutosaveInterval")->value(),
             dialog.findChild<QCheckBox*>("ReopenLastCircuit")->isChecked()};
  });
  Action("MenuPreferences")->trigger();
  EXPECT_EQ(shown, (TPreferences{120, true}));

  EditPreferences(0, false, false);
  EXPECT_EQ(Form->Preferences(), (TPreferences{120, true}));
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(Stored("3.04/Options/Autosave Interval").toInt(), 120);
  EXPECT_EQ(Stored("3.04/Options/Reopen Last Circuit").toInt(), 1);

  Show();
  EditPreferences(0, false, true);
  EXPECT_EQ(Form->Preferences(), (TPreferences{0, false}));
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(Stored("3.04/Options/Autosave Interval").toInt(), 0);
  EXPECT_EQ(Stored("3.04/Options/Reopen Last Circuit").toInt(), 0);
}

TEST_F(PreferencesTest, TheLastCircuitReopensAtTheLevelShownAtExit) {
  const QString file = Path("nested.lvm");
  const QString other = Path("other.lvm");
  {
    TMainForm writer;
    TMacro& root = writer.Drawing().Circuit();
    Place<TLEDDevice>(root, 300, 300);
    AddSubCircuit(root, 400, 100, 1);
    TMacro* outer = AddSubCircuit(root, 100, 100, 1);
    AddSubCircuit(*outer, 200, 200, 1);
    TMacro* inner = AddSubCircuit(*outer, 60, 60, 2);
    Place<TLEDDevice>(*inner, 10, 10);
    ASSERT_TRUE(writer.Document().SaveToFile(file));
    ASSERT_TRUE(QFile::copy(file, other));
  }
  Show();
  EditPreferences(60, true, true);
  ASSERT_TRUE(Form->OpenCircuit(file));
  for (int level = 0; level < 2; ++level) {
    Form->OpenMacroLevel(*Circuit().Devices().Objects().ItemAs<TMacro>(1));
  }
  ASSERT_EQ(Circuit().Outputs().Count(), 1);
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(Stored("3.04/Last Session/File").toString(), file);
  EXPECT_EQ(Stored("3.04/Last Session/Level").toString(), "1/1");

  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - nested");
  EXPECT_EQ(Document().LevelPath(), QList<int>({1, 1}));
  EXPECT_EQ(Circuit().Outputs().Count(), 1);
  EXPECT_EQ(Circuit().Tags().Count(), 2);
  EXPECT_FALSE(Document().Modified());
  EXPECT_TRUE(Action("SpeedCloseMacro")->isVisible());
  Form.reset();  // no close: the session stored stays

  // A file on the command line wins, at its root.
  Show({other});
  EXPECT_EQ(Form->windowTitle(), "Logivane - other");
  EXPECT_FALSE(Document().IsInsideMacro());
  Form.reset();

  // A way down that no longer fits shows the root; a file gone leaves an empty circuit.
  QSettings().setValue("3.04/Last Session/Level", "1/7");
  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - nested");
  EXPECT_FALSE(Document().IsInsideMacro());
  Form.reset();
  ASSERT_TRUE(QFile::remove(file));
  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - Untitled");
  EXPECT_TRUE(Messages.isEmpty());

  // Without the preference, the last circuit stays closed; an untitled one leaves none.
  ASSERT_TRUE(Form->OpenCircuit(other));
  EditPreferences(60, false, true);
  ASSERT_TRUE(Form->close());
  Show();
  EXPECT_EQ(Form->windowTitle(), "Logivane - Untitled");
  EditPreferences(60, true, true);
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(Stored("3.04/Last Session/File").toString(), "");

  // A file named on the command line relative to the folder of that start is kept whole.
  const QString started = QDir::currentPath();
  QDir::setCurrent(Folder.path());
  Show({"other.lvm"});
  ASSERT_TRUE(Form->close());
  QDir::setCurrent(started);
  const QString kept = Stored("3.04/Last Session/File").toString();
  EXPECT_TRUE(QFileInfo(kept).isAbsolute()) << kept.toStdString();
  EXPECT_EQ(QFileInfo(kept).canonicalFilePath(), QFileInfo(other).canonicalFilePath());
}

}  // namespace
}  // namespace logivane::test
