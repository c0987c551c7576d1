#include "windows/TestTableGrid.h"

#include "testtable/TestRun.h"

#include <QHeaderView>

namespace logivane {

namespace {

/// The first column holds the table line of the row.
constexpr int LineColumn = 0;

QString ExpectedText(const TExpectedValue& expected) {
  if (!expected.Value) {
    return QStringLiteral("X");
  }
  return expected.Hex ? QStringLiteral("0x") + QString::number(*expected.Value, 16).toUpper()
                      : QString::number(*expected.Value);
}

}  // namespace

const QColor TTestTableGrid::PassColour(0xcc, 0xf0, 0xcc);
const QColor TTestTableGrid::FailColour(0xf8, 0xcc, 0xcc);

TTestTableGrid::TTestTableGrid(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
}

void TTestTableGrid::SetHeader(const TTestTable& table) {
  QStringList captions{tr("Line")};
  captions << table.InputNames() << table.OutputNames();
  clear();
  setColumnCount(static_cast<int>(captions.size()));
  setHorizontalHeaderLabels(captions);
  setRowCount(table.RowCount());
}

void TTestTableGrid::SetCell(int row, int column, const QString& text) {
  auto* cell = new QTableWidgetItem(text);
  cell->setTextAlignment(column == LineColumn ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignCenter);
  setItem(row, column, cell);
}

void TTestTableGrid::ShowTable(const TTestTable& table) {
  SetHeader(table);
  const int outputsFrom = 1 + static_cast<int>(table.InputNames().size());
  for (int row = 0; row < table.RowCount(); ++row) {
    const TTestRow& source = table.Rows()[row];
    SetCell(row, LineColumn, QString::number(source.Line));
    for (int i = 0; i < static_cast<int>(source.Inputs.size()); ++i) {
      SetCell(row, 1 + i, InputValueText(source.Inputs[i]));
    }
    for (int i = 0; i < static_cast<int>(source.Outputs.size()); ++i) {
      SetCell(row, outputsFrom + i, ExpectedText(source.Outputs[i]));
    }
  }
}

void TTestTableGrid::ShowReport(const TTestTable& table, const TTestReport& report) {
  ShowTable(table);
  const int outputsFrom = 1 + static_cast<int>(table.InputNames().size());
  const int rows = std::min(rowCount(), static_cast<int>(report.Rows.size()));
  for (int row = 0; row < rows; ++row) {
    const TTestRowResult& result = report.Rows[row];
    for (int i = 0; i < static_cast<int>(result.Outputs.size()); ++i) {
      const TTestCell& cell = result.Outputs[i];
      SetCell(
          row, outputsFrom + i,
          cell.Passed ? cell.Actual : tr("expected %1, got %2").arg(cell.Expected, cell.Actual));
    }
    const QColor colour = result.Passed() ? PassColour : FailColour;
    for (int column = 0; column < columnCount(); ++column) {
      if (QTableWidgetItem* cell = item(row, column)) {
        cell->setBackground(colour);
        cell->setForeground(Qt::black);  // the tints are light whatever the desktop's colours
        cell->setToolTip(result.Passed() ? QString() : result.FailureText());
      }
    }
  }
}

int TTestTableGrid::LineOfRow(int row) const {
  const QTableWidgetItem* cell = item(row, LineColumn);
  return cell ? cell->text().toInt() : 0;
}

}  // namespace logivane
