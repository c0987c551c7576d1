#include "editor/PaintIndex.h"

#include "simulation/cMacro.h"

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
      FPositions.emplace(object, FEntries.size());
      FEntries.push_back({object->GetBounds(), object});
    }
  }
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
  const auto found = FPositions.find(object);
  if (found != FPositions.end()) {
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
