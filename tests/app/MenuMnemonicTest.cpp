// Alt+letter reaches every menu entry only when no two entries of one menu share their letter:
// with two, the letter moves between them and the command never runs.
#include "app/Language.h"
#include "app/MainWindowFixture.h"
#include "app/MemoryCommands.h"
#include "app/TestTableCommands.h"
#include "windows/EditMemoryDlg.h"
#include "windows/HelpWindow.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/PartsUnit.h"
#include "windows/PrintPreview.h"
#include "windows/TemplateForm.h"
#include "windows/TestTableWindow.h"

#include <gtest/gtest.h>

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace logivane::test {
namespace {

/// Adds to `clashes` every pair of `entries` with the same letter, named after `where`, and
/// goes on into their submenus.
void FindClashes(const QString& where, const QList<QAction*>& entries, QStringList& clashes) {
  std::map<QKeySequence, QString> taken;
  for (const QAction* entry : entries) {
    if (entry->isSeparator()) {
      continue;
    }
    const QKeySequence letter = QKeySequence::mnemonic(entry->text());
    if (!letter.isEmpty()) {
      const auto [first, added] = taken.emplace(letter, entry->text());
      if (!added) {
        clashes << QStringLiteral("%1: \"%2\" and \"%3\"").arg(where, first->second, entry->text());
      }
    }
    if (entry->menu()) {
      FindClashes(where + QStringLiteral(" > ") + entry->text(), entry->menu()->actions(), clashes);
    }
  }
}

/// The clashes of every menu bar of the program's windows.
QStringList AllClashes(TMainForm& form) {
  const QList<QWidget*> windows = {&form,
                                   &form.LogicHistory(),
                                   &form.Memory().Contents(),
                                   &form.TemplateEditor(),
                                   &form.PartsCentre(),
                                   &form.PrintPreview(),
                                   &form.TestTables().Window(),
                                   &THelpWindow::Shared()};
  QStringList clashes;
  int menuBars = 0;
  for (QWidget* window : windows) {
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
      ++menuBars;
      FindClashes(window->objectName(), bar->actions(), clashes);
    }
  }
  EXPECT_GE(menuBars, 6);  // a window whose menus are not found would pass unseen
  return clashes;
}

TEST_F(MainWindowTest, NoTwoEntriesOfAMenuShareTheirAltLetter) {
  Show();
  const QStringList clashes = AllClashes(*Form);
  EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();

  // Alt+F, X still leaves the program.
  EXPECT_EQ(QKeySequence::mnemonic(Action("MenuExit")->text()), QKeySequence("Alt+X"));
}

TEST_F(MainWindowTest, EachTranslationKeepsTheAltLettersOfAMenuApart) {
  TLanguage::Shared().Apply(QStringLiteral("en"));
  Show();
  for (const char* language : {"de", "fr", "es"}) {
    TLanguage::Shared().Apply(QLatin1String(language));
    ASSERT_EQ(TLanguage::Shared().Current(), QLatin1String(language));
    const QStringList clashes = AllClashes(*Form);
    EXPECT_TRUE(clashes.isEmpty()) << language << ":\n"
                                   << clashes.join(QLatin1Char('\n')).toStdString();
  }
  TLanguage::Shared().Apply(QStringLiteral("en"));
}

}  // namespace
}  // namespace logivane::test
