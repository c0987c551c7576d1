#pragma once

#include "editor/tools/TracingTool.h"

#include <memory>

namespace logivane {

class TPin;
class TWire;

/**
 * @brief Traces wires: a press on a free pin or on a wire starts one, presses on empty ground
 * bend it, and a press on another free pin or wire ends it.
 */
class TWireTool : public TTracingTool {
public:
  explicit TWireTool(TLogivaneDrawing& drawing);
  ~TWireTool() override;

  QString EditName() const override;
  void Press(const TToolPress& press) override;
  void Move(QPoint p, const THitReach& reach) override;
  void Cancel() override;

  bool Tracing() const override { return FWire != nullptr; }
  TGraphicObject* Traced() const override;
  bool OverTarget() const override { return FOverTarget; }
  void Draw(QPainter& painter) override;

  /// Ends the wire being traced on `pin`; nothing when none is.
  void FinishAtPin(TPin& pin);
  /// Puts a joint on `wire` where it was hit, then starts a wire there or ends the traced one
  /// on it.
  void JoinAt(TWire& wire);

private:
  /// A press on `hit`; false when it refused to join two outputs.
  bool PressOn(TGraphicObject& hit, QPoint previous);
  void Start(TGraphicObject& start);
  void Extend();
  /// Shows why the last press was refused and takes back its vertex.
  void RefuseTwoOutputs(QPoint previous);

  std::unique_ptr<TWire> FWire;
  bool FOverTarget = false;
};

}  // namespace logivane
