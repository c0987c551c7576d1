// The Test Table: its window, the outcome in the status bar, and the question before a changed
// table is dropped.
#include "app/CircuitFileCommands.h"
#include "app/LibraryFolder.h"
#include "app/MainUnit.h"
#include "editor/CircuitDocument.h"
#include "editor/TestTableFile.h"
#include "editor/UserMessages.h"
#include "windows/TestTableWindow.h"

#include <QLabel>
#include <QStatusBar>

namespace logivane {

void TMainForm::ConnectTestTable() {
  FTestSummary->setObjectName(QStringLiteral("TestTableSummary"));
  statusBar()->addPermanentWidget(FTestSummary);
  connect(FTestTableWindow.get(), &TTestTableWindow::TestsRun, FTestSummary, &QLabel::setText);
  // An outcome says nothing of another table or another circuit.
  connect(&FTestTable->Text(), &QTextDocument::contentsChanged, FTestSummary, &QLabel::clear);
  connect(FDocument, &TCircuitDocument::LevelChanged, FTestSummary, &QLabel::clear);
}

void TMainForm::TestTableClick() {
  FTestTableWindow->show();
  FTestTableWindow->raise();
  FTestTableWindow->activateWindow();
}

bool TMainForm::QuerySaveTestTable(const std::function<bool()>& save) {
  if (!FTestTable->Modified()) {
    return true;
  }
  switch (UserMessages::Ask(this, tr("The test table has changed, save it beside the circuit?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                            QMessageBox::Information)) {
    case QMessageBox::Yes:
      // Where the circuit has no file of its own yet, saving it gives the table its place.
      if (FDocument->FileName.isEmpty() || IsShippedFile(FDocument->FileName)) {
        return save();
      }
      return FFiles->SaveTestTable(FDocument->FileName);
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

}  // namespace logivane
