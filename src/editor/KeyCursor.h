#pragma once

#include <QPoint>

#include <optional>

class QPainter;
class QScrollArea;
class QWidget;

namespace logivane {

class TLogivaneDrawing;

/// The scroll box that shows `drawing`, if it lies in one.
QScrollArea* ScrollBoxOf(const QWidget& drawing);

/**
 * @brief The point where the keyboard places devices and wires, in drawing units, shown on the
 * drawing as a cross-hair. Like the marks that follow the mouse, it is painted over the back
 * buffer and never into it, so it never reaches a picture, a print or the file.
 */
class TKeyCursor {
public:
  /// How far the cross-hair reaches from its point, in units.
  static constexpr int Reach = 12;

  explicit TKeyCursor(TLogivaneDrawing& drawing) : FDrawing(drawing) {}

  std::optional<QPoint> At() const { return FAt; }
  /// Shows the cross-hair at `at`, scrolled into view; none hides it.
  void Show(std::optional<QPoint> at);
  /// Paints the cross-hair, if shown, through a painter that draws in drawing units.
  void Draw(QPainter& painter) const;

private:
  TLogivaneDrawing& FDrawing;
  std::optional<QPoint> FAt;
};

}  // namespace logivane
