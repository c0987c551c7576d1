#include "app/RunCommands.h"

#include "app/MainUnit.h"
#include "app/MemoryCommands.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "windows/EditMemoryDlg.h"
#include "windows/LogicAnalyserForm.h"

#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace logivane {

namespace {

const char* const StoppedHint = QT_TRANSLATE_NOOP(
    "TRunCommands", "Stopped: press Run (F9) or Step Circuit (F12) to see the effect");
/// Long enough to read and to find the Run button; a run or a step takes the hint away sooner.
constexpr int StoppedHintMilliseconds = 15000;

}  // namespace

TRunCommands::TRunCommands(TMainForm& window, TLogivaneDrawing& drawing)
    : FWindow(window), FDrawing(drawing) {
}

void TRunCommands::Create() {
  FRunState = new QLabel(&FWindow);
  FRunState->setObjectName(QStringLiteral("RunState"));
  FWindow.statusBar()->addPermanentWidget(FRunState);
  // A stopped circuit computes nothing, so after a click on an input the Run button stands out
  // as the thing to press.
  FWindow.findChild<QToolBar*>(QStringLiteral("RunToolBar"))
      ->setStyleSheet(QStringLiteral("QToolButton[ready=\"true\"] { background-color: "
                                     "palette(highlight); border-radius: 3px; }"));
  for (const char* name : {"SpeedRun", "SpeedPause"}) {
    QObject::connect(FWindow.Action(name), &QAction::toggled, &FWindow, [this] { ShowRunState(); });
  }
  QObject::connect(&FDrawing, &TLogivaneDrawing::OnDevicePressed, &FWindow,
                   [this] { DevicePressed(); });
  QObject::connect(&FDrawing.Document(), &TCircuitDocument::StepsForgotten, &FWindow,
                   [this] { ForgetSamplesAhead(); });
  ShowRunState();
  ShowStepsRemembered();
}

void TRunCommands::ShowRunState() {
  if (!FWindow.Action("SpeedRun")->isChecked()) {
    FRunState->setText(tr("Stopped"));
    return;
  }
  EndStoppedHint();
  // The cycle under way, counted as the Logic History counts the completed ones.
  const int cycle = FWindow.LogicHistory().CompletedCycles() + 1;
  FRunState->setText(FWindow.Action("SpeedPause")->isChecked()
                         ? tr("Paused \u00b7 cycle %1").arg(cycle)
                         : tr("Running \u00b7 cycle %1").arg(cycle));
}

void TRunCommands::DevicePressed() {
  ForgetSamplesAhead();  // operating an input forgot the steps ahead
  if (FWindow.Action("SpeedRun")->isChecked()) {
    return;  // the next step shows the effect
  }
  FWindow.statusBar()->showMessage(tr(StoppedHint), StoppedHintMilliseconds);
  SetRunReady(true);
}

void TRunCommands::EndStoppedHint() {
  if (FWindow.statusBar()->currentMessage() == tr(StoppedHint)) {
    FWindow.statusBar()->clearMessage();
  }
  SetRunReady(false);
}

void TRunCommands::SetRunReady(bool ready) {
  QWidget* run = FWindow.findChild<QToolBar*>(QStringLiteral("RunToolBar"))
                     ->widgetForAction(FWindow.Action("SpeedRun"));
  if (run->property("ready").toBool() == ready) {
    return;
  }
  run->setProperty("ready", ready);
  run->style()->unpolish(run);
  run->style()->polish(run);
}

void TRunCommands::SpeedRunClick() {
  // Every press of Run, down or up, starts from a reset circuit.
  if (FWindow.Action("SpeedRun")->isChecked()) {
    FWindow.Clock().start();
  } else {
    FWindow.Clock().stop();
  }
  FDrawing.HideNotice();
  FDrawing.ResetCircuit();
  FWindow.RefreshLogicHistory();
}

void TRunCommands::MenuRunClick() {
  FWindow.Action("SpeedRun")->setChecked(true);
  SpeedRunClick();
}

void TRunCommands::SpeedStopClick() {
  // A pause left down would make the next Run look dead.
  FWindow.Action("SpeedPause")->setChecked(false);
  FWindow.Action("SpeedRun")->setChecked(false);
}

void TRunCommands::MenuPauseClick() {
  QAction* pause = FWindow.Action("SpeedPause");
  pause->setChecked(!pause->isChecked());
}

void TRunCommands::SpeedStepClick() {
  EndStoppedHint();
  const int steps = FWindow.HalfCycle ? 1 : 2;
  for (int step = 0; step < steps; ++step) {
    FDrawing.Step();
  }
  AfterSteps(steps);
}

void TRunCommands::SpeedStepBackClick() {
  EndStoppedHint();
  if (const int back = FDrawing.Document().Steps().StepBack(FWindow.HalfCycle ? 1 : 2); back > 0) {
    FDrawing.ShowRestoredStep();
    AfterSteps(-back);
  }
}

void TRunCommands::GoToSample(int steps) {
  // The Logic History counts from the reset, the remembered steps from where they began.
  const int moved = steps - (FWindow.LogicHistory().CycleCount - 1);
  TStepHistory& remembered = FDrawing.Document().Steps();
  if (moved != 0 && remembered.GoTo(remembered.Shown() + moved)) {
    FDrawing.ShowRestoredStep();
    AfterSteps(moved);
  }
}

void TRunCommands::RunCircuit() {
  if (!FWindow.Action("SpeedRun")->isChecked() || FWindow.Action("SpeedPause")->isChecked()) {
    return;
  }
  const SimResult result = FDrawing.Step();
  if (result.Race || result.Contention) {
    FWindow.Action("SpeedRun")->setChecked(false);
  }
  AfterSteps(1);
}

void TRunCommands::AfterSteps(int steps) {
  TEditContentsDialog& memory = FWindow.Memory().Contents();
  if (memory.isVisible()) {
    memory.FollowAccess();
  }
  TAnalyserForm& history = FWindow.LogicHistory();
  history.CountSteps(steps);
  ShowRunState();
  ShowStepsRemembered();
  if (history.isVisible()) {
    history.DrawTraces();
  }
}

void TRunCommands::ShowStepsRemembered() {
  const bool past = FDrawing.Document().Steps().Past() > 0;
  FWindow.Action("SpeedStepBack")->setEnabled(past);
  FWindow.Action("MenuStepBack")->setEnabled(past);
  FWindow.LogicHistory().SetStepBackEnabled(past);
  FWindow.LogicHistory().ShowStepCursor(FWindow.LogicHistory().CycleCount - 1);
}

void TRunCommands::ForgetSamplesAhead() {
  TAnalyserForm& history = FWindow.LogicHistory();
  for (THistoryDevice* device : history.HistoryDevices) {
    device->TrimHistory(history.CycleCount - 1);
  }
  ShowStepsRemembered();
  if (history.isVisible()) {
    history.DrawTraces();
  }
}

}  // namespace logivane
