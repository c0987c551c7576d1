// Help and datasheets: the help file's contents, F1 by selection, and the datasheet of the
// circuit and of its macros, with the folder in which datasheets are looked for.
#include "app/Datasheets.h"
#include "app/LibraryFolder.h"
#include "app/MainUnit.h"
#include "app/Selection.h"
#include "dialogs/AssociateHelpDlg.h"
#include "dialogs/DatasheetPathDlg.h"
#include "dialogs/HelpTopics.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

namespace logivane {

void TMainForm::HelpTopicsClick() {
  ShowHelpContents(ProgramHelpFile());
}

void TMainForm::HelpKeyClick() {
  // With nothing selected, F1 is about the circuit itself.
  TGraphicObject* object =
      FDrawing->Handles().Items().empty() ? &FDrawing->Circuit() : FSelection->Object();
  const auto* macro = dynamic_cast<const TMacro*>(object);
  if (macro && !macro->Datasheet.isEmpty()) {
    ViewDatasheet(macro->Datasheet);
  } else if (object && !macro && !object->HelpTopic.isEmpty()) {
    ShowHelpTopic(ProgramHelpFile(), QLatin1String(HelpWindowName), object->HelpTopic);
  } else {
    // Several objects, one without a page, or a circuit without a datasheet: F1 always answers.
    ShowHelpContents(ProgramHelpFile());
  }
}

void TMainForm::ViewDatasheet(const QString& datasheet) {
  FDrawing->HideNotice();
  OpenDatasheet(this, datasheet,
                {DataFolder(StartFolder, QStringLiteral("datasheets")), DatasheetFolder});
}

void TMainForm::ViewDatasheetClick() {
  if (const auto* macro = dynamic_cast<const TMacro*>(FSelection->Object())) {
    ViewDatasheet(macro->Datasheet);
  }
}

void TMainForm::AttachDatasheetClick() {
  TMacro& circuit = FDrawing->Circuit();
  TDatasheetValues values{circuit.Datasheet, circuit.HelpTopic};
  TAssociateHelpDialog dialog(this);
  if (dialog.Edit(values)) {
    FDocument->BeginEdit();
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
