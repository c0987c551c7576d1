#pragma once

#include "document/Csegment.h"
#include "document/cGText.h"
#include "document/cStreamError.h"
#include "simulation/cDevice.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>

namespace logivane {

// Builders for the fixed symbols of library devices. Each appends one shape to the device's
// symbol, remapped and ready to draw, and returns it.

TPolygon* AddPolygon(TDevice& device, std::initializer_list<QPoint> points);
TPolyline* AddPolyline(TDevice& device, std::initializer_list<QPoint> points);
TPolyline* AddLine(TDevice& device, QPoint from, QPoint to);
/// A closed circle centred on the origin.
TPolygon* AddCircle(TDevice& device, float radius);
/// A text centred on (x, y).
TGraphicText* AddText(TDevice& device, const QString& text, float x, float y);

// Checks for devices read from a stream: the simulation and painting code index pins and symbol
// shapes directly, so a stored device whose shape differs from its class's must be refused.

/// Throws a read error unless the device has exactly `count` pins.
void CheckPinCount(const TDevice& device, int count);

/// Fills `cache` with the first `count` pins of `device`, for a device whose pins are fixed
/// and that reaches them in every evaluation without going through the pin list. Throws a read
/// error unless the device has exactly `count` pins, so a stored device with other pins is
/// refused.
template <std::size_t N>
void CachePins(const TDevice& device, std::array<TPin*, N>& cache, int count) {
  CheckPinCount(device, count);
  for (int i = 0; i < count; ++i) {
    cache[static_cast<std::size_t>(i)] = device.Pin(i);
  }
}

/// Throws a read error unless the symbol has a child `index` of class `T` (or derived from it).
template <class T>
void CheckShape(const TDevice& device, int index) {
  if (index >= device.Count() || !dynamic_cast<const T*>(device.Child(index))) {
    throw EReadError::InvalidValue();
  }
}

}  // namespace logivane
