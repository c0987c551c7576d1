#pragma once

#include "document/Cfloat.h"
#include "editor/tools/DrawingTool.h"

namespace logivane {

/**
 * @brief Selects: a press on an object selects it, a left press on empty ground draws a
 * rubber band that selects what lies wholly inside it on release.
 */
class TSelectTool : public TDrawingTool {
public:
  explicit TSelectTool(TLogivaneDrawing& drawing) : TDrawingTool(drawing, TToolKind::Select) {}

  void Press(const TToolPress& press) override;
  void Move(QPoint p, const THitReach& reach) override;
  void Release(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) override;
  void Leave() override;
  void DrawOverlay(QPainter& painter) const override;

private:
  void InvalidateBand() const;

  bool FSelecting = false;
  QPoint FBandAnchor;
  TRect FBandRect;
};

}  // namespace logivane
