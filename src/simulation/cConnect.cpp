#include "simulation/cConnect.h"

#include "document/cColourScheme.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <algorithm>

namespace logivane {

namespace {

int CountOf(const std::array<TWire*, 3>& wires, const TWire* wire) {
  return static_cast<int>(std::count(wires.begin(), wires.end(), wire));
}

int EndsAt(const TWire& wire, const TGraphicObject* end) {
  return (wire.End1 == end) + (wire.End2 == end);
}

TPin* AsPin(TGraphicObject* object) {
  return object && object->GraphicKind() == TGraphicKind::Pin ? static_cast<TPin*>(object)
                                                              : nullptr;
}

TSolder* AsSolder(TGraphicObject* object) {
  return object && object->GraphicKind() == TGraphicKind::Solder ? static_cast<TSolder*>(object)
                                                                 : nullptr;
}

/// A wire end is consistent when the object at it refers back to the wire as often.
bool EndConsistent(const TWire& wire, TGraphicObject* end) {
  if (TPin* pin = AsPin(end)) {
    return pin->Wire == &wire;
  }
  if (TSolder* solder = AsSolder(end)) {
    return CountOf(solder->Wires, &wire) == EndsAt(wire, solder);
  }
  return end == nullptr;
}

/// Reads a wire end: a pin, a solder joint or none.
TGraphicObject* ReadEnd(TSerializeReader& reader) {
  TGraphicObject* end = reader.ReadReference<TGraphicObject>();
  if (end && !AsPin(end) && !AsSolder(end)) {
    throw EReadError::InvalidValue();
  }
  return end;
}

}  // namespace

void DetachEndObject(TGraphicObject* end, const TWire* wire) {
  if (TPin* pin = AsPin(end)) {
    pin->DetachWire(wire);
  } else if (TSolder* solder = AsSolder(end)) {
    solder->DetachWire(wire);
  }
}

// ---------------------------------------------------------------------------------------------
// TPin

TPin::TPin() : TPolygon(TGraphicKind::Pin) {
  AddPoints({{4, 4}, {-4, 4}, {-4, -4}, {4, -4}});
  Remap();
  SmallTarget = true;
  CanRotate = false;
  CanResize = false;
}

TPin::TPin(std::int32_t kind) : TPin() {
  Kind = kind;
}

TPin::~TPin() {
  // Its device may be half gone already: nothing the level keeps of it can be written back.
  CountChange(false);
  TNet::DissolveNetOf(*this);
  // A wire may hold this pin at both ends; leave no end pointing here.
  while (Wire && Wire->HasEnd(this)) {
    Wire->DetachEnd(this);
  }
}

void TPin::Write(TSerializeWriter& writer) const {
  TPolygon::Write(writer);
  writer.WriteInteger(Kind);
  writer.WriteObject(Wire);
}

void TPin::Read(TSerializeReader& reader) {
  TNet::DissolveNetOf(*this);
  TPolygon::Read(reader);
  Kind = reader.ReadInteger();
  Wire = reader.ReadReference<TWire>();
}

void TPin::AbandonLinks() {
  TPolygon::AbandonLinks();
  TNet::AbandonNetOf(*this);
  Wire = nullptr;
  Driver = nullptr;
}

bool TPin::ReferencesConsistent() const {
  return !Wire || Wire->HasEnd(this);
}

void TPin::AttachWire(TWire* wire) {
  if (!Wire) {
    CountChange(true);
    TNet::DissolveNetOf(*this);
    Wire = wire;
  }
}

void TPin::DetachWire(const TWire* wire) {
  if (Wire == wire) {
    CountChange(true);
    TNet::DissolveNetOf(*this);
    Wire = nullptr;
  }
}

void TPin::OffsetBy(QPoint offset) {
  Translate(static_cast<float>(offset.x()), static_cast<float>(offset.y()));
  Remap();
}

// ---------------------------------------------------------------------------------------------
// TMacroPin

TMacroPin::~TMacroPin() {
  Unlink();
}

void TMacroPin::Link(TMacroPin& a, TMacroPin& b) {
  a.Unlink();
  b.Unlink();
  a.Partner = &b;
  b.Partner = &a;
}

void TMacroPin::Unlink() {
  if (Partner && Partner->Partner == this) {
    Partner->Partner = nullptr;
  }
  Partner = nullptr;
}

void TMacroPin::Write(TSerializeWriter& writer) const {
  TPin::Write(writer);
  writer.WriteObject(Partner);
}

void TMacroPin::Read(TSerializeReader& reader) {
  TPin::Read(reader);
  Partner = reader.ReadReference<TMacroPin>();
}

void TMacroPin::AbandonLinks() {
  TPin::AbandonLinks();
  Partner = nullptr;
}

bool TMacroPin::ReferencesConsistent() const {
  return TPin::ReferencesConsistent() && (!Partner || Partner->Partner == this);
}

// ---------------------------------------------------------------------------------------------
// TWire

TWire::TWire() : TPolyline(TGraphicKind::Wire) {
  CanRotate = false;
  CanResize = false;
}

TWire::~TWire() {
  TNet::DissolveNetOf(*this);
  DetachEndObject(End1, this);
  DetachEndObject(End2, this);
}

TColour TWire::LevelColour() const {
  if (Value < 0) {
    return PenColour;
  }
  return Value >= 1 ? ColourBlack : ColourSilver;
}

QPen TWire::MakePen(const QPainter& dc) const {
  QPen pen = TPolyline::MakePen(dc);
  pen.setColor(PaintColour(dc, LevelColour()));
  return pen;
}

void TWire::Draw(QPainter& dc) {
  // Levels are not stored: a circuit that was opened, put back by undo or reset carries low
  // levels whatever colours its file kept, and shows them as its indicators do.
  FDrawnColour = LevelColour();
  TPolyline::Draw(dc);
}

void TWire::Write(TSerializeWriter& writer) const {
  TPolyline::Write(writer);
  writer.WriteInteger(Style);
  writer.WriteObject(End1);
  writer.WriteObject(End2);
}

void TWire::Read(TSerializeReader& reader) {
  TNet::DissolveNetOf(*this);
  TPolyline::Read(reader);
  Style = reader.ReadInteger();
  End1 = ReadEnd(reader);
  End2 = ReadEnd(reader);
}

void TWire::AbandonLinks() {
  TPolyline::AbandonLinks();
  TNet::AbandonNetOf(*this);
  End1 = nullptr;
  End2 = nullptr;
}

bool TWire::ReferencesConsistent() const {
  return EndConsistent(*this, End1) && EndConsistent(*this, End2);
}

void TWire::AttachEnd(TGraphicObject* end) {
  if (!AsPin(end) && !AsSolder(end)) {
    return;
  }
  if (!End1 || !End2) {
    TNet::DissolveNetOf(*this);
  }
  if (!End1) {
    End1 = end;
  } else if (!End2) {
    End2 = end;
  }
}

void TWire::DetachEnd(const TGraphicObject* end) {
  if (end && (End1 == end || End2 == end)) {
    TNet::DissolveNetOf(*this);
  }
  if (End1 == end) {
    End1 = nullptr;
  } else if (End2 == end) {
    End2 = nullptr;
  }
}

bool TWire::Propagate(TDevice* driver, TLevel value) {
  return TNet::PropagateFrom(*this, driver, value);
}

TPin* TWire::FindPinOfKind(std::int32_t kind) {
  return TNet::FindPinFrom(*this, kind);
}

void TWire::TakeEnd(TGraphicObject* end, TWire* from) {
  if (TPin* pin = AsPin(end)) {
    pin->DetachWire(from);
    pin->AttachWire(this);
  } else if (TSolder* solder = AsSolder(end)) {
    solder->ReplaceWire(from, this);
  }
}

void TWire::Split(std::unique_ptr<TWire>& first, std::unique_ptr<TWire>& second) {
  TNet::DissolveNetOf(*this);
  first = std::make_unique<TWire>();
  second = std::make_unique<TWire>();
  const int cut = std::clamp(HitIndex, 0, std::max(0, PointCount() - 1));
  for (int i = 0; i <= cut && i < PointCount(); ++i) {
    first->AddPointCopy(GetFloatPoint(i));
  }
  first->AddPoint(HitPoint);
  second->AddPoint(HitPoint);
  for (int i = cut + 1; i < PointCount(); ++i) {
    second->AddPointCopy(GetFloatPoint(i));
  }
  first->SetColour(GetColour());
  second->SetColour(GetColour());

  first->End1 = End1;
  first->TakeEnd(End1, this);
  second->End2 = End2;
  second->TakeEnd(End2, this);
  End1 = nullptr;
  End2 = nullptr;
}

void TWire::Reverse() {
  ReversePoints();
  std::swap(End1, End2);
  Remap();
}

void TWire::Join(TWire& first, TWire& second) {
  TNet::DissolveNetOf(first);
  TNet::DissolveNetOf(second);
  TNet::DissolveNetOf(*this);
  if (first.End1 == second.End1) {
    first.Reverse();
  }
  if (first.End2 == second.End2) {
    second.Reverse();
  }
  if (first.End1 == second.End2) {
    first.Reverse();
    second.Reverse();
  }
  for (int i = 0; i < first.PointCount(); ++i) {
    AddPointCopy(first.GetFloatPoint(i));
  }
  for (int i = 1; i < second.PointCount(); ++i) {
    AddPointCopy(second.GetFloatPoint(i));
  }
  End1 = first.End1;
  End2 = second.End2;
  TakeEnd(End1, &first);
  TakeEnd(End2, &second);
  first.End1 = nullptr;
  second.End2 = nullptr;
  SetColour(first.GetColour());
}

bool TWire::FollowEnds() {
  EndsMoved = false;
  DirtyRect = TRect{};
  if (PointCount() < 2) {
    return false;
  }
  const std::int32_t grow = 2 * PenWidth;
  auto follow = [&](TGraphicObject* end, int vertex, int neighbour) {
    if (!end) {
      return;
    }
    float cx, cy;
    end->GetCentre(cx, cy);
    const QPoint target(RoundToInt(cx), RoundToInt(cy));
    const QPoint old = GetPoint(vertex);
    if (target == old) {
      return;
    }
    const QPoint next = GetPoint(neighbour);
    const TRect dirty = UnionRect(InflateBy(RectFromPoints(old, next), grow),
                                  InflateBy(RectFromPoints(target, next), grow));
    DirtyRect = EndsMoved ? UnionRect(DirtyRect, dirty) : dirty;
    SetPoint(vertex, target);
    EndsMoved = true;
  };
  follow(End1, 0, 1);
  follow(End2, PointCount() - 1, PointCount() - 2);
  return EndsMoved;
}

// ---------------------------------------------------------------------------------------------
// TSolder

TSolder::TSolder() : TPolygon(TGraphicKind::Solder) {
  AddArc(true, 0, 0, 0, 360, 2, 2);
  Remap();
  SmallTarget = true;
  BrushColour = ColourBlack;
  CanRotate = false;
  CanResize = false;
}

TSolder::~TSolder() {
  TNet::DissolveNetOf(*this);
  for (TWire* wire : Wires) {
    if (wire) {
      wire->DetachEnd(this);
    }
  }
}

void TSolder::Write(TSerializeWriter& writer) const {
  writer.WriteFloat(X);
  writer.WriteFloat(Y);
  for (const TWire* wire : Wires) {
    writer.WriteObject(wire);
  }
}

void TSolder::Read(TSerializeReader& reader) {
  TNet::DissolveNetOf(*this);
  X = reader.ReadFloat();
  Y = reader.ReadFloat();
  for (TWire*& wire : Wires) {
    wire = reader.ReadReference<TWire>();
  }
  TPolygon::Translate(X, Y);
  Remap();
}

void TSolder::AbandonLinks() {
  TPolygon::AbandonLinks();
  TNet::AbandonNetOf(*this);
  Wires.fill(nullptr);
}

bool TSolder::ReferencesConsistent() const {
  return std::all_of(Wires.begin(), Wires.end(), [this](const TWire* wire) {
    return !wire || CountOf(Wires, wire) == EndsAt(*wire, this);
  });
}

void TSolder::Translate(float dx, float dy) {
  TPolygon::Translate(dx, dy);
  X += dx;
  Y += dy;
}

void TSolder::AttachWire(TWire* wire) {
  const auto free = std::find(Wires.begin(), Wires.end(), nullptr);
  if (free != Wires.end()) {
    TNet::DissolveNetOf(*this);
    *free = wire;
  }
}

void TSolder::DetachWire(const TWire* wire) {
  const auto slot = std::find(Wires.begin(), Wires.end(), wire);
  if (slot != Wires.end()) {
    TNet::DissolveNetOf(*this);
    *slot = nullptr;
  }
}

void TSolder::ReplaceWire(const TWire* from, TWire* to) {
  const auto slot = std::find(Wires.begin(), Wires.end(), from);
  if (slot != Wires.end()) {
    TNet::DissolveNetOf(*this);
    *slot = to;
  }
}

int TSolder::WireCount() const {
  return 3 - CountOf(Wires, nullptr);
}

bool TSolder::Propagate(TDevice* driver, TLevel value) {
  return TNet::PropagateFrom(*this, driver, value);
}

TPin* TSolder::FindPinOfKind(std::int32_t kind) {
  return TNet::FindPinFrom(*this, kind);
}

// ---------------------------------------------------------------------------------------------
// Walking a net. A net may run through thousands of joints, so the walks keep their own stack
// instead of recursing from wire to joint; the stacks live on between walks, so that a walk
// allocates nothing once they have grown.

namespace {

thread_local std::vector<TWire*> PendingWires;

/// One part of the search under way and the next of its ends or slots to look at.
struct TSearchStep {
  TGraphicObject* Part;
  int Next;
};

thread_local std::vector<TSearchStep> SearchSteps;

}  // namespace

/// What `TPin::SetValue` does to a pin reached from its net: drive it, and go on into its own
/// wire when that is another one not yet driven.
bool TNet::DrivePinOfWalk(TPin& pin, TDevice* driver, TLevel value, std::vector<TWire*>& pending) {
  const bool changed = pin.Take(driver, value);
  if (!pin.LeadsOn()) {
    return changed;
  }
  if (pin.FNet) {
    return pin.FNet->Drive(driver, value) || changed;
  }
  pending.push_back(pin.Wire);
  return changed;
}

/// Drives every wire, joint and pin reachable from `start` through wires and joints not yet
/// visited in this pass, as the wire and joint `Propagate` describe; true when a pin changed.
bool TNet::PropagateFrom(TGraphicObject& start, TDevice* driver, TLevel value) {
  std::vector<TWire*>& pending = PendingWires;
  const std::size_t bottom = pending.size();
  bool changed = false;
  auto enterSolder = [&pending](TSolder& solder) {
    solder.Visited = true;
    // Last slot pushed first, so the first slot is driven first, as a recursion would.
    for (auto slot = solder.Wires.rbegin(); slot != solder.Wires.rend(); ++slot) {
      if (*slot && !(*slot)->Visited) {
        pending.push_back(*slot);
      }
    }
  };
  TWire* first = nullptr;
  if (start.GraphicKind() == TGraphicKind::Solder) {
    enterSolder(static_cast<TSolder&>(start));
  } else {
    first = &static_cast<TWire&>(start);
  }
  while (first || pending.size() > bottom) {
    TWire* wire = first;
    if (wire) {
      first = nullptr;
    } else {
      wire = pending.back();
      pending.pop_back();
      if (wire->Visited) {
        continue;
      }
    }
    wire->Value = value;
    wire->Visited = true;
    for (TGraphicObject* end : {wire->End1, wire->End2}) {
      if (TPin* pin = AsPin(end)) {
        changed |= DrivePinOfWalk(*pin, driver, value, pending);
      } else if (TSolder* solder = AsSolder(end); solder && !solder->Visited) {
        enterSolder(*solder);
      }
    }
  }
  return changed;
}

/// The first pin of `kind` in the order a depth-first search from `start` meets it, marking
/// what it passes as the wire and joint `FindPinOfKind` describe.
TPin* TNet::FindPinFrom(TGraphicObject& start, std::int32_t kind) {
  std::vector<TSearchStep>& steps = SearchSteps;
  const std::size_t bottom = steps.size();
  TPin* found = nullptr;
  steps.push_back({&start, 0});
  if (start.GraphicKind() == TGraphicKind::Solder) {
    static_cast<TSolder&>(start).Visited = true;
  } else {
    static_cast<TWire&>(start).Visited = true;
  }
  while (!found && steps.size() > bottom) {
    TSearchStep& step = steps.back();
    if (step.Part->GraphicKind() == TGraphicKind::Solder) {
      auto& solder = static_cast<TSolder&>(*step.Part);
      if (step.Next == 3) {
        steps.pop_back();
        continue;
      }
      TWire* wire = solder.Wires[static_cast<std::size_t>(step.Next++)];
      if (wire && !wire->Visited) {
        wire->Visited = true;
        steps.push_back({wire, 0});
      }
      continue;
    }
    auto& wire = static_cast<TWire&>(*step.Part);
    if (step.Next == 2) {
      steps.pop_back();
      continue;
    }
    TGraphicObject* end = step.Next++ == 0 ? wire.End1 : wire.End2;
    if (TPin* pin = AsPin(end)) {
      if (pin->Kind == kind) {
        found = pin;
      }
    } else if (TSolder* solder = AsSolder(end); solder && !solder->Visited) {
      solder->Visited = true;
      steps.push_back({solder, 0});
    }
  }
  steps.resize(bottom);
  return found;
}

LV_REGISTER_CLASS(TPin)
LV_REGISTER_CLASS(TMacroPin)
LV_REGISTER_CLASS(TWire)
LV_REGISTER_CLASS(TSolder)

}  // namespace logivane
