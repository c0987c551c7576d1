// The File menu: new, open, reopen, save, save as, the recent files and the caption.
#include "app/CircuitFileCommands.h"
#include "app/LibraryFolder.h"
#include "app/MainMenus.h"
#include "app/MainUnit.h"
#include "app/TestTableCommands.h"
#include "editor/CircuitDocument.h"
#include "editor/CircuitTestTable.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "windows/PartsUnit.h"
#include "windows/TemplateForm.h"

#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace logivane {

namespace {

constexpr int FileHistoryLength = 5;

/// The circuit's name as the caption shows it: the file's name up to its first dot.
QString CircuitName(const QString& fileName) {
  if (fileName.isEmpty()) {
    return TMainForm::tr("Untitled");
  }
  const QString name = QFileInfo(fileName).fileName();
  return name.left(name.indexOf(QLatin1Char('.')));
}

}  // namespace

void TMainForm::UpdateCaption() {
  setWindowTitle(QStringLiteral("Logivane - ") + CircuitName(FDocument->FileName));
}

bool TMainForm::QuerySave(const std::function<bool()>& save) {
  if (FDocument->Modified()) {
    switch (UserMessages::Ask(this, tr("Circuit has changed, save current circuit?"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                              QMessageBox::Information)) {
      case QMessageBox::Yes:
        // A save dialog cancelled or a save that failed stops the command, so that the changes
        // the user wanted kept are not thrown away.
        if (!save()) {
          return false;
        }
        break;
      case QMessageBox::No:
        break;
      default:
        return false;
    }
  }
  // Saving the circuit wrote its table too, unless it saved a level; a table changed alone is
  // asked about on its own.
  return FTestTables->QuerySave(save);
}

bool TMainForm::SaveLevel() {
  if (FDocument->IsInsideMacro() &&
      UserMessages::Ask(this,
                        tr("This action will save to file the circuit at its current level, not "
                           "its root level.  Do you want to proceed?"),
                        QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Warning) != QMessageBox::Yes) {
    return true;  // the user chose to go on without saving the level
  }
  // A level is never written over the root's file: inside a macro the name is always asked.
  if (!FDocument->IsInsideMacro() && !FDocument->FileName.isEmpty()) {
    if (!IsShippedFile(FDocument->FileName)) {
      return FFiles->Save(FDocument->FileName);
    }
    TellShippedFileIsKept(FDocument->FileName);
  }
  return SaveThroughDialog();
}

void TMainForm::TellShippedFileIsKept(const QString& fileName) {
  UserMessages::Show(this, QMessageBox::Information,
                     tr("\"%1\" comes with Logivane and stays as it was shipped, so that the "
                        "next user finds it unchanged. Save your circuit under a name of your own.")
                         .arg(QFileInfo(fileName).fileName()));
}

bool TMainForm::SaveThroughDialog() {
  const QString fileName = ChooseFile(ChooseSaveFile);
  if (fileName.isEmpty()) {
    return false;
  }
  if (IsShippedFile(fileName)) {
    TellShippedFileIsKept(fileName);
    return false;
  }
  const bool saved = FFiles->Save(fileName);
  UpdateCaption();
  if (saved) {
    FParts->Refresh();  // the file may be a new macro of the folder it lists
  }
  return saved;
}

void TMainForm::NewClick() {
  if (!QuerySave([this] { return SaveLevel(); })) {
    return;
  }
  // A symbol drawn for the old circuit is no change to the new one.
  FTemplateEditor->TemplateDrawing().SetModified(false);
  if (!FDocument->IsInsideMacro()) {
    FTestTables->Table()
        .Clear();  // a level emptied inside a macro keeps the circuit, and its table
  }
  FDocument->Clear();
  UpdateCaption();
  ChooseMode("SpeedPointer");
}

void TMainForm::OpenClick(const QString& startFolder) {
  if (!QuerySave([this] { return SaveLevel(); })) {
    return;
  }
  const QString fileName = ChooseFile(ChooseOpenFile, startFolder);
  if (!fileName.isEmpty()) {
    OpenCircuit(fileName);
  }
}

void TMainForm::ReopenClick(const QString& fileName) {
  if (QuerySave([this] { return SaveClick(); })) {
    OpenCircuit(fileName);
  }
}

bool TMainForm::OpenCircuit(const QString& fileName) {
  const bool opened = FFiles->Load(fileName);
  ChooseMode("SpeedPointer");
  UpdateCaption();
  if (opened) {
    FTemplateEditor->TemplateDrawing().SetModified(false);
    AddToFileHistory(fileName);
  }
  return opened;
}

bool TMainForm::SaveClick() {
  SpeedUpdateClick();
  return SaveLevel();
}

bool TMainForm::SaveAsClick() {
  SpeedUpdateClick();
  return SaveThroughDialog();
}

QString TMainForm::ChooseFile(const TFileChooser& chooser, const QString& startFolder) {
  QString folder = startFolder.isEmpty() ? FDialogFolder : startFolder;
  if (folder.isEmpty()) {
    folder = FDocument->FileName.isEmpty()
                 ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                 : QFileInfo(FDocument->FileName).absolutePath();
  }
  const QString fileName = chooser(this, folder);
  if (!fileName.isEmpty()) {
    FDialogFolder = QFileInfo(fileName).absolutePath();
  }
  return fileName;
}

void TMainForm::AddToFileHistory(const QString& fileName) {
  FileHistory.removeAll(fileName);
  FileHistory.prepend(fileName);
  while (FileHistory.size() > FileHistoryLength) {
    FileHistory.removeLast();
  }
  EnableLevelCommands();
}

void TMainForm::EnableLevelCommands() {
  const bool atRoot = !FDocument->IsInsideMacro();
  Action("SpeedCloseMacro")->setVisible(!atRoot);
  for (const char* name : {"MenuNameMacro", "MenuAttachDatasheet", "MenuTemplateEditor"}) {
    Action(name)->setEnabled(atRoot);
  }
  FMenus->ReopenMenu().menuAction()->setEnabled(!FileHistory.isEmpty() && atRoot);
  RefreshFileMenu();
}

void TMainForm::RefreshFileMenu() {
  const QList<QAction*> entries = FMenus->ReopenMenu().actions();
  for (int i = 0; i < entries.size(); ++i) {
    const QString fileName = FileHistory.value(i);
    entries[i]->setText(fileName);
    entries[i]->setVisible(!fileName.isEmpty());
  }
}

}  // namespace logivane
