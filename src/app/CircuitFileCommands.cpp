#include "app/CircuitFileCommands.h"

#include "app/TestTableCommands.h"
#include "dialogs/FileStatusDlg.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "editor/WaitCursor.h"
#include "simulation/cMacro.h"

#include <QDir>
#include <QFileInfo>

namespace logivane {

namespace {

const char* const WriteFailedMessage = QT_TRANSLATE_NOOP(
    "TCircuitFileCommands", "An error has occurred trying to write this Logivane file.");

/// Tells the user why a circuit could not be read: a missing file or a later version is
/// information, a file that is not a circuit or is damaged an error.
void ReportReadFailure(QWidget& parent, const TCircuitReadResult& result) {
  const bool information = result.Outcome == TCircuitReadOutcome::Missing ||
                           result.Outcome == TCircuitReadOutcome::LaterVersion;
  UserMessages::Show(&parent, information ? QMessageBox::Information : QMessageBox::Critical,
                     result.Message);
}

}  // namespace

TCircuitFileCommands::TCircuitFileCommands(QWidget& window, TCircuitDocument& document,
                                           TLogivaneDrawing& drawing, TTestTableCommands& testTable)
    : FWindow(window), FDocument(document), FDrawing(drawing), FTestTable(testTable) {
}

bool TCircuitFileCommands::Load(const QString& fileName) {
  if (!Read(fileName)) {
    return false;
  }
  FTestTable.LoadBeside(fileName);
  return true;
}

bool TCircuitFileCommands::Recover(const QString& copyPath, const QString& fileName) {
  if (!Read(copyPath)) {
    return false;
  }
  FDocument.FileName = fileName;
  FDocument.MarkUnsaved();
  // The table was not copied: it is the one beside the circuit's file, if it has one.
  FTestTable.LoadBeside(fileName.isEmpty() ? copyPath : fileName);
  return true;
}

bool TCircuitFileCommands::Read(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    ReportReadFailure(FWindow, ReadCircuitFile(fileName));
    return false;
  }
  if (!FStatus) {
    FStatus = new TFileStatusDialog(&FWindow);
  }
  TCircuitReadResult result;
  {
    TWaitCursor wait;
    FStatus->SetStatus(tr("Reading %1, please wait...").arg(QFileInfo(fileName).fileName()));
    FStatus->show();
    FStatus->repaint();
    result =
        FDocument.LoadFromFile(fileName, [this](int percent) { FStatus->ShowProgress(percent); });
    FStatus->hide();
  }
  if (!result.Succeeded()) {
    ReportReadFailure(FWindow, result);
    return false;
  }
  FDrawing.ResetCircuit();
  return true;
}

bool TCircuitFileCommands::Save(const QString& fileName) {
  FDrawing.LeaveEditingModes();
  TWaitCursor wait;
  QString error;
  if (!FDocument.SaveToFile(fileName, &error)) {
    UserMessages::Show(
        &FWindow, QMessageBox::Critical,
        tr(WriteFailedMessage) + "\n" + QDir::toNativeSeparators(fileName) + "\n" + error);
    return false;
  }
  // A level saved from inside a macro is a circuit of its own, which the table does not test.
  return FDocument.IsInsideMacro() || FTestTable.SaveBeside(fileName);
}

TMacro* TCircuitFileCommands::Insert(const QString& fileName, QPoint at) {
  FDrawing.LeaveEditingModes();
  TCircuitReadResult result;
  TMacro* macro = nullptr;
  {
    TWaitCursor wait;
    macro = FDocument.InsertMacroFile(fileName, at, FDrawing.Grid(), result);
  }
  if (!macro) {
    ReportReadFailure(FWindow, result);
    return nullptr;
  }
  FDrawing.Handles().Deselect();
  FDrawing.Select(macro);
  FDrawing.InvalidateAll();
  FDrawing.ResetCircuit();  // the new macro starts from its first state, and so does the rest
  FDrawing.SetModified(true);
  return macro;
}

}  // namespace logivane
