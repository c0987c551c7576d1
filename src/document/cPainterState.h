#pragma once

#include <QPainter>

namespace logivane {

/// Keeps the painter's pen, brush, font, background and transform, and puts them back when it
/// goes out of scope, so a shape can never leave its own drawing state behind. It copies just
/// these rather than saving the whole state: a repaint draws tens of thousands of shapes, and
/// a full save copies the clip as well.
class TPainterState {
public:
  explicit TPainterState(QPainter& dc)
      : FPainter(dc),
        FPen(dc.pen()),
        FBrush(dc.brush()),
        FFont(dc.font()),
        FBackground(dc.background()),
        FBackgroundMode(dc.backgroundMode()),
        FTransform(dc.transform()) {}
  TPainterState(const TPainterState&) = delete;
  TPainterState& operator=(const TPainterState&) = delete;
  ~TPainterState() {
    FPainter.setPen(FPen);
    FPainter.setBrush(FBrush);
    if (FPainter.font() != FFont) {
      FPainter.setFont(FFont);
    }
    FPainter.setBackground(FBackground);
    FPainter.setBackgroundMode(FBackgroundMode);
    if (FPainter.transform() != FTransform) {
      FPainter.setTransform(FTransform);
    }
  }

private:
  QPainter& FPainter;
  QPen FPen;
  QBrush FBrush;
  QFont FFont;
  QBrush FBackground;
  Qt::BGMode FBackgroundMode;
  QTransform FTransform;
};

}  // namespace logivane
