#include "editor/tools/DrawingTool.h"

#include "editor/LogivaneDrawing.h"
#include "editor/tools/InteractTool.h"
#include "editor/tools/ProbeTool.h"
#include "editor/tools/SelectTool.h"
#include "editor/tools/ShapeTool.h"
#include "editor/tools/WireTool.h"

namespace logivane {

QString TDrawingTool::EditName() const {
  return TLogivaneDrawing::tr("Draw");
}

std::unique_ptr<TDrawingTool> MakeDrawingTool(TLogivaneDrawing& drawing, TToolKind kind) {
  switch (kind) {
    case TToolKind::Select:
      return std::make_unique<TSelectTool>(drawing);
    case TToolKind::Wire:
      return std::make_unique<TWireTool>(drawing);
    case TToolKind::Polygon:
    case TToolKind::Polyline:
      return std::make_unique<TShapeTool>(drawing, kind);
    case TToolKind::Interact:
      return std::make_unique<TInteractTool>(drawing);
    case TToolKind::Probe:
      return std::make_unique<TProbeTool>(drawing);
    case TToolKind::None:
      break;
  }
  return std::make_unique<TDrawingTool>(drawing, TToolKind::None);
}

}  // namespace logivane
