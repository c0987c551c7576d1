// The Logic History window: showing it, choosing its devices, and its run buttons, which give
// the main window's run commands.
#include "app/MainUnit.h"
#include "app/RunCommands.h"
#include "app/Selection.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "windows/LogicAnalyserForm.h"

#include <QMenu>

namespace logivane {

void TMainForm::ConnectLogicHistory() {
  connect(FLogicHistory, &TAnalyserForm::RunClicked, this, [this](bool down) {
    Action("SpeedRun")->setChecked(down);
    FRun->SpeedRunClick();
  });
  connect(FLogicHistory, &TAnalyserForm::StopClicked, this, [this] { FRun->SpeedStopClick(); });
  connect(FLogicHistory, &TAnalyserForm::PauseClicked, Action("SpeedPause"), &QAction::setChecked);
  connect(FLogicHistory, &TAnalyserForm::StepClicked, this, [this] { FRun->SpeedStepClick(); });
  connect(FLogicHistory, &TAnalyserForm::StepBackClicked, this,
          [this] { FRun->SpeedStepBackClick(); });
  // A sample column takes the circuit to its step, backwards or forwards.
  connect(FLogicHistory, &TAnalyserForm::SampleChosen, this,
          [this](int steps) { FRun->GoToSample(steps); });
  // The window's buttons show the run state whichever command changed it.
  connect(Action("SpeedRun"), &QAction::toggled, FLogicHistory, &TAnalyserForm::SetRunDown);
  connect(Action("SpeedPause"), &QAction::toggled, FLogicHistory, &TAnalyserForm::SetPauseDown);
  // The window closes by its own menu too, so the tick follows the window itself.
  connect(FLogicHistory, &TAnalyserForm::VisibilityChanged, Action("MenuLogicHistory"),
          &QAction::setChecked);

  // The window refers to devices of the level shown: a new level or a deletion rebuilds its
  // list before it can paint a device that has gone.
  connect(FDrawing, &TLogivaneDrawing::OnLevelChanged, this, &TMainForm::RefreshLogicHistory);
  connect(FDrawing, &TLogivaneDrawing::OnObjectsRemoved, this, &TMainForm::RefreshLogicHistory);
  // A reset empties the devices' samples, so the cycles are counted again from there.
  connect(FDrawing, &TLogivaneDrawing::OnCircuitReset, this, &TMainForm::RefreshLogicHistory);
}

void TMainForm::RefreshLogicHistory() {
  FDrawing->CollectHistoryDevices(FLogicHistory->HistoryDevices);
  FLogicHistory->ResetHistory();
  FDrawing->Document().ForgetSteps();  // the reset sources no longer run as they were stepped
  FRun->ShowRunState();
}

void TMainForm::SpeedProbeWindowClick() {
  if (FLogicHistory->isVisible()) {
    FLogicHistory->hide();
  } else {
    FDrawing->CollectHistoryDevices(FLogicHistory->HistoryDevices);
    FLogicHistory->show();
  }
}

void TMainForm::PopHistoryClick() {
  FSelection->ChangeAs<THistoryDevice>(
      [](THistoryDevice& device) { device.Recorded = !device.Recorded; });
  RefreshLogicHistory();
}

}  // namespace logivane
