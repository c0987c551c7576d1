#pragma once

#include <QCoreApplication>

class QLabel;

namespace logivane {

class TLogivaneDrawing;
class TMainForm;

/**
 * @brief The Circuit menu and the run tool bar: running the circuit by the clock, pausing,
 * stepping, the windows that follow each step, and the run state at the right end of the
 * status bar.
 *
 * The run state is the state of the Run and Pause buttons, whichever command pressed them.
 */
class TRunCommands {
  Q_DECLARE_TR_FUNCTIONS(TRunCommands)
public:
  TRunCommands(TMainForm& window, TLogivaneDrawing& drawing);

  /// Adds the run state to the status bar; after the tool bars are built.
  void Create();
  void SpeedRunClick();
  void MenuRunClick();
  void SpeedStopClick();
  void MenuPauseClick();
  /// Runs one simulation step (half a clock cycle) when the window asks for half cycles, two
  /// otherwise.
  void SpeedStepClick();
  /// Sets the circuit back as far as a step runs it forward, as far as that is remembered.
  void SpeedStepBackClick();
  /// Sets the circuit to the state after `steps` steps since the reset, when remembered; the
  /// Logic History's sample columns ask for it.
  void GoToSample(int steps);
  /// One tick of the clock: a step, unless the circuit is stopped or paused.
  void RunCircuit();
  /// The run state label: "Stopped", or running or paused with the cycle count.
  QLabel& RunState() const { return *FRunState; }
  void ShowRunState();

private:
  /// A press on an input of a stopped circuit changes nothing downstream: says how to see it.
  void DevicePressed();
  void EndStoppedHint();
  /// Makes the Run button stand out, or look as usual.
  void SetRunReady(bool ready);
  /// Counts the steps one command or tick ran (back when negative), and shows their samples
  /// and the memory words.
  void AfterSteps(int steps);
  /// Step Back can be used while earlier steps are remembered.
  void ShowStepsRemembered();
  /// The steps remembered ahead were forgotten: so are their samples.
  void ForgetSamplesAhead();

  TMainForm& FWindow;
  TLogivaneDrawing& FDrawing;
  QLabel* FRunState = nullptr;
};

}  // namespace logivane
