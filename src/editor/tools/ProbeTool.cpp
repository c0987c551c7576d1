#include "editor/tools/ProbeTool.h"

#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

namespace logivane {

void TProbeTool::Press(const TToolPress& press) {
  if (press.Button != Qt::LeftButton) {
    return;
  }
  if (TPin* pin = FDrawing.Circuit().HitPin) {
    FDrawing.ProbeTarget = pin;
  } else if (press.Hit && press.Hit->GraphicKind() == TGraphicKind::Wire) {
    FDrawing.ProbeTarget = press.Hit;
  }
  FDrawing.UpdateProbe();
}

void TProbeTool::Move(QPoint, const THitReach&) {
  FDrawing.ProbeCursor();
}

}  // namespace logivane
