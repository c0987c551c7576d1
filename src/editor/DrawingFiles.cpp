#include "dialogs/FileStatusDlg.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/EditHistory.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "editor/WaitCursor.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"

#include <QFileInfo>

namespace logivane {

namespace {

const char* const WriteFailedMessage = "An error has occurred trying to write this Logivane file.";

/// Tells the user why a circuit could not be read: a missing file or a later version is
/// information, a file that is not a circuit or is damaged an error.
void ReportReadFailure(QWidget* parent, const TCircuitReadResult& result) {
  const bool information = result.Outcome == TCircuitReadOutcome::Missing ||
                           result.Outcome == TCircuitReadOutcome::LaterVersion;
  UserMessages::Show(parent, information ? QMessageBox::Information : QMessageBox::Critical,
                     result.Message);
}

}  // namespace

TFileStatusDialog& TLogivaneDrawing::FileStatus() {
  if (!FFileStatus) {
    FFileStatus = new TFileStatusDialog(this);
  }
  return *FFileStatus;
}

bool TLogivaneDrawing::SaveToFile(const QString& fileName) {
  LeaveEditingModes();
  TWaitCursor wait;
  QString error;
  if (!SaveCircuitFile(fileName, *FCircuit, MacroName, &error)) {
    UserMessages::Show(this, QMessageBox::Critical, tr(WriteFailedMessage) + "\n" + error);
    return false;
  }
  FileName = fileName;
  SetModified(false);
  return true;
}

bool TLogivaneDrawing::LoadFromFile(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    ReportReadFailure(this, ReadCircuitFile(fileName));
    return false;
  }
  LeaveEditingModes();
  FHandles->Deselect();
  HideNotice();
  TCircuitReadResult result;
  {
    TWaitCursor wait;
    TFileStatusDialog& status = FileStatus();
    status.SetStatus(tr("Reading %1, please wait...").arg(QFileInfo(fileName).fileName()));
    status.show();
    status.repaint();
    result = ReadCircuitFile(fileName, [&status](int percent) { status.ShowProgress(percent); });
    status.hide();
  }
  if (!result.Succeeded()) {
    ReportReadFailure(this, result);
    return false;
  }
  ReplaceCircuit(std::move(result.Circuit));
  FileName = fileName;
  MacroName = result.MacroName;
  if (FEditHistory) {
    FEditHistory->Reset();
  }
  SetModified(false);
  ResetCircuit();
  return true;
}

bool TLogivaneDrawing::InsertMacroFile(const QString& fileName, int x, int y, bool select) {
  LeaveEditingModes();
  TCircuitReadResult result;
  {
    TWaitCursor wait;
    result = ReadCircuitFile(fileName);
  }
  if (!result.Succeeded()) {
    ReportReadFailure(this, result);
    return false;
  }
  TMacro& macro = *result.Circuit;
  macro.Closed = true;
  macro.IsSubCircuit = true;
  macro.Displayed = false;
  // The body, without its pins, is centred on the point with its top-left corner on the grid.
  const bool pinsVisible = macro.PinsVisible;
  macro.PinsVisible = false;
  const TFloatRect body = macro.GetFloatBounds();
  macro.Translate(-body.MinX, -body.MinY);
  const QPoint corner = Grid().SnapPoint(QPoint(RoundToInt(x - (body.MaxX - body.MinX) / 2),
                                                RoundToInt(y - (body.MaxY - body.MinY) / 2)));
  macro.Translate(static_cast<float>(corner.x()), static_cast<float>(corner.y()));
  macro.Remap();
  macro.PinsVisible = pinsVisible;
  FCircuit->Devices().Add(std::move(result.Circuit));
  NameNextEdit(tr("Insert Macro"));
  if (select) {
    FHandles->Deselect();
    Select(&macro);
  }
  InvalidateBounds(macro);
  NetlistDirty = true;
  ResetCircuit();
  SetModified(true);
  return true;
}

}  // namespace logivane
