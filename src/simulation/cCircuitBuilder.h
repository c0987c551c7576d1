#pragma once

#include "simulation/cMacro.h"
#include "simulation/cTagDevice.h"

#include <QPoint>

#include <functional>
#include <memory>
#include <vector>

namespace logivane {

/// Files `object` in the list of `circuit` that its class belongs to (`TMacro::ListFor`) and
/// returns it. The object keeps its position.
template <class T>
T* AddObject(TMacro& circuit, std::unique_ptr<T> object) {
  TGraphicList& list = circuit.ListFor(*object);
  return list.Add(std::move(object));
}

/// Joins two wire ends, each a free pin or a joint with a free slot, by a wire from centre to
/// centre that is filed in `circuit`; it runs straight, or through `bends` in order. Returns
/// null, changing nothing, when an end cannot take another wire or both ends are one object.
TWire* Connect(TMacro& circuit, TGraphicObject& end1, TGraphicObject& end2,
               const std::vector<QPoint>& bends = {});

/// A new solder joint of `circuit` centred on `at`, with no wires yet.
TSolder* AddJoint(TMacro& circuit, QPoint at);

/// Cuts `wire`, a wire of `circuit`, at the segment nearest to `at` and joins the two pieces
/// through a new solder joint at `at`, which is returned; the old wire is destroyed. Returns
/// null when the wire is not one of `circuit`'s or has fewer than two vertices.
TSolder* AddSolder(TMacro& circuit, TWire& wire, QPoint at);

/// Gives each tag of `circuit` the direction its net calls for (output before tri-state before
/// input, else unconnected) and copies it to the outline pin it is linked to.
void UpdateTagKinds(TMacro& circuit);

/// Repaints a rectangle of the drawing that an edit changed; editing without a window passes none.
using TInvalidate = std::function<void(const TRect&)>;

/// Deletes, one at a time until none is left, every wire of `circuit` that lacks an end.
/// True when any was deleted.
bool RemoveLooseWires(TMacro& circuit, const TInvalidate& invalidate = {});

/// Merges away every solder joint of `circuit` that holds fewer than three wires: the two wires
/// of a joint with two become one, and the wires left loose by a joint with fewer are removed.
/// True when anything changed.
bool CleanSolders(TMacro& circuit, const TInvalidate& invalidate = {});

/// Whether ending `traced`, a wire being drawn from a pin or joint, on `target` would put a
/// second output on one net. Tri-state outputs and tag pins never count.
bool JoinsTwoOutputs(TMacro& circuit, TWire& traced, const TPin& target);
/// The same for ending `traced` on the wire `target`; meeting the output that `traced` already
/// reaches again is allowed.
bool JoinsTwoOutputs(TMacro& circuit, TWire& traced, TWire& target);

/// Appends a new, unlinked outline pin to `macro`, centred on (x, y).
TMacroPin* AddOutlinePin(TMacro& macro, float x, float y);

/// Ties `tag`, a tag inside `macro`, to `pin`, one of `macro`'s outline pins: the two become
/// partners, the pin takes the tag's direction as its kind and the tag shows the pin's number.
void AssociateTag(TMacro& macro, TTagDevice& tag, TMacroPin& pin);

}  // namespace logivane
