#include "document/cMessageBox.h"

#include "document/cColourScheme.h"
#include "document/cFonts.h"
#include "document/cPainterState.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace logivane {

namespace {

constexpr TColour BalloonColour = 15661823;

}  // namespace

TGraphicBox::TGraphicBox() {
  BrushColour = BalloonColour;
  PenColour = ColourBlack;
  BuildShape();
  Remap();
}

void TGraphicBox::BuildShape() {
  TPolygon::Clear();
  const std::int32_t w = BoxWidth + 2 * Margin;
  const std::int32_t h = BoxHeight + 2 * Margin;
  const std::int32_t l = TailLength;
  const std::int32_t t = TailWidth;
  if (Pointer == NoTail) {
    AddPoint({-w / 2, -h / 2});
    AddPoint({w / 2, -h / 2});
    AddPoint({w / 2, h / 2});
    AddPoint({-w / 2, h / 2});
  } else {
    for (const QPoint& p : {QPoint(-w, -h - l), QPoint(0, -h - l), QPoint(0, -l), QPoint(-5, -l),
                            QPoint(0, 0), QPoint(-5 - t, -l), QPoint(-w, -l)}) {
      AddPoint(p);
    }
    switch (Pointer) {
      case AboveRight:
        Scale(-1, 1);
        break;
      case BelowRight:
        Scale(1, -1);
        Scale(-1, 1);
        break;
      case BelowLeft:
        Scale(1, -1);
        break;
      default:
        break;
    }
  }
  Remap();
}

QPoint TGraphicBox::GetAnchor() const {
  if (Pointer == NoTail || Mapped.Count() <= TipVertex) {
    float x, y;
    GetCentre(x, y);
    return {RoundToInt(x), RoundToInt(y)};
  }
  return GetPoint(TipVertex);
}

void TGraphicBox::RebuildKeepingAnchor(QPoint anchor) {
  BuildShape();
  Translate(static_cast<float>(anchor.x()), static_cast<float>(anchor.y()));
  Remap();
}

void TGraphicBox::SetBoxSize(std::int32_t width, std::int32_t height) {
  const QPoint anchor = GetAnchor();
  BoxWidth = width;
  BoxHeight = height;
  RebuildKeepingAnchor(anchor);
}

void TGraphicBox::SetPointer(std::uint8_t pointer) {
  // The anchor must be found by the shape's present pointer: asked with the new one, a balloon
  // losing its tail would be moved by its centre, and one gaining a tail would look for a tip
  // that its rectangle does not have.
  const QPoint anchor = GetAnchor();
  Pointer = pointer;
  RebuildKeepingAnchor(anchor);
}

void TGraphicBox::MoveAnchorTo(QPoint p) {
  const TFloatRect r = GetFloatBounds();
  float x, y;
  switch (Pointer) {
    case AboveLeft:
      x = r.MaxX, y = r.MaxY;
      break;
    case AboveRight:
      x = r.MinX, y = r.MaxY;
      break;
    case BelowRight:
      x = r.MinX, y = r.MinY;
      break;
    case BelowLeft:
      x = r.MaxX, y = r.MinY;
      break;
    default:
      CentreOf(r, x, y);
      break;
  }
  Translate(-x, -y);
  Translate(static_cast<float>(p.x()), static_cast<float>(p.y()));
  Remap();
}

TRect TGraphicBox::GetTextRect() const {
  int first = 0, second = 2;
  switch (Pointer) {
    case AboveRight:
      first = 1, second = 6;
      break;
    case BelowRight:
      first = 2, second = 0;
      break;
    case BelowLeft:
      first = 6, second = 1;
      break;
    default:
      break;
  }
  const TRect body = RectFromPoints(GetPoint(first), GetPoint(second));
  return InflateBy(body, -Margin);
}

TMessageBox::TMessageBox() : FFont(MakeFont(QStringLiteral("MS Sans Serif"), 8, 700, true)) {
}

TRect TMessageBox::MeasureText() const {
  qsizetype longest = 0;
  for (qsizetype i = 1; i < Lines.size(); ++i) {
    if (Lines[i].size() > Lines[longest].size()) {
      longest = i;
    }
  }
  const QFontMetrics metrics(FFont);
  const QString line = Lines.isEmpty() ? QString() : Lines[longest];
  return {0, 0, metrics.horizontalAdvance(line),
          static_cast<std::int32_t>(Lines.size()) * metrics.height()};
}

void TMessageBox::SetMessage(const QString& message) {
  // A line break ends a line rather than starting another: a message that ends with a break
  // has no empty line after it, and an empty message has no lines at all.
  Lines = message.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  if (Lines.last().isEmpty()) {
    Lines.removeLast();
  }
  const TRect r = MeasureText();
  SetBoxSize(r.Right, r.Bottom);
}

void TMessageBox::SetFontStyle(int style) {
  const bool bold = style & 1;
  const bool italic = style & 2;
  if (FFont.bold() == bold && FFont.italic() == italic) {
    return;
  }
  FFont.setWeight(bold ? QFont::Bold : QFont::Normal);
  FFont.setItalic(italic);
  const TRect r = MeasureText();
  SetBoxSize(r.Right, r.Bottom);
}

void TMessageBox::ChoosePointer(std::int32_t width, std::int32_t height, QPoint p) {
  const std::int32_t midX = width / 2;
  const std::int32_t midY = height / 2;
  if (p.x() == midX || p.y() == midY) {
    return;
  }
  const bool left = p.x() < midX;
  const bool top = p.y() < midY;
  if (top) {
    SetPointer(left ? BelowRight : BelowLeft);
  } else {
    SetPointer(left ? AboveRight : AboveLeft);
  }
}

void TMessageBox::Draw(QPainter& dc) {
  if (!Visible) {
    return;
  }
  DrawShape(dc, BrushColour);
  TPainterState state(dc);
  dc.setFont(FFont);
  dc.setBackgroundMode(Qt::TransparentMode);
  dc.setPen(PaintColour(dc, FFontColour));
  const TRect r = GetTextRect();
  const QRect area(QPoint(r.Left, r.Top), QPoint(r.Right + Margin - 1, r.Bottom + Margin - 1));
  dc.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Lines.join('\n'));
}

}  // namespace logivane
