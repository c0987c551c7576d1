#pragma once

#include "editor/tools/DrawingTool.h"

namespace logivane {

class TDevice;

/**
 * @brief Operates interactive inputs and switches: a left press presses the device under it,
 * the release lets it go, and both are one step of the undo history.
 */
class TInteractTool : public TDrawingTool {
public:
  explicit TInteractTool(TLogivaneDrawing& drawing) : TDrawingTool(drawing, TToolKind::Interact) {}

  QString EditName() const override;
  void Press(const TToolPress& press) override;
  void Move(QPoint p, const THitReach& reach) override;
  void Release(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) override;
  void Leave() override;
  void Forget() override { FPressedDevice = nullptr; }
  bool OverTarget() const override { return FOverTarget; }

private:
  /// Lets go of the device pressed, wherever the mouse went since, and ends the history step.
  void LetGo();

  /// The device under the left button, released with it; not owned.
  TDevice* FPressedDevice = nullptr;
  /// The history holds the edits of an interaction from its press to its release.
  bool FHeld = false;
  bool FOverTarget = false;
};

}  // namespace logivane
