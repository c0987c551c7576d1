#include "app/UndoCommands.h"

#include "app/MainUnit.h"
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"

#include <QAction>

namespace logivane {

namespace {

/// A command's caption as the name of the step it made: "&Properties..." gives "Properties".
QString CommandName(const QAction& action) {
  QString name = action.text();
  name.replace(QLatin1String("&&"), QLatin1String("\x01"));
  name.remove(QLatin1Char('&'));
  name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  if (name.endsWith(QLatin1String("..."))) {
    name.chop(3);
  }
  return name.trimmed();
}

}  // namespace

TUndoCommands::TUndoCommands(TMainForm& window, TCircuitDocument& document)
    : QObject(&window), FWindow(window), FDocument(document) {
  FDocument.EnableEditHistory();
  TEditHistory& history = *FDocument.EditHistory();
  connect(&history, &TEditHistory::Changed, this, &TUndoCommands::RefreshCommands);
  // A command's own connection runs first, so its edit is already recorded when this one runs.
  for (QAction* action : window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    connect(action, &QAction::triggered, this,
            [&history, action] { history.NameLatestEdit(CommandName(*action)); });
  }
  RefreshCommands();
}

void TUndoCommands::RefreshCommands() {
  const TEditHistory& history = *FDocument.EditHistory();
  const auto caption = [](const QString& format, const QString& bare, const QString& step) {
    return step.isEmpty() ? bare : format.arg(step);
  };
  FWindow.Action("MenuUndo")->setText(caption(tr("&Undo %1"), tr("&Undo"), history.UndoText()));
  FWindow.Action("MenuRedo")->setText(caption(tr("&Redo %1"), tr("&Redo"), history.RedoText()));
  for (const char* name : {"MenuUndo", "SpeedUndo"}) {
    FWindow.Action(name)->setEnabled(history.CanUndo());
  }
  for (const char* name : {"MenuRedo", "SpeedRedo"}) {
    FWindow.Action(name)->setEnabled(history.CanRedo());
  }
  FWindow.Action("SpeedUndo")->setToolTip(caption(tr("Undo %1"), tr("Undo"), history.UndoText()));
  FWindow.Action("SpeedRedo")->setToolTip(caption(tr("Redo %1"), tr("Redo"), history.RedoText()));
}

void TUndoCommands::Undo() {
  FDocument.Undo();
  AfterMove();
}

void TUndoCommands::Redo() {
  FDocument.Redo();
  AfterMove();
}

void TUndoCommands::AfterMove() {
  // Putting a state back leaves the tracing modes; the wiring tool stays chosen.
  if (FWindow.Action("SpeedWireTool")->isChecked()) {
    FWindow.Drawing().SetWireMode(true);
  }
  FWindow.SpeedUpdateClick();
  FWindow.RefreshLogicHistory();
}

}  // namespace logivane
