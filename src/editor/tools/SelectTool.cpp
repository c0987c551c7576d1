#include "editor/tools/SelectTool.h"

#include "document/cColourScheme.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

#include <QPainter>

namespace logivane {

void TSelectTool::Press(const TToolPress& press) {
  if (press.Hit) {
    FDrawing.Select(press.Hit);
    emit FDrawing.OnObjectSelected(press.Button, press.Modifiers, press.At.x(), press.At.y());
  } else if (press.Button == Qt::LeftButton) {
    FDrawing.Handles().Deselect();
    FSelecting = true;
    FBandAnchor = press.Snapped;
    FBandRect = RectFromPoints(FBandAnchor, FBandAnchor);
    InvalidateBand();
  }
}

void TSelectTool::Move(QPoint p, const THitReach&) {
  if (FSelecting) {
    InvalidateBand();
    FBandRect = RectFromPoints(FBandAnchor, FDrawing.Grid().SnapPoint(p));
    InvalidateBand();
  }
}

void TSelectTool::Release(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) {
  if (!FSelecting) {
    return;
  }
  InvalidateBand();
  FSelecting = false;
  TGraphicList band;
  if (FDrawing.Circuit().CollectInside(FBandRect, band)) {
    FDrawing.Handles().SetItem(&band);
  }
  band.Objects().DetachAll();
  emit FDrawing.OnObjectSelected(button, modifiers, p.x(), p.y());
  FDrawing.SetModified(true);
}

void TSelectTool::Leave() {
  if (FSelecting) {
    InvalidateBand();
    FSelecting = false;
  }
}

void TSelectTool::DrawOverlay(QPainter& painter) const {
  if (FSelecting) {
    painter.setPen(QPen(PaintColour(painter, ColourBlack), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(FBandRect.Left, FBandRect.Top),
                           QPoint(FBandRect.Right - 1, FBandRect.Bottom - 1)));
  }
}

void TSelectTool::InvalidateBand() const {
  FDrawing.InvalidateOverlay(FBandRect);
}

}  // namespace logivane
