// The Circuit menu and the run tool bar: running the circuit by the clock, pausing, stepping,
// and the run state at the right end of the status bar.
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"
#include "windows/LogicAnalyserForm.h"

#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace logivane {

namespace {

const char* const StoppedHint = "Stopped: press Run (F9) or Step Circuit (F12) to see the effect";
/// Long enough to read and to find the Run button; a run or a step takes the hint away sooner.
constexpr int StoppedHintMilliseconds = 15000;

}  // namespace

void TMainForm::CreateRunState() {
  FRunState = new QLabel(this);
  FRunState->setObjectName(QStringLiteral("RunState"));
  statusBar()->addPermanentWidget(FRunState);
  // A stopped circuit computes nothing, so after a click on an input the Run button stands out
  // as the thing to press.
  findChild<QToolBar*>(QStringLiteral("RunToolBar"))
      ->setStyleSheet(QStringLiteral("QToolButton[ready=\"true\"] { background-color: "
                                     "palette(highlight); border-radius: 3px; }"));
  connect(Action("SpeedRun"), &QAction::toggled, this, &TMainForm::ShowRunState);
  connect(Action("SpeedPause"), &QAction::toggled, this, &TMainForm::ShowRunState);
  connect(FDrawing, &TLogivaneDrawing::OnDevicePressed, this, &TMainForm::DevicePressed);
  ShowRunState();
}

void TMainForm::ShowRunState() {
  if (!Action("SpeedRun")->isChecked()) {
    FRunState->setText(tr("Stopped"));
    return;
  }
  EndStoppedHint();
  // The cycle under way, counted as the Logic History counts the completed ones.
  const int cycle = FLogicHistory->CompletedCycles() + 1;
  FRunState->setText(Action("SpeedPause")->isChecked() ? tr("Paused \u00b7 cycle %1").arg(cycle)
                                                       : tr("Running \u00b7 cycle %1").arg(cycle));
}

void TMainForm::DevicePressed() {
  if (Action("SpeedRun")->isChecked()) {
    return;  // the next step shows the effect
  }
  statusBar()->showMessage(tr(StoppedHint), StoppedHintMilliseconds);
  SetRunReady(true);
}

void TMainForm::EndStoppedHint() {
  if (statusBar()->currentMessage() == tr(StoppedHint)) {
    statusBar()->clearMessage();
  }
  SetRunReady(false);
}

void TMainForm::SetRunReady(bool ready) {
  QWidget* run =
      findChild<QToolBar*>(QStringLiteral("RunToolBar"))->widgetForAction(Action("SpeedRun"));
  if (run->property("ready").toBool() == ready) {
    return;
  }
  run->setProperty("ready", ready);
  run->style()->unpolish(run);
  run->style()->polish(run);
}

void TMainForm::SpeedRunClick() {
  // Every press of Run, down or up, starts from a reset circuit.
  if (Action("SpeedRun")->isChecked()) {
    FClock->start();
  } else {
    FClock->stop();
  }
  FDrawing->HideNotice();
  FDrawing->ResetCircuit();
  RefreshLogicHistory();
}

void TMainForm::MenuRunClick() {
  Action("SpeedRun")->setChecked(true);
  SpeedRunClick();
}

void TMainForm::SpeedStopClick() {
  // A pause left down would make the next Run look dead.
  Action("SpeedPause")->setChecked(false);
  Action("SpeedRun")->setChecked(false);
}

void TMainForm::MenuPauseClick() {
  QAction* pause = Action("SpeedPause");
  pause->setChecked(!pause->isChecked());
}

void TMainForm::SpeedStepClick() {
  EndStoppedHint();
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
