#include "editor/tools/InteractTool.h"

#include "editor/CircuitDocument.h"
#include "editor/DrawingCursors.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

#include <utility>

namespace logivane {

namespace {

/// Interactive inputs and switches are the devices that take presses.
bool IsInteractiveDevice(const TGraphicObject* object) {
  return object && object->GraphicKind() == TGraphicKind::Device &&
         static_cast<const TDevice*>(object)->Interactive;
}

}  // namespace

QString TInteractTool::EditName() const {
  //: The change made by clicking a switch or input, named in Undo
  return TLogivaneDrawing::tr("Interaction");
}

void TInteractTool::Press(const TToolPress& press) {
  if (press.Button != Qt::LeftButton || !IsInteractiveDevice(press.Hit)) {
    return;
  }
  // Press and release are one step: a push button that springs back changes nothing.
  if (!FHeld) {
    FDrawing.Document().HoldEdits();
    FHeld = true;
  }
  FPressedDevice = static_cast<TDevice*>(press.Hit);
  FDrawing.Document().OperateInput([this] {
    FPressedDevice->Press();
    FDrawing.InvalidateBounds(*FPressedDevice);
    FDrawing.SetModified(true);
  });
  emit FDrawing.OnDevicePressed(FPressedDevice);
}

void TInteractTool::Move(QPoint p, const THitReach& reach) {
  FDrawing.setCursor(EditorCursor(TCursorId::Hand));
  TMacro& circuit = FDrawing.Circuit();
  FOverTarget = circuit.HitTest(p.x(), p.y(), reach) && IsInteractiveDevice(circuit.HitObject);
}

void TInteractTool::Release(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
  if (button == Qt::LeftButton) {
    LetGo();
  }
}

void TInteractTool::Leave() {
  LetGo();
}

void TInteractTool::LetGo() {
  if (TDevice* pressed = std::exchange(FPressedDevice, nullptr)) {
    FDrawing.Document().OperateInput([this, pressed] {
      pressed->Release();
      FDrawing.InvalidateBounds(*pressed);
      FDrawing.SetModified(true);
    });
  }
  if (std::exchange(FHeld, false)) {
    FDrawing.Document().ReleaseEdits();
  }
}

}  // namespace logivane
