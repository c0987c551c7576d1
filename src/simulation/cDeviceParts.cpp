#include "simulation/cDeviceParts.h"

#include <memory>

namespace logivane {

namespace {

template <class T>
T* AddShape(TDevice& device, std::initializer_list<QPoint> points) {
  auto shape = std::make_unique<T>();
  for (const QPoint p : points) {
    shape->AddPoints({{static_cast<float>(p.x()), static_cast<float>(p.y())}});
  }
  shape->Remap();
  return device.Add(std::move(shape));
}

}  // namespace

TPolygon* AddPolygon(TDevice& device, std::initializer_list<QPoint> points) {
  return AddShape<TPolygon>(device, points);
}

TPolyline* AddPolyline(TDevice& device, std::initializer_list<QPoint> points) {
  return AddShape<TPolyline>(device, points);
}

TPolyline* AddLine(TDevice& device, QPoint from, QPoint to) {
  return AddShape<TPolyline>(device, {from, to});
}

TPolygon* AddCircle(TDevice& device, float radius) {
  auto circle = std::make_unique<TPolygon>();
  circle->AddArc(true, 0, 0, 0, 360, radius, radius);
  circle->Remap();
  return device.Add(std::move(circle));
}

TGraphicText* AddText(TDevice& device, const QString& text, float x, float y) {
  auto label = std::make_unique<TGraphicText>();
  label->SetText(text);
  label->Translate(x, y);
  label->Remap();
  return device.Add(std::move(label));
}

void CheckPinCount(const TDevice& device, int count) {
  if (device.PinCount() != count) {
    throw EReadError::InvalidValue();
  }
}

}  // namespace logivane
