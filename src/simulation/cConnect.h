#pragma once

#include "document/Csegment.h"
#include "simulation/cStateArchive.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

namespace logivane {

class TDevice;
class TNet;
class TSolder;
class TWire;

/// A logic level: 0 low, 1 high. Readers treat 1 or more as high and negative values as neither.
using TLevel = std::int32_t;

/// Whether a device driving a pin last driven by `driver` fights over it: the one rule of bus
/// contention, for the objects and for a compiled level alike.
inline bool Fights(const TDevice* driver, const TDevice* device) {
  return driver && driver != device;
}

enum TPinKind : std::int32_t { PinNeutral = 0, PinInput = 1, PinOutput = 2, PinTriState = 3 };

/**
 * @brief Counts the changes to the wiring of one circuit level, so that what the level keeps
 * of its objects for speed (its compiled plan, its list of pins) knows when to collect again.
 *
 * The level's gathered nets and the pins it collected hold it: relinking or destroying one of
 * them counts here and nowhere else, so a change on another level, or to objects in no level
 * at all (an undo state, the clipboard), leaves this level's plan standing. Shared, so that a
 * pin that outlives its level still has something to count on.
 */
class TStructureStamp {
public:
  std::uint64_t Changes() const { return FChanges; }
  /// Counts a change about to be made. While every object is still whole (`intact`), the
  /// level may first write back what it keeps of them; see `BeforeChange`.
  void Count(bool intact) {
    if (intact && BeforeChange) {
      BeforeChange();
    }
    ++FChanges;
  }

  /// Called before a change to the objects while they are all still whole.
  std::function<void()> BeforeChange;

private:
  std::uint64_t FChanges = 0;
};

/**
 * @brief A connection point of a device, an 8 x 8 square.
 *
 * Driving a pin pushes the level along its wire to every pin of the net; each pin remembers the
 * device that drove it last.
 */
class TPin : public TPolygon {
  LV_PERSISTENT(TPin)
public:
  TPin();
  explicit TPin(std::int32_t kind);
  ~TPin() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;
  bool ReferencesConsistent() const override;

  bool IsConnected() const { return Wire != nullptr; }
  void AttachWire(TWire* wire);
  void DetachWire(const TWire* wire);
  TLevel GetValue() const { return Value; }
  /// Drives the pin and, unless it is an input, its net; true when any pin changed level.
  inline bool SetValue(TDevice* driver, TLevel value);
  /// Drives the pin alone; true when its level changed. Whether the level goes on along its
  /// wire is `LeadsOn`: driving a net this way and by `SetValue` follow one rule.
  inline bool Take(TDevice* driver, TLevel value);
  /// Whether a level the pin takes goes on into its wire: it has one, not yet driven in this
  /// pass, and the pin is no input (an input never drives its net).
  inline bool LeadsOn() const;
  /// Whether this pin's net has been driven in the current pass.
  inline bool IsNetVisited() const;
  /// Whether a device other than `device` has driven this pin's net since the drivers were
  /// last cleared. Every device asks this before it drives a net, so a short between two
  /// drivers is found the same way whichever device meets it.
  inline bool DrivenByOther(const TDevice* device) const;
  void OffsetBy(QPoint offset);
  /// Saves or loads the level and driver; see `TStateArchive`.
  void ExchangeState(TStateArchive& state) {
    state.Field(Value);
    state.Field(Driver);
  }

  /// The gathered net this pin belongs to, or null while driving it searches the wires.
  const TNet* Net() const { return FNet; }
  /// Makes this pin count its destruction and relinking on `level`, the level that keeps it
  /// in a list.
  void JoinLevel(const std::shared_ptr<TStructureStamp>& level) {
    if (FLevel != level) {
      FLevel = level;
    }
  }

  TWire* Wire = nullptr;
  std::int32_t Kind = PinNeutral;
  TLevel Value = 0;
  TDevice* Driver = nullptr;
  std::int32_t Index = 0;

private:
  friend class TNet;
  void CountChange(bool intact) {
    if (FLevel) {
      FLevel->Count(intact);
    }
  }

