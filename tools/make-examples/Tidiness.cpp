#include "Tidiness.h"

#include "document/cGText.h"
#include "simulation/cConnect.h"

#include <algorithm>
#include <vector>

namespace logivane::examples {

namespace {

/// A wire segment as a rectangle with no width: Left <= Right and Top <= Bottom.
struct TSegment {
  TRect Span;
  int Wire;
};

/// Whether `a` and `b` share more than an edge; a rectangle with no width shares with another
/// whatever of it lies strictly inside the other.
bool Overlap(const TRect& a, const TRect& b) {
  const bool across = a.Left == a.Right ? b.Left < a.Left && a.Left < b.Right
                                        : a.Left < b.Right && b.Left < a.Right;
  const bool down =
      a.Top == a.Bottom ? b.Top < a.Top && a.Top < b.Bottom : a.Top < b.Bottom && b.Top < a.Bottom;
  return across && down;
}

/// Whether two segments run along each other for some length.
bool Collinear(const TRect& a, const TRect& b) {
  if (a.Top == a.Bottom && b.Top == b.Bottom && a.Top == b.Top) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right);
  }
  if (a.Left == a.Right && b.Left == b.Right && a.Left == b.Left) {
    return std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
  }
  return false;
}

std::vector<TSegment> Segments(const TMacro& circuit) {
  std::vector<TSegment> segments;
  const TGraphicList& wires = circuit.Wires();
  for (int i = 0; i < wires.Count(); ++i) {
    const auto& wire = *static_cast<const TWire*>(wires.Child(i));
    for (int k = 1; k < wire.PointCount(); ++k) {
      const QPoint p = wire.GetPoint(k - 1);
      const QPoint q = wire.GetPoint(k);
      segments.push_back({{std::min(p.x(), q.x()), std::min(p.y(), q.y()), std::max(p.x(), q.x()),
                           std::max(p.y(), q.y())},
                          i});
    }
  }
  return segments;
}

/// A device's symbol without its label, or a text, with what it is called in a report.
struct TBlock {
  TRect Bounds;
  QString Name;
  const TGraphicObject* Owner;
  bool Text;
};

/// How far a pin reaches either side of the point where its wires meet it.
constexpr int PinReach = 6;
/// How far inside a symbol's bounds its body begins: the bounds take in the pins' leads.
constexpr int Rim = 2;

/// `span`, a segment, without the reach of any pin of `device` that either end stands on: a
/// wire may run inside a symbol from the pin it ends on to the edge.
TRect WithoutPins(TRect span, const TDevice& device) {
  for (int i = 0; i < device.PinCount(); ++i) {
    float x = 0;
    float y = 0;
    device.Pin(i)->GetCentre(x, y);
    const QPoint pin(static_cast<int>(x), static_cast<int>(y));
    const bool across = span.Top == span.Bottom;
    if (pin == QPoint(span.Left, span.Top)) {
      (across ? span.Left : span.Top) += PinReach;
    } else if (pin == QPoint(span.Right, span.Bottom)) {
      (across ? span.Right : span.Bottom) -= PinReach;
    }
  }
  return span;
}

bool RunsThrough(const TRect& span, const TBlock& block) {
  const TRect body{block.Bounds.Left + Rim, block.Bounds.Top + Rim, block.Bounds.Right - Rim,
                   block.Bounds.Bottom - Rim};
  if (block.Text) {
    return Overlap(span, block.Bounds);
  }
  const TRect rest = WithoutPins(span, *static_cast<const TDevice*>(block.Owner));
  return rest.Left <= rest.Right && rest.Top <= rest.Bottom && Overlap(rest, body);
}

std::vector<TBlock> Blocks(const TMacro& circuit) {
  std::vector<TBlock> blocks;
  for (const TGraphicList* list :
       {&circuit.Devices(), &circuit.Tags(), &circuit.Inputs(), &circuit.Outputs()}) {
    for (int i = 0; i < list->Count(); ++i) {
      const TGraphicObject* object = list->Child(i);
      if (const auto* text = dynamic_cast<const TGraphicText*>(object)) {
        blocks.push_back(
            {text->GetBounds(), QStringLiteral("text \"%1\"").arg(text->Text), text, true});
      } else if (const auto* device = dynamic_cast<const TDevice*>(object)) {
        const TRect body = device->TGraphicList::GetBounds();
        const QString where = QStringLiteral("the device at (%1, %2)").arg(body.Left).arg(body.Top);
        blocks.push_back({body, where, device, false});
        const auto* labelled = dynamic_cast<const TTextDevice*>(device);
        if (labelled && !labelled->GetLabelText().isEmpty()) {
          blocks.push_back({labelled->Label().GetBounds(),
                            QStringLiteral("label \"%1\"").arg(labelled->GetLabelText()), device,
                            true});
        }
      }
    }
  }
  return blocks;
}

}  // namespace

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

QString Clutter(const TMacro& circuit) {
  if (QString untidy = Untidiness(circuit); !untidy.isEmpty()) {
    return untidy;
  }
  const std::vector<TSegment> segments = Segments(circuit);
  const std::vector<TBlock> blocks = Blocks(circuit);
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const TSegment& s = segments[i];
    for (std::size_t j = i + 1; j < segments.size(); ++j) {
      if (segments[j].Wire != s.Wire && Collinear(s.Span, segments[j].Span)) {
        return QStringLiteral("wires %1 and %2 run along each other near (%3, %4)")
            .arg(s.Wire)
            .arg(segments[j].Wire)
            .arg(s.Span.Left)
            .arg(s.Span.Top);
      }
    }
    for (const TBlock& block : blocks) {
      if (RunsThrough(s.Span, block)) {
        return QStringLiteral("wire %1 runs through %2").arg(s.Wire).arg(block.Name);
      }
    }
  }
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    for (std::size_t j = i + 1; j < blocks.size(); ++j) {
      const TBlock& a = blocks[i];
      const TBlock& b = blocks[j];
      if ((a.Text || b.Text) && a.Owner != b.Owner && Overlap(a.Bounds, b.Bounds)) {
        return QStringLiteral("%1 overlaps %2").arg(a.Name, b.Name);
      }
    }
  }
  return {};
}

}  // namespace logivane::examples
