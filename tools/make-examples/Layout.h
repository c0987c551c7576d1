#pragma once

// Wires an example from a net list, so that an example is written as devices placed in columns,
// left to right in signal order, and the nets that join their pins.

#include "simulation/cMacro.h"

#include <initializer_list>
#include <map>
#include <vector>

namespace logivane::examples {

/**
 * @brief Routes the nets of a circuit whose devices are already placed.
 *
 * Every net gets a vertical track on the 10-unit grid in the channel right of its driver,
 * at an x that no other track whose span overlaps takes; each pin reaches the track along a
 * horizontal stub at its own height, and a joint stands where the track branches. A net that
 * also feeds pins left of its driver climbs from its track to a lane of its own above the
 * circuit and comes down a second track left of the leftmost of those pins. Routing that
 * cannot keep to these rules is a mistake in the example and throws.
 */
class TLayout {
public:
  explicit TLayout(TMacro& circuit) : FCircuit(circuit) {}

  /// A net driven from `driver` and feeding `loads`.
  void Net(TPin& driver, std::initializer_list<TPin*> loads);
  /// Reaches `pin`, a pin on the top or bottom of a device such as a display's, by a vertical
  /// lead from `level`, where its stub from the track runs; pins side by side take levels of
  /// their own so that their stubs do not overlap.
  void Approach(TPin& pin, int level) { FLevels[&pin] = level; }
  /// Adds the wires and joints of every net declared so far.
  void Route();

private:
  struct TNetPins {
    TPin* Driver;
    std::vector<TPin*> Loads;
  };
  /// A stretch of wire taken by one net: horizontal when `Horizontal`, at `At`, from `From`
  /// to `To`.
  struct TStretch {
    bool Horizontal;
    int At;
    int From;
    int To;
    int Net;
  };
  /// A pin to be reached from a track, at the track's level `Y`.
  struct TTap {
    TPin* Pin;
    int Y;
  };

  void RouteNet(int net);
  /// The first x on the grid from `start`, stepping by `step`, where a track spanning `top` to
  /// `bottom` and stubs to `taps` are free; throws once `limit` is passed.
  int FreeTrack(int net, int start, int step, int limit, int top, int bottom,
                const std::vector<TTap>& taps) const;
  bool Free(const TStretch& stretch) const;
  void Take(const TStretch& stretch) { FTaken.push_back(stretch); }
  /// The y of a new lane above everything placed and routed so far.
  int NewLane();

  TMacro& FCircuit;
  /// The tap of `pin`: at its own height unless it is approached from a level.
  TTap TapOf(TPin& pin) const;

  std::vector<TNetPins> FNets;
  std::map<const TPin*, int> FLevels;
  std::vector<TStretch> FTaken;
  int FLaneTop = 0;
  bool FLanesStarted = false;
};

/// Where the wires of `pin` meet it.
QPoint PinPoint(const TPin& pin);

}  // namespace logivane::examples
