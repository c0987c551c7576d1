#include "editor/FaultMarkPaint.h"

#include "document/cColourScheme.h"
#include "document/cPainterState.h"
#include "simulation/cDevice.h"
#include "simulation/cFaultMarks.h"

#include <QPainter>

namespace logivane {

namespace {

constexpr int WireWidth = 3;
constexpr int FrameWidth = 2;
/// How far the frame lies outside a device's bounds, and a joint's dot outside its own.
constexpr int FrameGap = 3;
constexpr int DotGap = 2;

}  // namespace

void PaintFaultMarks(QPainter& dc, const TFaultMarks& marks) {
  if (marks.Empty()) {
    return;
  }
  const TPainterState state(dc);
  const QColor red = PaintColour(dc, ColourRed);
  dc.setBrush(Qt::NoBrush);
  dc.setPen(QPen(red, WireWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const TWire* wire : marks.Wires) {
    wire->Mapped.DrawPolyline(dc);
  }
  dc.setPen(Qt::NoPen);
  dc.setBrush(red);
  for (const TSolder* solder : marks.Solders) {
    const TRect dot = InflateBy(solder->GetBounds(), DotGap);
    dc.drawEllipse(QRect(QPoint(dot.Left, dot.Top), QPoint(dot.Right - 1, dot.Bottom - 1)));
  }
  dc.setBrush(Qt::NoBrush);
  dc.setPen(QPen(red, FrameWidth));
  for (const TDevice* device : marks.Devices) {
    const TRect frame = InflateBy(device->GetBounds(), FrameGap);
    dc.drawRect(QRect(QPoint(frame.Left, frame.Top), QPoint(frame.Right - 1, frame.Bottom - 1)));
  }
}

TRect FaultMarksBounds(const TFaultMarks& marks) {
  TRect area{};
  const auto take = [&area](const TGraphicObject& object, int gap) {
    const TRect bounds = InflateBy(object.GetBounds(), gap);
    area = area.IsEmpty() ? bounds : UnionRect(area, bounds);
  };
  for (const TWire* wire : marks.Wires) {
    take(*wire, WireWidth);
  }
  for (const TSolder* solder : marks.Solders) {
    take(*solder, DotGap + 1);
  }
  for (const TDevice* device : marks.Devices) {
    take(*device, FrameGap + FrameWidth);
  }
  return area;
}

}  // namespace logivane
