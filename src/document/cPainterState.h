#pragma once

#include <QPainter>

namespace logivane {

/// Saves the painter's pen, brush, font and transform, and restores them when it goes out of
/// scope, so a shape can never leave its own drawing state behind.
class TPainterState {
public:
  explicit TPainterState(QPainter& dc) : FPainter(dc) { FPainter.save(); }
  TPainterState(const TPainterState&) = delete;
  TPainterState& operator=(const TPainterState&) = delete;
  ~TPainterState() { FPainter.restore(); }

private:
  QPainter& FPainter;
};

}  // namespace logivane
