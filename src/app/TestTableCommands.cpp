#include "app/TestTableCommands.h"

#include "app/LibraryFolder.h"
#include "editor/CircuitDocument.h"
#include "editor/CircuitTestTable.h"
#include "editor/UserMessages.h"
#include "windows/TestTableWindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace logivane {

TTestTableCommands::TTestTableCommands(QMainWindow& window, const TCircuitDocument& document)
    : FWindow(window),
      FDocument(document),
      FTable(std::make_unique<TCircuitTestTable>()),
      FTableWindow(std::make_unique<TTestTableWindow>(*FTable, document, &window)),
      FSummary(new QLabel) {
}

TTestTableCommands::~TTestTableCommands() = default;

void TTestTableCommands::Create() {
  FSummary->setObjectName(QStringLiteral("TestTableSummary"));
  // Apart from the run state beside it, so that the two do not read as one phrase.
  FSummary->setContentsMargins(16, 0, 0, 0);
  FWindow.statusBar()->addPermanentWidget(FSummary);
  QObject::connect(FTableWindow.get(), &TTestTableWindow::TestsRun, FSummary, &QLabel::setText);
  // An outcome says nothing of another table or another circuit.
  QObject::connect(&FTable->Text(), &QTextDocument::contentsChanged, FSummary, &QLabel::clear);
  QObject::connect(&FDocument, &TCircuitDocument::LevelChanged, FSummary, &QLabel::clear);
}

void TTestTableCommands::Show() {
  FTableWindow->show();
  FTableWindow->raise();
  FTableWindow->activateWindow();
}

void TTestTableCommands::LoadBeside(const QString& circuitFile) {
  QString error;
  if (!FTable->LoadBeside(circuitFile, &error)) {
    // The circuit is open all the same; only its table is missing.
    UserMessages::Show(&FWindow, QMessageBox::Warning, error);
  }
}

bool TTestTableCommands::SaveBeside(const QString& circuitFile) {
  QString error;
  if (!FTable->SaveBeside(circuitFile, &error)) {
    UserMessages::Show(&FWindow, QMessageBox::Critical,
                       tr("The test table \"%1\" could not be written.\n%2")
                           .arg(TCircuitTestTable::PathBeside(circuitFile), error));
    return false;
  }
  return true;
}

bool TTestTableCommands::QuerySave(const std::function<bool()>& saveCircuit) {
  if (!FTable->Modified()) {
    return true;
  }
  switch (UserMessages::Ask(&FWindow, tr("The test table has changed, save it beside the circuit?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                            QMessageBox::Information)) {
    case QMessageBox::Yes:
      if (FDocument.FileName.isEmpty() || IsShippedFile(FDocument.FileName)) {
        return saveCircuit();
      }
      return SaveBeside(FDocument.FileName);
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

}  // namespace logivane
