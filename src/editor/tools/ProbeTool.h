#pragma once

#include "editor/tools/DrawingTool.h"

namespace logivane {

/// Reads the level of the pin or wire pressed; the cursor shows it after every step.
class TProbeTool : public TDrawingTool {
public:
  explicit TProbeTool(TLogivaneDrawing& drawing) : TDrawingTool(drawing, TToolKind::Probe) {}

  void Press(const TToolPress& press) override;
  void Move(QPoint p, const THitReach& reach) override;
};

}  // namespace logivane
