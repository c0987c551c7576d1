#include "windows/TestTableWindow.h"

#include "dialogs/HelpTopics.h"
#include "editor/CircuitDocument.h"
#include "editor/CircuitTestTable.h"
#include "editor/WaitCursor.h"
#include "simulation/cMacro.h"
#include "ui_TestTableWindow.h"
#include "windows/ControlLabels.h"
#include "windows/TestTableEditor.h"
#include "windows/TestTableGrid.h"

#include <QTimer>

namespace logivane {

namespace {

constexpr int ReparseDelayMs = 300;
/// Where an error points, kept with its entry in the list.
constexpr int LineRole = Qt::UserRole;
constexpr int ColumnRole = Qt::UserRole + 1;

/// The circuit as a save would write it and a read give it back: running it cannot reach the
/// circuit on screen. Null, with `error` saying why, if the bytes do not read back.
std::unique_ptr<TMacro> CircuitCopy(const TCircuitDocument& document, QString& error) {
  TCircuitReadResult read = ReadCircuitBytes(CircuitBytes(document.Root(), document.MacroName));
  if (!read.Succeeded()) {
    error = read.Message;
    return nullptr;
  }
  // As the editor has its root: the top level, open and on screen.
  read.Circuit->Closed = false;
  read.Circuit->Displayed = true;
  read.Circuit->IsSubCircuit = false;
  return std::move(read.Circuit);
}

}  // namespace

TTestTableWindow::TTestTableWindow(TCircuitTestTable& table, const TCircuitDocument& document,
                                   QWidget* parent)
    // A window of its own rather than a tool window: a tool window also takes the main
    // window's shortcuts, and the main window's F1 would then make this window's F1 ambiguous.
    : QMainWindow(parent, Qt::Window),
      FUi(std::make_unique<Ui::TTestTableWindow>()),
      FTable(table),
      FDocument(document),
      FReparse(new QTimer(this)) {
  FUi->setupUi(this);
  setObjectName(QStringLiteral("TestTableWindow"));
  FUi->TableText->setDocument(&FTable.Text());
  FReparse->setSingleShot(true);
  FReparse->setInterval(ReparseDelayMs);
  connect(FReparse, &QTimer::timeout, this, &TTestTableWindow::ShowTable);
  connect(&FTable.Text(), &QTextDocument::contentsChanged, FReparse, qOverload<>(&QTimer::start));
  connect(FUi->TestRunTests, &QAction::triggered, this, &TTestTableWindow::RunTests);
  connect(FUi->RunTests, &QPushButton::clicked, FUi->TestRunTests, &QAction::trigger);
  connect(FUi->TableErrors, &QListWidget::itemClicked, this, &TTestTableWindow::ErrorChosen);
  connect(FUi->TableErrors, &QListWidget::itemActivated, this, &TTestTableWindow::ErrorChosen);
  connect(FUi->TestClose, &QAction::triggered, this, &TTestTableWindow::close);
  ConnectHelpTopic(*FUi->TestHelpTopics, QStringLiteral("testtables.htm"));
  FUi->TestSplitter->setStretchFactor(0, 1);
  FUi->TestSplitter->setStretchFactor(1, 1);
  ShowTable();
  ControlLabels::Label(*this);
}

TTestTableWindow::~TTestTableWindow() {
  // The document outlives the window: the editor must not delete it nor keep listening.
  FUi->TableText->setDocument(nullptr);
}

TTestTableEditor& TTestTableWindow::Editor() const {
  return *FUi->TableText;
}

TTestTableGrid& TTestTableWindow::Grid() const {
  return *FUi->TestGrid;
}

void TTestTableWindow::ShowTable() {
  FReparse->stop();
  std::vector<TTestError> errors;
  const QString text = FTable.PlainText();
  const TTestTable table = TTestTable::Parse(text, errors);
  FUi->TestGrid->ShowTable(table);
  // A table not yet begun is no mistake; Run Tests still says what it lacks.
  ShowErrors(text.trimmed().isEmpty() ? std::vector<TTestError>() : errors, {});
  ShowSummary({}, true);
}

TTestReport TTestTableWindow::RunTests() {
  FReparse->stop();
  TWaitCursor wait;
  std::vector<TTestError> errors;
  const TTestTable table = TTestTable::Parse(FTable.PlainText(), errors);
  TTestReport report;
  QString copyError;
  std::unique_ptr<TMacro> circuit = errors.empty() ? CircuitCopy(FDocument, copyError) : nullptr;
  if (circuit) {
    report = RunTestTable(*circuit, table);
  } else if (!copyError.isEmpty()) {
    errors.push_back({0, 0, copyError});
  }
  errors.insert(errors.end(), report.Errors.begin(), report.Errors.end());
  FUi->TestGrid->ShowReport(table, report);
  ShowErrors(errors, report);
  const QString summary =
      errors.empty() ? report.Summary() : tr("The table has errors: no row was run");
  ShowSummary(summary, errors.empty() && report.AllPass());
  emit TestsRun(summary);
  return report;
}

void TTestTableWindow::ShowErrors(const std::vector<TTestError>& errors,
                                  const TTestReport& report) {
  FUi->TableErrors->clear();
  auto add = [this](int line, int column, const QString& text) {
    auto* entry = new QListWidgetItem(text, FUi->TableErrors);
    entry->setData(LineRole, line);
    entry->setData(ColumnRole, column);
  };
  for (const TTestError& error : errors) {
    add(error.Line, error.Column, error.Line > 0 ? error.ToString() : error.Message);
  }
  // A row that raced or shorted is listed too, so that its line is a click away.
  for (const TTestRowResult& row : report.Rows) {
    if (!row.Fault.isEmpty()) {
      add(row.Line, 1, tr("line %1: %2").arg(row.Line).arg(row.FailureText()));
    }
  }
}

void TTestTableWindow::ShowSummary(const QString& text, bool passed) {
  FUi->TestSummary->setText(text);
  FUi->TestSummary->setStyleSheet(text.isEmpty() || passed ? QString()
                                                           : QStringLiteral("color: #b00000"));
}

void TTestTableWindow::ErrorChosen(const QListWidgetItem* item) {
  const int line = item->data(LineRole).toInt();
  if (line > 0) {
    FUi->TableText->MoveCursorTo(line, item->data(ColumnRole).toInt());
  }
}

}  // namespace logivane
