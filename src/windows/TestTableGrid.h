#pragma once

#include <QColor>
#include <QTableWidget>

namespace logivane {

class TTestTable;
struct TTestReport;

/**
 * @brief The rows of a test table as a grid: the table line, one column per input and one per
 * output. Before a run it shows what each row sets and expects; after one each row is green or
 * red, and a failing output shows what was expected and what the circuit gave.
 */
class TTestTableGrid : public QTableWidget {
  Q_OBJECT
public:
  /// Behind the rows that passed and those that failed.
  static const QColor PassColour;
  static const QColor FailColour;

  explicit TTestTableGrid(QWidget* parent = nullptr);

  /// Shows the rows of `table`, not yet run.
  void ShowTable(const TTestTable& table);
  /// Shows `report`, the run of `table`.
  void ShowReport(const TTestTable& table, const TTestReport& report);
  /// The table line of grid row `row`; 0 when there is none.
  int LineOfRow(int row) const;

private:
  void SetHeader(const TTestTable& table);
  void SetCell(int row, int column, const QString& text);
};

}  // namespace logivane
