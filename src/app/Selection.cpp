#include "app/Selection.h"

#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"

namespace logivane {

TSelection::TSelection(TCircuitDocument& document, TLogivaneDrawing& drawing)
    : FDocument(document), FDrawing(drawing) {
}

TGraphicObject* TSelection::Object() const {
  const TLogivaneHandles& handles = FDrawing.Handles();
  return handles.Items().size() == 1 ? handles.Items().front() : nullptr;
}

void TSelection::Change(const std::function<void(TGraphicObject&)>& change, bool reshape) {
  TGraphicObject* object = Object();
  if (!object) {
    return;
  }
  FDocument.BeginEdit();
  if (reshape) {
    FDrawing.Handles().Deselect();
    // A change of shape may change pins, or a tag's name, and so the netlist.
    FDocument.NetlistDirty = true;
  }
  change(*object);
  if (reshape) {
    FDrawing.Select(object);
  }
  FDrawing.InvalidateRect(object->GetBounds());
  FDrawing.SetModified(true);
}

}  // namespace logivane
