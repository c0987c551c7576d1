#pragma once

#include "document/Cfloat.h"

#include <QPainter>

#include <cstdint>
#include <utility>
#include <vector>

namespace logivane {

class TGraphicObject;
class TMacro;
class TWire;

/**
 * @brief Where each object of the level on screen lies, so that a repaint draws only the
 * objects that meet the area it renders without asking every object for its bounds.
 *
 * The index is trusted only while nothing in the program has changed shape or list since it
 * was made (`TDrawingChanges`); otherwise the next repaint makes it again. A drag of the
 * selection, which changes a few objects many times a second, updates just their entries.
 */
class TPaintIndex {
public:
  /// Paints the objects of the open `circuit` that meet `area`, in painting order.
  void Draw(QPainter& painter, const TMacro& circuit, const TRect& area);
  /// Forgets everything: the next repaint makes the index again.
  void Invalidate() { FValid = false; }

  /// Called before the selection moves: notes whether the index is up to date.
  void BeginMove();
  /// Called once `moved` and the wires that `followed` them have moved, with nothing else
  /// changed since `BeginMove`: takes their new bounds.
  void EndMove(const std::vector<TGraphicObject*>& moved, const std::vector<TWire*>& followed);

private:
  struct TEntry {
    TRect Bounds;
    TGraphicObject* Object;
  };

  bool IsCurrent(const TMacro& circuit) const;
  void Rebuild(const TMacro& circuit);
  void Update(TGraphicObject* object);

  std::vector<TEntry> FEntries;
  /// Where each object's entry is, sorted by object for a binary search: a drag looks up
  /// hundreds of objects at every step.
  std::vector<std::pair<const TGraphicObject*, std::size_t>> FPositions;
  const TMacro* FCircuit = nullptr;
  std::uint64_t FChanges = 0;
  bool FValid = false;
  bool FCurrentBeforeMove = false;
};

}  // namespace logivane
