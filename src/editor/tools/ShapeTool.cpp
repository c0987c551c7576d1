#include "editor/tools/ShapeTool.h"

#include "document/Csegment.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

#include <cmath>

namespace logivane {

namespace {

/// A press within this many screen pixels of a traced polygon's first vertex, on both axes,
/// closes it.
constexpr double CloseDistance = 4;

}  // namespace

TShapeTool::TShapeTool(TLogivaneDrawing& drawing, TToolKind kind) : TTracingTool(drawing, kind) {
}

TShapeTool::~TShapeTool() = default;

TGraphicObject* TShapeTool::Traced() const {
  return FShape.get();
}

void TShapeTool::Press(const TToolPress& press) {
  if (press.Button != Qt::LeftButton) {
    return;
  }
  TakePoint(press.Snapped);
  if (!FShape) {
    Begin();
  }
  Extend();
}

void TShapeTool::Begin() {
  if (Kind() == TToolKind::Polygon) {
    auto polygon = std::make_unique<TPolygon>();
    polygon->Outline = true;  // open until it closes
    FShape = std::move(polygon);
  } else {
    FShape = std::make_unique<TPolyline>();
  }
  FDrawing.SetModified(true);
}

void TShapeTool::Extend() {
  TSegment& shape = *FShape;
  const bool started = shape.PointCount() > 0;
  const QPoint offset = FLastPoint - (started ? shape.FirstPoint() : QPoint());
  const double reach = CloseDistance / FDrawing.Zoom();
  if (Kind() == TToolKind::Polygon && started && std::abs(offset.x()) < reach &&
      std::abs(offset.y()) < reach) {
    Finish();
  } else {
    shape.AddPoint(FLastPoint);
    shape.Remap();
    FDrawing.InvalidateBounds(shape);
  }
  FDrawing.SetModified(true);
}

void TShapeTool::DoubleClick() {
  if (!FShape) {
    return;
  }
  if (Kind() == TToolKind::Polyline || FShape->PointCount() >= 3) {
    Finish();
    return;
  }
  Cancel();  // too few vertices for a polygon
  EndMode();
  emit FDrawing.OnEndDrawing();
}

void TShapeTool::Finish() {
  if (Kind() == TToolKind::Polygon) {
    static_cast<TPolygon&>(*FShape).Outline = false;
  }
  FDrawing.InvalidateBounds(*FShape);
  InvalidateRubberLine();
  FDrawing.Circuit().Add(std::move(FShape));
  emit FDrawing.OnEndDrawing();
  EndMode();
}

void TShapeTool::EndMode() {
  if (Kind() == TToolKind::Polygon) {
    FDrawing.SetPolygonMode(false);
  } else {
    FDrawing.SetPolylineMode(false);
  }
}

void TShapeTool::Cancel() {
  if (FShape) {
    FDrawing.InvalidateBounds(*FShape);
    InvalidateRubberLine();
    FShape.reset();
  }
}

void TShapeTool::Draw(QPainter& painter) {
  if (FShape) {
    FShape->Draw(painter);
  }
}

}  // namespace logivane
