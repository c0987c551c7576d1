#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QMainWindow;

namespace logivane {

class TCircuitDocument;
class TCircuitTestTable;
class TTestTableWindow;

/**
 * @brief The circuit's test table for the main window: its window, the outcome of a run in the
 * status bar, and the table's file beside the circuit's, read, written and asked about with it.
 */
class TTestTableCommands {
  Q_DECLARE_TR_FUNCTIONS(TTestTableCommands)
public:
  TTestTableCommands(QMainWindow& window, const TCircuitDocument& document);
  ~TTestTableCommands();

  /// Adds the outcome to the window's status bar; once the status bar is there.
  void Create();
  TCircuitTestTable& Table() const { return *FTable; }
  TTestTableWindow& Window() const { return *FTableWindow; }
  /// Shows the window over the circuit and brings it to the front.
  void Show();

  /// Reads the table beside `circuitFile`, saying so when one is there but cannot be read.
  void LoadBeside(const QString& circuitFile);
  /// Writes the table beside `circuitFile` if need be; says why when it cannot.
  bool SaveBeside(const QString& circuitFile);
  /// Asks to save a changed table before a command that replaces it; false to stop. Where the
  /// circuit has no file of its own, `saveCircuit` gives the table its place.
  bool QuerySave(const std::function<bool()>& saveCircuit);

private:
  QMainWindow& FWindow;
  const TCircuitDocument& FDocument;
  std::unique_ptr<TCircuitTestTable> FTable;
  /// Owned here rather than by Qt, so that it goes before the table whose text it shows.
  std::unique_ptr<TTestTableWindow> FTableWindow;
  /// The outcome of the last run.
  QLabel* FSummary = nullptr;
};

}  // namespace logivane
