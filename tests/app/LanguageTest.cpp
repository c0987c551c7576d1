// The language chosen in the preferences labels the windows at once and is kept for the next
// start; Qt's own texts follow it.
#include "app/Language.h"
#include "app/MainWindowFixture.h"
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QTimer>

namespace logivane::test {
namespace {

class LanguageTest : public MainWindowTest {
protected:
  void TearDown() override {
    TLanguage::Shared().Apply(QStringLiteral("en"));
    MainWindowTest::TearDown();
  }
  /// Tools > Options > Preferences..., choosing the language of `code` and pressing OK.
  void ChooseLanguage(const QString& code) {
    QTimer::singleShot(0, [code] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* language = dialog->findChild<QComboBox*>("Language");
      ASSERT_NE(language, nullptr);
      language->setCurrentIndex(language->findData(code));
      dialog->accept();
    });
    Action("MenuPreferences")->trigger();
  }
  QString Title(const char* menu) const { return Form->findChild<QMenu*>(menu)->title(); }
};

TEST_F(LanguageTest, ChoosingALanguageRelabelsMenusAndToolsAndIsKept) {
  TLanguage::Shared().Apply(QStringLiteral("en"));
  Show();
  ChooseLanguage(QStringLiteral("de"));
  EXPECT_EQ(TLanguage::Shared().Current(), "de");
  EXPECT_EQ(Title("MenuFile"), "&Datei");
  EXPECT_EQ(Title("MenuCircuit"), "S&chaltung");
  EXPECT_EQ(Title("ClockSpeed1"), "&Taktfrequenz");
  EXPECT_EQ(Action("MenuExit")->text(), "&Beenden");
  EXPECT_EQ(Action("SpeedDFlipFlop")->toolTip(), "D-Flipflop");
  EXPECT_EQ(Action("MenuOpen")->shortcut(), QKeySequence("Ctrl+O"));  // keys do not move

  // From one translation to another, and back to the English of the sources.
  ChooseLanguage(QStringLiteral("fr"));
  EXPECT_EQ(Title("MenuFile"), "&Fichier");
  EXPECT_EQ(Action("SpeedDFlipFlop")->toolTip(), "Bascule D");
  ChooseLanguage(QStringLiteral("es"));
  EXPECT_EQ(Title("MenuEdit"), "&Editar");
  EXPECT_EQ(Action("SpeedJKFlipFlop")->toolTip(), "Biestable JK");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
  ChooseLanguage(QStringLiteral("en"));
  EXPECT_EQ(Title("MenuFile"), "&File");
  EXPECT_EQ(Action("SpeedDFlipFlop")->toolTip(), "D Flip Flop");

  ChooseLanguage(QStringLiteral("de"));
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(QSettings().value("3.04/Options/Language").toString(), "de");
}

TEST_F(LanguageTest, AnUnknownStoredLanguageFollowsTheSystem) {
  QSettings().setValue("3.04/Options/Language", "tlh");
  QSettings store;
  EXPECT_EQ(ReadLanguage(store), "");
  Show();
  EXPECT_EQ(Form->Preferences().Language, "");
}

}  // namespace
}  // namespace logivane::test
