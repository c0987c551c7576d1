#include "editor/tools/ProbeTool.h"

#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

namespace logivane {

void TProbeTool::Press(const TToolPress& press) {
  if (press.Button != Qt::LeftButton) {
    return;
  }
  if (TPin* pin = Drawing.Circuit().HitPin) {
    Drawing.ProbeTarget = pin;
  } else if (press.Hit && press.Hit->GraphicKind() == TGraphicKind::Wire) {
    Drawing.ProbeTarget = press.Hit;
  }
  Drawing.UpdateProbe();
}

void TProbeTool::Move(QPoint, const THitReach&) {
  Drawing.ProbeCursor();
}

}  // namespace logivane
