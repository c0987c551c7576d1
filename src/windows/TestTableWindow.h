#pragma once

#include "testtable/TestRun.h"

#include <QMainWindow>

#include <memory>

class QListWidgetItem;
class QTimer;

namespace Ui {
class TTestTableWindow;
}

namespace logivane {

class TCircuitDocument;
class TTestTableEditor;
class TCircuitTestTable;
class TTestTableGrid;

/**
 * @brief The Test Table window: the table of the circuit being edited as text, its rows as a
 * grid, and Run Tests (F8), which runs every row and colours it green or red.
 *
 * The table is run on a copy of the circuit read back from the bytes a save would write, so
 * that the circuit on screen keeps its state and its modified flag. The window edits the
 * text that `TCircuitTestTable` keeps; it holds nothing that outlives a run but the grid.
 */
class TTestTableWindow : public QMainWindow {
  Q_OBJECT
public:
  TTestTableWindow(TCircuitTestTable& table, const TCircuitDocument& document,
                   QWidget* parent = nullptr);
  ~TTestTableWindow() override;

  /// Runs the table on a copy of the circuit and shows the outcome.
  TTestReport RunTests();
  TTestTableEditor& Editor() const;
  TTestTableGrid& Grid() const;

signals:
  /// A run ended with `summary`, such as "8 of 8 rows pass".
  void TestsRun(const QString& summary);

private:
  /// Shows the rows of the table as it reads now, with its errors, and no outcome.
  void ShowTable();
  void ShowErrors(const std::vector<TTestError>& errors, const TTestReport& report);
  void ShowSummary(const QString& text, bool passed);
  void ErrorChosen(const QListWidgetItem* item);

  std::unique_ptr<Ui::TTestTableWindow> FUi;
  TCircuitTestTable& FTable;
  const TCircuitDocument& FDocument;
  /// Waits for a pause in typing before the grid follows the text.
  QTimer* FReparse = nullptr;
};

}  // namespace logivane
