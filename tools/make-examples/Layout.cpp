#include "Layout.h"

#include "ExampleParts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace logivane::examples {

namespace {

constexpr int TrackGrid = 10;

int GridAbove(int v) {
  return static_cast<int>(std::ceil(v / double(TrackGrid))) * TrackGrid;
}

int GridBelow(int v) {
  return static_cast<int>(std::floor(v / double(TrackGrid))) * TrackGrid;
}

bool Within(int v, int from, int to) {
  return from <= v && v <= to;
}

struct TPointLess {
  bool operator()(QPoint a, QPoint b) const {
    return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
  }
};

/// The drawing of one net as straight pieces between points, turned into wires: a pin or a
/// point where three or more pieces meet ends a wire, and every other point is a bend.
class TNetDrawing {
public:
  void Piece(QPoint a, QPoint b) {
    if (a != b) {
      FPoints[a].Pieces.push_back(b);
      FPoints[b].Pieces.push_back(a);
    }
  }
  void PinAt(QPoint at, TPin& pin) { FPoints[at].End = &pin; }

  void Wire(TMacro& circuit) {
    for (auto& [at, point] : FPoints) {
      if (point.Pieces.size() > 3) {
        // A joint holds three wires: a pin level with the driver on a track that runs on
        // both ways.
        throw std::logic_error("an example has four wires meeting at one point");
      }
      if (!point.End && point.Pieces.size() == 3) {
        point.End = Joint(circuit, at.x(), at.y());
      }
    }
    for (auto& [at, point] : FPoints) {
      if (!point.End) {
        continue;
      }
      while (!point.Pieces.empty()) {
        WireFrom(circuit, at);
      }
    }
  }

private:
  struct TPoint {
    std::vector<QPoint> Pieces;
    TGraphicObject* End = nullptr;
  };

  /// Takes the piece from `point`, and the pieces after it up to the next end, as one wire.
  QPoint Take(QPoint from, QPoint to) {
    auto& pieces = FPoints[from].Pieces;
    pieces.erase(std::find(pieces.begin(), pieces.end(), to));
    auto& back = FPoints[to].Pieces;
    back.erase(std::find(back.begin(), back.end(), from));
    return to;
  }

  void WireFrom(TMacro& circuit, QPoint start) {
    std::vector<QPoint> path{start};
    QPoint at = Take(start, FPoints[start].Pieces.front());
    while (!FPoints[at].End) {
      path.push_back(at);
      at = Take(at, FPoints[at].Pieces.front());
    }
    std::vector<QPoint> bends;
    for (std::size_t i = 1; i < path.size(); ++i) {
      const QPoint next = i + 1 < path.size() ? path[i + 1] : at;
      const QPoint prev = path[i - 1];
      if (!(prev.x() == next.x() || prev.y() == next.y())) {
        bends.push_back(path[i]);
      }
    }
    examples::Wire(circuit, *FPoints[start].End, *FPoints[at].End, bends);
  }

  std::map<QPoint, TPoint, TPointLess> FPoints;
};

}  // namespace

