#include "Tidiness.h"

#include "simulation/cConnect.h"

namespace logivane::examples {

QString Untidiness(const TMacro& circuit) {
  const TGraphicList& wires = circuit.Wires();
  for (int i = 0; i < wires.Count(); ++i) {
    const auto& wire = *static_cast<const TWire*>(wires.Child(i));
    if (wire.EndCount() != 2) {
      return QStringLiteral("wire %1 has a loose end").arg(i);
    }
    for (int k = 0; k < wire.PointCount(); ++k) {
      const QPoint p = wire.GetPoint(k);
      if (p.x() % 5 != 0 || p.y() % 5 != 0) {
        return QStringLiteral("wire %1 has a vertex off the grid").arg(i);
      }
      if (k > 0) {
        const QPoint q = wire.GetPoint(k - 1);
        if (p.x() != q.x() && p.y() != q.y()) {
          return QStringLiteral("wire %1 has a slanted segment").arg(i);
        }
      }
    }
  }
  return {};
}

}  // namespace logivane::examples