  TNet* FNet = nullptr;
  std::shared_ptr<TStructureStamp> FLevel;
};

/// A pin tied to a partner pin across a sub-circuit boundary: an outline pin and a tag's pin.
class TMacroPin : public TPin {
  LV_PERSISTENT(TMacroPin)
public:
  TMacroPin() = default;
  explicit TMacroPin(std::int32_t kind) : TPin(kind) {}
  ~TMacroPin() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;
  bool ReferencesConsistent() const override;

  /// Links the two pins to each other, dropping any earlier partners.
  static void Link(TMacroPin& a, TMacroPin& b);
  /// Breaks this pin's link on both sides.
  void Unlink();

  TMacroPin* Partner = nullptr;
};

/// A wire: a polyline whose first vertex lies at `End1` and last at `End2`.
class TWire : public TPolyline {
  LV_PERSISTENT(TWire)
public:
  TWire();
  ~TWire() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;
  bool ReferencesConsistent() const override;

  /// Takes a pin or a solder joint into the first free end; anything else is ignored.
  void AttachEnd(TGraphicObject* end);
  void DetachEnd(const TGraphicObject* end);
  int EndCount() const { return (End1 != nullptr) + (End2 != nullptr); }
  bool HasEnd(const TGraphicObject* end) const { return end && (End1 == end || End2 == end); }
  bool Propagate(TDevice* driver, TLevel value);
  TPin* FindPinOfKind(std::int32_t kind);
  /// The pen colour, which the file keeps: the colour of the level the wire showed in the last
  /// step of a run. The wire is drawn in the colour of the level it carries now.
  TColour GetColour() const { return PenColour; }
  void SetColour(TColour colour) { PenColour = colour; }
  /// Black for a high level, silver for a low one, the pen colour for a level that is neither.
  TColour LevelColour() const;
  /// The colour the wire was last drawn in.
  TColour DrawnColour() const { return FDrawnColour; }
  void Draw(QPainter& dc) override;
  /// Cuts the wire at `HitIndex`/`HitPoint` into two new wires that take over the ends.
  void Split(std::unique_ptr<TWire>& first, std::unique_ptr<TWire>& second);
  void Reverse();
  /// Called on a new, empty wire: becomes `first` and `second` joined end to end.
  void Join(TWire& first, TWire& second);
  /// Moves the end vertices onto the ends' centres; true when one moved.
  bool FollowEnds();

  const TNet* Net() const { return FNet; }

  TLevel Value = 0;
  std::int32_t Style = 0;
  /// Change the ends through `AttachEnd` and `DetachEnd`, which dissolve a gathered net.
  TGraphicObject* End1 = nullptr;
  TGraphicObject* End2 = nullptr;
  bool Visited = false;
  bool EndsMoved = false;
  TRect DirtyRect;

protected:
  QPen MakePen(const QPainter& dc) const override;

private:
  friend class TNet;
  TNet* FNet = nullptr;
  TColour FDrawnColour = ColourBlack;

  /// Points `end` from `from` to this wire.
  void TakeEnd(TGraphicObject* end, TWire* from);
};

/// A junction dot where up to three wires meet.
class TSolder : public TPolygon {
  LV_PERSISTENT(TSolder)
public:
  TSolder();
  ~TSolder() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;
  bool ReferencesConsistent() const override;
  void Translate(float dx, float dy) override;

  void AttachWire(TWire* wire);
  void DetachWire(const TWire* wire);
  /// Replaces `from` by `to` in the slot that holds it.
  void ReplaceWire(const TWire* from, TWire* to);
  int WireCount() const;
  bool Propagate(TDevice* driver, TLevel value);
  TPin* FindPinOfKind(std::int32_t kind);

  const TNet* Net() const { return FNet; }

