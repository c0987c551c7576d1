#include "simulation/cCircuitBuilder.h"

#include <limits>

namespace logivane {

namespace {

/// Whether `end` is a pin without a wire or a joint with a free slot.
bool CanTakeWire(const TGraphicObject& end) {
  switch (end.GraphicKind()) {
    case TGraphicKind::Pin:
      return !static_cast<const TPin&>(end).IsConnected();
    case TGraphicKind::Solder:
      return static_cast<const TSolder&>(end).WireCount() < 3;
    default:
      return false;
  }
}

void AttachToEnd(TGraphicObject& end, TWire* wire) {
  if (end.GraphicKind() == TGraphicKind::Pin) {
    static_cast<TPin&>(end).AttachWire(wire);
  } else {
    static_cast<TSolder&>(end).AttachWire(wire);
  }
  wire->AttachEnd(&end);
}

QPoint RoundedCentre(const TGraphicObject& object) {
  float x, y;
  object.GetCentre(x, y);
  return {RoundToInt(x), RoundToInt(y)};
}

/// The index of the first vertex of the segment of `wire` nearest to `p`.
int NearestSegment(const TWire& wire, QPoint p) {
  int nearest = 0;
  float best = std::numeric_limits<float>::max();
  for (int i = 0; i + 1 < wire.PointCount(); ++i) {
    float d2, t;
    DistanceToSegment(wire.GetPoint(i), wire.GetPoint(i + 1), p, d2, t);
    if (d2 < best) {
      best = d2;
      nearest = i;
    }
  }
  return nearest;
}

}  // namespace

TWire* Connect(TMacro& circuit, TGraphicObject& end1, TGraphicObject& end2,
               const std::vector<QPoint>& bends) {
  if (&end1 == &end2 || !CanTakeWire(end1) || !CanTakeWire(end2)) {
    return nullptr;
  }
  auto wire = std::make_unique<TWire>();
  wire->AddPoint(RoundedCentre(end1));
  for (const QPoint bend : bends) {
    wire->AddPoint(bend);
  }
  wire->AddPoint(RoundedCentre(end2));
  wire->Remap();
  TWire* added = circuit.Wires().Add(std::move(wire));
  AttachToEnd(end1, added);
  AttachToEnd(end2, added);
  return added;
}

TSolder* AddJoint(TMacro& circuit, QPoint at) {
  auto solder = std::make_unique<TSolder>();
  solder->Translate(static_cast<float>(at.x()), static_cast<float>(at.y()));
  solder->Remap();
  return circuit.Solders().Add(std::move(solder));
}

TSolder* AddSolder(TMacro& circuit, TWire& wire, QPoint at) {
  if (circuit.Wires().Objects().IndexOf(&wire) < 0 || wire.PointCount() < 2) {
    return nullptr;
  }
  wire.HitIndex = NearestSegment(wire, at);
  wire.HitPoint = at;
  std::unique_ptr<TWire> first;
  std::unique_ptr<TWire> second;
  wire.Split(first, second);

  TSolder* joint = AddJoint(circuit, at);
  // Set explicitly: a piece whose far end is loose must still meet the joint at the cut.
  first->End2 = joint;
  second->End1 = joint;
  for (std::unique_ptr<TWire>* piece : {&first, &second}) {
    (*piece)->Remap();
    joint->AttachWire(circuit.Wires().Add(std::move(*piece)));
  }
  circuit.Wires().DeleteChild(&wire);  // its ends went to the pieces
  return joint;
}

void UpdateTagKinds(TMacro& circuit) {
  for (int i = 0; i < circuit.Tags().Count(); ++i) {
    TTagDevice& tag = *circuit.Tag(i);
    tag.Direction = TTagDevice::DirectionNone;
    for (const std::int32_t kind : {PinOutput, PinTriState, PinInput}) {
      circuit.SetVisited(false);
      if (tag.FindNetPin(kind)) {
        tag.Direction = kind;  // the directions are numbered like the pin kinds
        break;
      }
    }
    if (TMacroPin* outline = tag.LinkPin->Partner) {
      outline->Kind = tag.Direction;
    }
  }
}

bool RemoveLooseWires(TMacro& circuit, const TInvalidate& invalidate) {
  // Deleting a wire detaches it from pins and joints only, so the wires before it keep both
  // their ends and one pass over the list finds every loose wire.
  TGraphicList& wires = circuit.Wires();
  bool removed = false;
  for (int i = 0; i < wires.Count();) {
    auto* wire = static_cast<TWire*>(wires.Child(i));
    if (wire->EndCount() == 2) {
      ++i;
      continue;
    }
    if (invalidate) {
      invalidate(wire->GetBounds());
    }
    circuit.DeleteChild(wire);
    removed = true;
  }
  return removed;
}

bool CleanSolders(TMacro& circuit, const TInvalidate& invalidate) {
  TGraphicList& solders = circuit.Solders();
  bool changed = false;
  for (int i = 0; i < solders.Count();) {
    auto* solder = static_cast<TSolder*>(solders.Child(i));
    const int count = solder->WireCount();
    if (count == 3) {
      ++i;
      continue;
    }
    const TRect bounds = solder->GetBounds();
    if (count == 2) {
      TWire* pair[2] = {};
      int taken = 0;
      for (TWire* wire : solder->Wires) {
        if (wire) {
          pair[taken++] = wire;
        }
      }
      auto joined = std::make_unique<TWire>();
      joined->Join(*pair[0], *pair[1]);
      joined->Remap();
      circuit.Wires().Add(std::move(joined));
      circuit.DeleteChild(pair[0]);
      circuit.DeleteChild(pair[1]);
    }
    circuit.DeleteChild(solder);
    changed = true;
    if (invalidate) {
      invalidate(bounds);
    }
    if (count < 2 && RemoveLooseWires(circuit, invalidate)) {
      i = 0;  // wires that went loose may have left earlier joints short of wires
    }
  }
  return changed;
}

namespace {

/// The first output pin on the net of `wire`, searched with every mark of `circuit` cleared.
/// `traced` lies outside the circuit's lists, so its own mark is cleared afterwards.
const TPin* OutputOnNet(TMacro& circuit, TWire& wire, TWire& traced) {
  circuit.SetVisited(false);
  const TPin* found = wire.FindPinOfKind(PinOutput);
  traced.Visited = false;
  return found;
}

}  // namespace

bool JoinsTwoOutputs(TMacro& circuit, TWire& traced, const TPin& target) {
  return target.Kind == PinOutput && OutputOnNet(circuit, traced, traced) != nullptr;
}

bool JoinsTwoOutputs(TMacro& circuit, TWire& traced, TWire& target) {
  const TPin* theirs = OutputOnNet(circuit, target, traced);
  if (!theirs) {
    return false;
  }
  const TPin* ours = OutputOnNet(circuit, traced, traced);
  return ours && ours != theirs;
}

TMacroPin* AddOutlinePin(TMacro& macro, float x, float y) {
  auto pin = std::make_unique<TMacroPin>();
  pin->Translate(x, y);
  pin->Remap();
  return macro.Pins().Add(std::move(pin));
}

void AssociateTag(TMacro& macro, TTagDevice& tag, TMacroPin& pin) {
  TMacroPin::Link(*tag.LinkPin, pin);
  pin.Kind = tag.Direction;
  tag.SetNumber(macro.Pins().Objects().IndexOf(&pin) + 1);
}

}  // namespace logivane
