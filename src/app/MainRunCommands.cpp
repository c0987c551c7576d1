// The Circuit menu and the run tool bar: running the circuit by the clock, pausing, stepping.
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"

#include <QTimer>

namespace logivane {

void TMainForm::SpeedRunClick() {
  // Every press of Run, down or up, starts from a reset circuit.
  if (Action("SpeedRun")->isChecked()) {
    FClock->start();
  } else {
    FClock->stop();
  }
  FDrawing->HideNotice();
  FDrawing->ResetCircuit();
  RefreshHistory();
}

void TMainForm::MenuRunClick() {
  Action("SpeedRun")->setChecked(true);
  SpeedRunClick();
}

void TMainForm::SpeedStopClick() {
  Action("SpeedRun")->setChecked(false);
}

void TMainForm::MenuPauseClick() {
  QAction* pause = Action("SpeedPause");
  pause->setChecked(!pause->isChecked());
}

void TMainForm::SpeedStepClick() {
  const int steps = HalfCycle ? 1 : 2;
  for (int step = 0; step < steps; ++step) {
    FDrawing->Step();
  }
  FollowMemoryAccess();
  HistoryAfterSteps(steps);
}

void TMainForm::RunCircuit() {
  if (!Action("SpeedRun")->isChecked() || Action("SpeedPause")->isChecked()) {
    return;
  }
  const SimResult result = FDrawing->Step();
  if (result.Race || result.Contention) {
    Action("SpeedRun")->setChecked(false);
  }
  FollowMemoryAccess();
  HistoryAfterSteps(1);
}

}  // namespace logivane