  std::array<TWire*, 3> Wires{};
  bool Visited = false;
  float X = 0;
  float Y = 0;

private:
  friend class TNet;
  TNet* FNet = nullptr;
};

/**
 * @brief The pins, wires and solder joints of one net, gathered so that driving the net is a
 * run over three flat lists instead of a search through wires and joints.
 *
 * A container gathers the nets of its level when it builds its evaluation order. Only nets
 * whose links all point both ways and whose wires and joints all belong to that level are
 * gathered: driving such a net from any pin reaches every part of it, and the search marks or
 * clears all of its wires and joints at once, so the flat run does exactly what the search
 * does. A net lasts as long as its wiring: attaching, detaching or destroying any part
 * dissolves it, and its parts go back to the search until the next gathering.
 */
class TNet {
public:
  /// Gathers the net of `wire` unless it already has one or does not qualify; `level` holds
  /// the wires and joints of the container, whose changes `stamp` counts.
  static void Gather(TWire& wire, const std::unordered_set<const TGraphicObject*>& level,
                     const std::shared_ptr<TStructureStamp>& stamp);
  /// Takes every part out of `net` and destroys it.
  static void Dissolve(TNet* net) noexcept;
  /// Dissolves the net of `part`, a pin, wire or joint whose links are about to change.
  template <class T>
  static void DissolveNetOf(T& part) noexcept {
    if (part.FNet) {
      Dissolve(part.FNet);
    }
  }
  /// Forgets the net of `part` without touching the others, for objects abandoned by a
  /// failed read (which never had one).
  template <class T>
  static void AbandonNetOf(T& part) noexcept {
    part.FNet = nullptr;
  }

  /// What the search does from an unvisited net: every wire and pin takes the level, every
  /// wire and joint is marked and every pin names the driver. True when a pin changed level.
  bool Drive(TDevice* driver, TLevel value) {
    for (TWire* wire : FWires) {
      wire->Value = value;
      wire->Visited = true;
    }
    for (TSolder* solder : FSolders) {
      solder->Visited = true;
    }
    bool changed = false;
    for (TPin* pin : FPins) {
      pin->Driver = driver;
      changed |= pin->Value != value;
      pin->Value = value;
    }
    return changed;
  }

  const std::vector<TPin*>& Pins() const { return FPins; }
  const std::vector<TWire*>& Wires() const { return FWires; }
  const std::vector<TSolder*>& Solders() const { return FSolders; }

  /// The wire and joint `Propagate` and `FindPinOfKind`, walked without recursion.
  static bool PropagateFrom(TGraphicObject& start, TDevice* driver, TLevel value);
  static TPin* FindPinFrom(TGraphicObject& start, std::int32_t kind);

private:
  TNet() = default;
  static bool DrivePinOfWalk(TPin& pin, TDevice* driver, TLevel value,
                             std::vector<TWire*>& pending);

  std::vector<TPin*> FPins;
  std::vector<TWire*> FWires;
  std::vector<TSolder*> FSolders;
  /// The level that gathered the net, which its dissolution changes.
  std::shared_ptr<TStructureStamp> FLevel;
};

// Every device drives its outputs through these in every pass, so they are inline.

bool TPin::Take(TDevice* driver, TLevel value) {
  Driver = driver;
  const bool changed = value != Value;
  Value = value;
  return changed;
}

bool TPin::LeadsOn() const {
  return Wire && !Wire->Visited && Kind != PinInput;
}

bool TPin::SetValue(TDevice* driver, TLevel value) {
  const bool changed = Take(driver, value);
  if (!LeadsOn()) {
    return changed;
  }
  const bool netChanged = FNet ? FNet->Drive(driver, value) : Wire->Propagate(driver, value);
  return netChanged || changed;
}

bool TPin::DrivenByOther(const TDevice* device) const {
  return Fights(Driver, device);
}

bool TPin::IsNetVisited() const {
  return Wire && Wire->Visited;
}

/// Detaches `wire` from a pin or solder joint at one of its ends.
void DetachEndObject(TGraphicObject* end, const TWire* wire);

}  // namespace logivane
