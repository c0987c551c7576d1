#pragma once

#include "editor/tools/TracingTool.h"

#include <memory>

namespace logivane {

class TSegment;

/**
 * @brief Traces a polygon or a polyline of a symbol: each left press adds a vertex. A polygon
 * closes on a press near its first vertex or on a double click; a polyline ends on a double
 * click. Either way the tool's mode ends with the shape.
 */
class TShapeTool : public TTracingTool {
public:
  /// `kind` is `Polygon` or `Polyline`.
  TShapeTool(TLogivaneDrawing& drawing, TToolKind kind);
  ~TShapeTool() override;

  void Press(const TToolPress& press) override;
  void DoubleClick() override;
  void Cancel() override;

  bool Tracing() const override { return FShape != nullptr; }
  TGraphicObject* Traced() const override;
  void Draw(QPainter& painter) override;

private:
  void Begin();
  void Extend();
  /// Hands the shape to the circuit and ends the mode.
  void Finish();
  /// Ends the mode, unless the owner chose another tool meanwhile.
  void EndMode();

  std::unique_ptr<TSegment> FShape;
};

}  // namespace logivane
