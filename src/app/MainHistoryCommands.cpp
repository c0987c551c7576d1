// The Logic History window: showing it, choosing its devices, and its run buttons, which give
// the main window's run commands.
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"
#include "windows/LogicAnalyserForm.h"

#include <QMenu>

namespace logivane {

void TMainForm::ConnectLogicHistory() {
  connect(FHistory, &TAnalyserForm::RunClicked, this, [this](bool down) {
    Action("SpeedRun")->setChecked(down);
    SpeedRunClick();
  });
  connect(FHistory, &TAnalyserForm::StopClicked, this, &TMainForm::SpeedStopClick);
  connect(FHistory, &TAnalyserForm::PauseClicked, Action("SpeedPause"), &QAction::setChecked);
  connect(FHistory, &TAnalyserForm::StepClicked, this, &TMainForm::SpeedStepClick);
  // The window's buttons show the run state whichever command changed it.
  connect(Action("SpeedRun"), &QAction::toggled, FHistory, &TAnalyserForm::SetRunDown);
  connect(Action("SpeedPause"), &QAction::toggled, FHistory, &TAnalyserForm::SetPauseDown);
  // The window closes by its own menu too, so the tick is read when the Tools menu opens.
  connect(findChild<QMenu*>(QStringLiteral("MenuTools")), &QMenu::aboutToShow, this,
          [this] { Action("MenuLogicHistory")->setChecked(FHistory->isVisible()); });

  // The window refers to devices of the level shown: a new level or a deletion rebuilds its
  // list before it can paint a device that has gone.
  connect(FDrawing, &TLogivaneDrawing::OnLevelChanged, this, &TMainForm::RefreshHistory);
  connect(FDrawing, &TLogivaneDrawing::OnObjectsRemoved, this, &TMainForm::RefreshHistory);
  // A reset empties the devices' samples, so the cycles are counted again from there.
  connect(FDrawing, &TLogivaneDrawing::OnCircuitReset, this, &TMainForm::RefreshHistory);
}

void TMainForm::RefreshHistory() {
  FDrawing->CollectHistoryDevices(FHistory->HistoryDevices);
  FHistory->ResetHistory();
  ShowRunState();
}

void TMainForm::HistoryAfterSteps(int steps) {
  FHistory->CountSteps(steps);
  ShowRunState();
  if (FHistory->isVisible()) {
    FHistory->DrawTraces();
  }
}

void TMainForm::SpeedProbeWindowClick() {
  if (FHistory->isVisible()) {
    FHistory->hide();
  } else {
    FDrawing->CollectHistoryDevices(FHistory->HistoryDevices);
    FHistory->show();
  }
  Action("MenuLogicHistory")->setChecked(FHistory->isVisible());
}

void TMainForm::PopHistoryClick() {
  ChangeSelectedAs<THistoryDevice>(
      [](THistoryDevice& device) { device.Recorded = !device.Recorded; });
  RefreshHistory();
}

}  // namespace logivane
