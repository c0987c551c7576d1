// The Parts Centre: showing it, its library folder, the macros dragged from it onto the drawing
// and the library files it opens as the circuit.
#include "app/CircuitFileCommands.h"
#include "app/LibraryFolder.h"
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"
#include "windows/PartsList.h"
#include "windows/PartsUnit.h"

#include <QDropEvent>
#include <QLabel>

namespace logivane {

void TMainForm::ConnectPartsCentre() {
  FDrawing->setAcceptDrops(true);
  FParts->OnEditMacro = [this](const QString& fileName) {
    EditLibraryMacro(fileName);
  };
  FParts->OnViewDatasheet = [this](const QString& datasheet, const QString&) {
    ViewDatasheet(datasheet);
  };
  FParts->OnPlaceMacro = [this](const QString& fileName) {
    DropLibraryMacro(fileName, FDrawing->VisibleArea().center());
  };
}

void TMainForm::SetLibraryRoot() {
  // The library that comes with the program is never changed from it, not even where its files
  // can be written (a program run from its source tree).
  FParts->SetShippedFolders(InstalledFolders(QStringLiteral("Parts Centre")));
  FParts->SetRoot(LibraryFolder(StartFolder));
}

void TMainForm::SpeedPartsCentreClick() {
  FParts->show();
  FParts->raise();
  FParts->activateWindow();
}

bool TMainForm::PartsDragEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (TPartsList::DraggedFile(drag->mimeData()).isEmpty()) {
        event->ignore();
      } else {
        drag->acceptProposedAction();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString fileName = TPartsList::DraggedFile(drop->mimeData());
      if (fileName.isEmpty()) {
        return false;
      }
      drop->acceptProposedAction();
      DropLibraryMacro(fileName, FDrawing->ToUnits(drop->position()));
      return true;
    }
    default:
      return false;
  }
}

void TMainForm::DropLibraryMacro(const QString& fileName, QPoint at) {
  const TMacro* macro = FFiles->Insert(fileName, at);
  if (!macro) {
    return;
  }
  ChooseMode("SpeedPointer");
  activateWindow();
  FDrawing->setFocus();
  FStatusText->clear();
  if (!macro->Datasheet.isEmpty()) {
    FDrawing->ShowNoticeAtSelection(tr("Datasheet available"));
  }
}

void TMainForm::EditLibraryMacro(const QString& fileName) {
  if (QuerySave([this] { return SaveClick(); }) && OpenCircuit(fileName)) {
    activateWindow();
  }
}

}  // namespace logivane
