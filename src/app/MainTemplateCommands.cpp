// The Template Editor command: the symbol of the circuit shown is edited in a window of its own.
#include "app/MainUnit.h"
#include "app/Selection.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"
#include "simulation/cTagDevice.h"
#include "windows/TemplateForm.h"

namespace logivane {

void TMainForm::TemplateEditorClick() {
  if (FDocument->IsInsideMacro()) {
    return;  // an open macro's symbol belongs to its own file
  }
  TMacro& circuit = FDrawing->Circuit();
  const bool displayed = circuit.Displayed;
  auto* tag = dynamic_cast<TTagDevice*>(FSelection->Object());
  FDrawing->Handles().Deselect();
  FTemplateEditor->StartFolder = StartFolder;
  FTemplateEditor->Edit(*FDrawing, circuit, tag);
  circuit.Displayed = displayed;
  FDrawing->InvalidateAll();
}

}  // namespace logivane