QPoint PinPoint(const TPin& pin) {
  float x = 0;
  float y = 0;
  pin.GetCentre(x, y);
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

void TLayout::Net(TPin& driver, std::initializer_list<TPin*> loads) {
  FNets.push_back({&driver, loads});
}

TLayout::TTap TLayout::TapOf(TPin& pin) const {
  const auto level = FLevels.find(&pin);
  return {&pin, level == FLevels.end() ? PinPoint(pin).y() : level->second};
}

void TLayout::Route() {
  for (std::size_t net = 0; net < FNets.size(); ++net) {
    RouteNet(static_cast<int>(net));
  }
  FNets.clear();
}

bool TLayout::Free(const TStretch& s) const {
  return std::none_of(FTaken.begin(), FTaken.end(), [&](const TStretch& t) {
    if (t.Net == s.Net) {
      return false;
    }
    if (t.Horizontal == s.Horizontal) {
      return t.At == s.At && t.From <= s.To && s.From <= t.To;
    }
    // Crossing is allowed; one stretch ending on the other would look like a connection.
    const bool meet = Within(t.At, s.From, s.To) && Within(s.At, t.From, t.To);
    return meet && (t.At == s.From || t.At == s.To || s.At == t.From || s.At == t.To);
  });
}

int TLayout::FreeTrack(int net, int start, int step, int limit, int top, int bottom,
                       const std::vector<TTap>& taps) const {
  for (int x = start; step > 0 ? x <= limit : x >= limit; x += step) {
    bool free = Free({false, x, top, bottom, net});
    for (const TTap& tap : taps) {
      const int px = PinPoint(*tap.Pin).x();
      free = free && Free({true, tap.Y, std::min(px, x), std::max(px, x), net});
    }
    if (free) {
      return x;
    }
  }
  throw std::logic_error("an example's channel has no room for another track");
}

int TLayout::NewLane() {
  if (!FLanesStarted) {
    FLaneTop = GridBelow(FCircuit.GetBounds().Top) - TrackGrid;
    FLanesStarted = true;
  }
  FLaneTop -= TrackGrid;
  return FLaneTop;
}

void TLayout::RouteNet(int net) {
  const TNetPins& pins = FNets[static_cast<std::size_t>(net)];
  const QPoint from = PinPoint(*pins.Driver);
  std::vector<TTap> ahead{TapOf(*pins.Driver)};
  std::vector<TTap> behind;
  int aheadLimit = INT_MAX;
  for (TPin* load : pins.Loads) {
    const QPoint at = PinPoint(*load);
    (at.x() > from.x() ? ahead : behind).push_back(TapOf(*load));
    if (at.x() > from.x()) {
      aheadLimit = std::min(aheadLimit, GridBelow(at.x() - 1));
    }
  }
  TNetDrawing drawing;
  const auto span = [](const std::vector<TTap>& taps, int top) {
    int bottom = top;
    for (const TTap& tap : taps) {
      top = std::min(top, tap.Y);
      bottom = std::max(bottom, tap.Y);
    }
    return std::pair(top, bottom);
  };
  const auto track = [&](int x, const std::vector<TTap>& taps, int top, int bottom) {
    Take({false, x, top, bottom, net});
    std::vector<int> levels{top, bottom};
    for (const TTap& tap : taps) {
      const QPoint at = PinPoint(*tap.Pin);
      drawing.PinAt(at, *tap.Pin);
      if (tap.Y != at.y()) {
        drawing.Piece(at, {at.x(), tap.Y});
        Take({false, at.x(), std::min(at.y(), tap.Y), std::max(at.y(), tap.Y), net});
      }
      drawing.Piece({at.x(), tap.Y}, {x, tap.Y});
      Take({true, tap.Y, std::min(at.x(), x), std::max(at.x(), x), net});
      levels.push_back(tap.Y);
    }
    std::sort(levels.begin(), levels.end());
    for (std::size_t i = 1; i < levels.size(); ++i) {
      drawing.Piece({x, levels[i - 1]}, {x, levels[i]});
    }
  };
  if (behind.empty() && ahead.size() == 2 && ahead[1].Y == from.y() &&
      PinPoint(*ahead[1].Pin).y() == from.y()) {
    // A straight wire needs no track.
    const TStretch straight{true, from.y(), from.x(), PinPoint(*ahead[1].Pin).x(), net};
    if (!Free(straight)) {
      throw std::logic_error("an example's straight wire runs along another");
    }
    Take(straight);
    examples::Wire(FCircuit, *pins.Driver, *ahead[1].Pin);
    return;
  }
  const int lane = behind.empty() ? from.y() : NewLane();
  const auto [top, bottom] = span(ahead, lane);
  const int x = FreeTrack(net, GridAbove(from.x() + 1), TrackGrid, aheadLimit, top, bottom, ahead);
  track(x, ahead, top, bottom);
  if (!behind.empty()) {
    int leftmost = INT_MAX;
    for (const TTap& tap : behind) {
      leftmost = std::min(leftmost, PinPoint(*tap.Pin).x());
    }
    const auto [backTop, backBottom] = span(behind, lane);
    // Every net takes at most one track left of the circuit, so a search beyond them all
    // means the pins are placed so that no track can reach them.
    const int farthest = GridBelow(static_cast<int>(FCircuit.GetBounds().Left)) -
                         TrackGrid * static_cast<int>(FNets.size());
    const int back =
        FreeTrack(net, GridBelow(leftmost - 1), -TrackGrid, farthest, backTop, backBottom, behind);
    track(back, behind, backTop, backBottom);
    drawing.Piece({back, lane}, {x, lane});
    Take({true, lane, back, x, net});
  }
  drawing.Wire(FCircuit);
}

}  // namespace logivane::examples
