// Printing the level shown, its preview and the printer set-up. The preview window holds the
// print options and the shared printer; it always refers to the level shown, so it never keeps
// a circuit that has gone.
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"
#include "windows/PrintPreview.h"

#include <QMenu>

#include <algorithm>

namespace logivane {

void TMainForm::CreatePrintPreview() {
  FPrintPreview = new TPrintPreview(this);
  connect(FDrawing, &TLogivaneDrawing::OnLevelChanged, this,
          [this] { FPrintPreview->SetCircuit(&FDrawing->Circuit(), &FDrawing->FaultMarks()); });
  // Only the whole document takes the level shown with it: a deletion removes objects of the
  // level, never the level itself.
  connect(FDrawing, &TLogivaneDrawing::OnObjectsRemoving, this,
          [this](const std::vector<TGraphicObject*>& doomed) {
            if (std::find(doomed.begin(), doomed.end(), &FDrawing->RootCircuit()) != doomed.end()) {
              FPrintPreview->SetCircuit(nullptr);
            }
          });
  connect(findChild<QMenu*>(QStringLiteral("MenuFile")), &QMenu::aboutToShow, this,
          &TMainForm::EnablePrintCommands);
}

void TMainForm::EnablePrintCommands() {
  const bool installed = FPrintPreview->PrinterInstalled();
  for (const char* name : {"MenuPrintSetup", "MenuPrintPreview", "MenuPrint", "SpeedPrint"}) {
    Action(name)->setEnabled(installed);
  }
}

void TMainForm::PrintSetupClick() {
  FPrintPreview->PrintSetupClick();
}

void TMainForm::PrintPreviewClick() {
  FPrintPreview->SetCircuit(&FDrawing->Circuit(), &FDrawing->FaultMarks());
  FPrintPreview->show();
  FPrintPreview->raise();
}

void TMainForm::PrintClick() {
  FPrintPreview->SetCircuit(&FDrawing->Circuit(), &FDrawing->FaultMarks());
  FPrintPreview->PrintCircuit();
}

}  // namespace logivane
