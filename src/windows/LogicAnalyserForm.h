#pragma once

#include "windows/HistoryExport.h"
#include "windows/HistoryTraces.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QLabel;

namespace Ui {
class TAnalyserForm;
}

namespace logivane {

class TCycleLengthBox;
class THistoryDevice;

/**
 * @brief The Logic History: the levels that the recorded devices had after each simulation
 * step, as a timing diagram or as rows of "0" and "1", with buttons that run the main
 * window's circuit.
 *
 * The window holds no samples: the devices record them. It refers to the devices it shows, so
 * whoever removes a device from the circuit must rebuild `HistoryDevices` (the drawing's
 * `CollectHistoryDevices`) and call `ResetHistory` before the window paints again.
 */
class TAnalyserForm : public QMainWindow {
  Q_OBJECT
public:
  /// Asks where to export; returns the file name (empty when cancelled) and sets the format
  /// of the file type chosen.
  using TExportChooser = std::function<QString(QWidget* parent, THistoryFormat& format)>;

  explicit TAnalyserForm(QWidget* parent = nullptr);
  ~TAnalyserForm() override;

  /// The devices shown, in row order; the window does not own them.
  std::vector<THistoryDevice*> HistoryDevices;
  /// Simulation steps (half clock cycles) since the last reset, plus 1.
  int CycleCount = 1;
  /// Whole clock cycles since the last reset: two steps make a cycle.
  int CompletedCycles() const { return (CycleCount - 1) / 2; }
  /// Some shown device is a clock or a bit generator.
  bool HasClockSource = false;
  /// The export's save dialog; tests replace it.
  TExportChooser ChooseExportFile;

  /// Paints the background around the traces in the screen's scheme, after a change of theme.
  void FollowScheme();
  /// Resets the shown devices, which empties their samples, and starts counting again.
  void ResetHistory();
  /// Shows the samples recorded so far and the cycles completed.
  void DrawTraces();
  /// Counts `steps` simulation steps run by one command or tick.
  void CountSteps(int steps);
  /// Clock cycles shown: 4 to 256.
  int CycleLength() const;
  bool TimingDiagram() const;
  /// Writes the shown signals to `fileName`, telling the user when that fails.
  bool ExportTo(const QString& fileName, THistoryFormat format);
  /// Marks the state that the circuit shows: `shownSteps` steps after the last reset. The
  /// samples after it, which the circuit went back from, are drawn faded; with no such samples
  /// the cursor marks the last.
  void ShowStepCursor(int shownSteps);
  /// Whether numeric displays are drawn as bus lanes.
  bool ShowBusValues() const;
  void SetShowBusValues(bool show);

  /// The run buttons follow the main window's.
  void SetRunDown(bool down);
  void SetPauseDown(bool down);
  /// Step Back can be used while earlier steps are remembered.
  void SetStepBackEnabled(bool enabled);

protected:
  void showEvent(QShowEvent* event) override;

  void hideEvent(QHideEvent* event) override;

signals:
  /// The window was shown or hidden, by whatever command or by its own menu.
  void VisibilityChanged(bool visible);
  void RunClicked(bool down);
  void StopClicked();
  void PauseClicked(bool down);
  void StepClicked();
  void StepBackClicked();
  /// A sample's column was clicked: the user asks for the state `steps` steps after the reset.
  void SampleChosen(int steps);

private:
  void ShowNames();
  void ExportClick();
  void CycleLengthChanged();
  void DisplayModeChanged();
  /// Sizes the trace box for the samples shown; grown, it scrolls to the newest samples.
  void FitTraceBox();
  void UpdateStatus();

  std::unique_ptr<Ui::TAnalyserForm> FUi;
  TCycleLengthBox* FCycleLength = nullptr;
  QLabel* FStatusPanel = nullptr;
  THistoryPainter FPainter;
  /// The trace scroll bar's range when last seen, to tell when the traces grew.
  int FShownRange = 0;
};

}  // namespace logivane
