#include "editor/PaintIndex.h"

#include "simulation/cMacro.h"

#include <algorithm>

namespace logivane {

bool TPaintIndex::IsCurrent(const TMacro& circuit) const {
  return FValid && FCircuit == &circuit && FChanges == TDrawingChanges::Now();
}

void TPaintIndex::Rebuild(const TMacro& circuit) {
  FEntries.clear();
  FPositions.clear();
  for (const TGraphicList* list : circuit.PaintOrder()) {
    for (TSerialize* item : list->Objects()) {
      auto* object = static_cast<TGraphicObject*>(item);
      FPositions.push_back({object, FEntries.size()});
      FEntries.push_back({object->GetBounds(), object});
    }
  }
  std::sort(FPositions.begin(), FPositions.end());
  FCircuit = &circuit;
  FChanges = TDrawingChanges::Now();
  FValid = true;
}

void TPaintIndex::Draw(QPainter& painter, const TMacro& circuit, const TRect& area) {
  if (!IsCurrent(circuit)) {
    Rebuild(circuit);
  }
  for (const TEntry& entry : FEntries) {
    if (RectsMeet(entry.Bounds, area)) {
      entry.Object->Draw(painter);
    }
  }
}

void TPaintIndex::BeginMove() {
  FCurrentBeforeMove = FValid && FChanges == TDrawingChanges::Now();
}

void TPaintIndex::Update(TGraphicObject* object) {
  const auto found = std::lower_bound(FPositions.begin(), FPositions.end(),
                                      std::pair<const TGraphicObject*, std::size_t>(object, 0));
  if (found != FPositions.end() && found->first == object) {
    FEntries[found->second].Bounds = object->GetBounds();
  }
}

void TPaintIndex::EndMove(const std::vector<TGraphicObject*>& moved,
                          const std::vector<TWire*>& followed) {
  if (!FCurrentBeforeMove) {
    FValid = false;
    return;
  }
  for (TGraphicObject* object : moved) {
    Update(object);
  }
  for (TWire* wire : followed) {
    Update(wire);
  }
  FChanges = TDrawingChanges::Now();
  FCurrentBeforeMove = false;
}

}  // namespace logivane
