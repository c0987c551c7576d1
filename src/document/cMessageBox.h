#pragma once

#include "document/Csegment.h"

#include <QFont>
#include <QStringList>

#include <cstdint>

namespace logivane {

/// A speech balloon whose tail points at a spot of the drawing; never persisted.
class TGraphicBox : public TPolygon {
public:
  enum : std::uint8_t { AboveLeft = 0, AboveRight = 1, BelowRight = 2, BelowLeft = 3, NoTail = 4 };

  TGraphicBox();

  void Rotate(float) override {}

  void BuildShape();
  /// The tail's tip, or the centre when there is no tail.
  QPoint GetAnchor() const;
  void SetBoxSize(std::int32_t width, std::int32_t height);
  void SetPointer(std::uint8_t pointer);
  void MoveAnchorTo(QPoint p);
  /// The body's inner rectangle, inside the margin.
  TRect GetTextRect() const;

  std::uint8_t Pointer = AboveLeft;
  std::int32_t TailLength = 20;
  std::int32_t TailWidth = 15;
  std::int32_t BoxWidth = 20;
  std::int32_t BoxHeight = 20;
  std::int32_t Margin = 4;

private:
  /// The vertex of a tailed balloon that is the tail's tip.
  static constexpr int TipVertex = 4;

  /// Rebuilds the shape for new settings and puts its anchor back on `anchor`.
  void RebuildKeepingAnchor(QPoint anchor);
};

/// A balloon holding lines of text: the drawing's notices and simulation errors.
class TMessageBox : public TGraphicBox {
public:
  TMessageBox();

  void Draw(QPainter& dc) override;

  void SetMessage(const QString& message);
  /// The width of the longest line and the height of all lines.
  TRect MeasureText() const;
  /// 0 none, 1 bold, 2 italic, 3 both.
  void SetFontStyle(int style);
  void SetTextColour(TColour colour) { FFontColour = colour; }
  /// Opens the balloon toward the middle of the area (0, 0)-(width, height) from `p`.
  void ChoosePointer(std::int32_t width, std::int32_t height, QPoint p);

  QStringList Lines;
  bool Visible = true;

private:
  QFont FFont;
  TColour FFontColour = ColourBlack;
};

}  // namespace logivane
