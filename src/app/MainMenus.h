#pragma once

#include <QCoreApplication>

class QMenu;
class QToolBar;

namespace logivane {

class TLogivaneDrawing;
class TMainForm;

/**
 * @brief Builds the main window's menu bar and tool bars. Every action carries the name by
 * which the commands and the tests find it, and runs a command of the window.
 *
 * Tool buttons are actions of their own, apart from the menu entries: the run commands of the
 * menu press the two-state buttons, whose state is the run state.
 */
class TMainMenus {
  Q_DECLARE_TR_FUNCTIONS(TMainMenus)
public:
  TMainMenus(TMainForm& window, TLogivaneDrawing& drawing);

  /// Builds the menus and tool bars; once.
  void Create();
  /// The Reopen entries, which show the recent files.
  QMenu& ReopenMenu() const { return *FReopenMenu; }
  /// Ticks the grid entries of the View menu as the grid is; the grid changes by those entries,
  /// by its dialog and by the settings read at start.
  void RefreshViewMenu();

private:
  void CreateFileMenu();
  void CreateEditMenu();
  void CreateCircuitMenu();
  void CreateViewMenu();
  void CreateToolsMenu();
  void CreateHelpMenu();
  void CreateToolBars();
  /// The tool buttons' hints name the keys of the menu entries that give the same commands.
  void ShowMenuShortcuts();
  QToolBar* NewToolBar(const char* name, const QString& title);

  TMainForm& FWindow;
  TLogivaneDrawing& FDrawing;
  QMenu* FReopenMenu = nullptr;
};

}  // namespace logivane
