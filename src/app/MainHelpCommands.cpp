// Help and datasheets: the help file's contents, F1 by selection, and the datasheet of the
// circuit and of its macros, with the folder in which datasheets are looked for.
#include "app/Datasheets.h"
#include "app/LibraryFolder.h"
#include "app/MainUnit.h"
#include "dialogs/AssociateHelpDlg.h"
#include "dialogs/DatasheetPathDlg.h"
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"
#include "windows/HelpWindow.h"

namespace logivane {

void TMainForm::HelpTopicsClick() {
  ShowHelpContents(ProgramHelpFile());
}

void TMainForm::HelpKeyClick() {
  if (FDrawing->Handles().Items().empty()) {
    ViewDatasheet(FDrawing->Circuit().Datasheet);
    return;
  }
  TGraphicObject* object = SelectedObject();
  if (const auto* macro = dynamic_cast<const TMacro*>(object)) {
    ViewDatasheet(macro->Datasheet);
  } else if (object && !object->HelpTopic.isEmpty()) {
    ShowHelpTopic(ProgramHelpFile(), QLatin1String(HelpWindowName), object->HelpTopic);
  } else {
    ShowHelpContents(ProgramHelpFile());  // several objects, or one without a page
  }
}

void TMainForm::ViewDatasheet(const QString& datasheet) {
  FDrawing->HideNotice();
  OpenDatasheet(this, datasheet,
                {DataFolder(StartFolder, QStringLiteral("datasheets")), DatasheetFolder});
}

void TMainForm::ViewDatasheetClick() {
  if (const auto* macro = dynamic_cast<const TMacro*>(SelectedObject())) {
    ViewDatasheet(macro->Datasheet);
  }
}

void TMainForm::AttachDatasheetClick() {
  TMacro& circuit = FDrawing->Circuit();
  TDatasheetValues values{circuit.Datasheet, circuit.HelpTopic};
  TAssociateHelpDialog dialog(this);
  if (dialog.Edit(values)) {
    circuit.Datasheet = values.Datasheet;
    circuit.HelpTopic = values.ContextID;
    FDrawing->SetModified(true);  // after the change: it is recorded as an undo step
  }
}

void TMainForm::DatasheetPathClick() {
  TDatasheetPathDialog dialog(this);
  dialog.Edit(DatasheetFolder);
}

}  // namespace logivane
