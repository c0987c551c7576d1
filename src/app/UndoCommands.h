#pragma once

#include <QObject>

namespace logivane {

class TCircuitDocument;
class TMainForm;

/**
 * @brief Undo and redo in the main window: the commands, their captions and enabling, and the
 * names of the steps.
 *
 * Each step is named after the command that made it: every action of the window names the
 * latest step once it has run.
 */
class TUndoCommands : public QObject {
  Q_OBJECT
public:
  /// Gives the document its undo history; the window's actions must exist by then.
  TUndoCommands(TMainForm& window, TCircuitDocument& document);

  void Undo();
  void Redo();

private:
  void RefreshCommands();
  /// The tools and windows follow the document that undo or redo put back.
  void AfterMove();

  TMainForm& FWindow;
  TCircuitDocument& FDocument;
};

}  // namespace logivane
