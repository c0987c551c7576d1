// Undo and redo in the main window: the commands, their captions, and the names of the steps.
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

void TMainForm::ConnectEditHistory() {
  FDocument->EnableEditHistory();
  TEditHistory& history = *FDocument->EditHistory();
  connect(&history, &TEditHistory::Changed, this, &TMainForm::RefreshUndoCommands);
  // A command's own connection runs first, so its edit is already recorded when this one runs.
  for (QAction* action : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    connect(action, &QAction::triggered, this,
            [&history, action] { history.NameLatestEdit(CommandName(*action)); });
  }
  RefreshUndoCommands();
}

void TMainForm::RefreshUndoCommands() {
  const TEditHistory& history = *FDocument->EditHistory();
  const auto caption = [](const QString& format, const QString& bare, const QString& step) {
    return step.isEmpty() ? bare : format.arg(step);
  };
  Action("MenuUndo")->setText(caption(tr("&Undo %1"), tr("&Undo"), history.UndoText()));
  Action("MenuRedo")->setText(caption(tr("&Redo %1"), tr("&Redo"), history.RedoText()));
  for (const char* name : {"MenuUndo", "SpeedUndo"}) {
    Action(name)->setEnabled(history.CanUndo());
  }
  for (const char* name : {"MenuRedo", "SpeedRedo"}) {
    Action(name)->setEnabled(history.CanRedo());
  }
  Action("SpeedUndo")->setToolTip(caption(tr("Undo %1"), tr("Undo"), history.UndoText()));
  Action("SpeedRedo")->setToolTip(caption(tr("Redo %1"), tr("Redo"), history.RedoText()));
}

void TMainForm::UndoClick() {
  FDocument->Undo();
  AfterHistoryMove();
}

void TMainForm::RedoClick() {
  FDocument->Redo();
  AfterHistoryMove();
}

void TMainForm::AfterHistoryMove() {
  // Putting a state back leaves the tracing modes; the wiring tool stays chosen.
  if (Action("SpeedWireTool")->isChecked()) {
    FDrawing->SetWireMode(true);
  }
  SpeedUpdateClick();
  RefreshLogicHistory();
}

}  // namespace logivane
