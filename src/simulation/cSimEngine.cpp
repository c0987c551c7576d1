// The reference engine: the settle loop over the objects of a level.

#include "simulation/cSimEngine.h"

#include "simulation/cMacro.h"

namespace logivane {

namespace {

void CalculateEach(const TGraphicList& list, std::uint64_t& evaluations) {
  for (TSerialize* item : list.Objects()) {
    auto* object = static_cast<TGraphicObject*>(item);
    if (object->GraphicKind() == TGraphicKind::Device) {
      static_cast<TDevice*>(object)->Calculate();
      ++evaluations;
    }
  }
}

}  // namespace

void TInterpretedEngine::CalculateSources(std::uint64_t& evaluations) {
  CalculateEach(FLevel.Inputs(), evaluations);
}

int TInterpretedEngine::Settle(SimResult& total, bool displayed, int maxPasses,
                               std::uint64_t& evaluations) {
  const std::vector<TDevice*>& order = FLevel.FEvalOrder;
  const std::size_t size = order.size();
  bool stop = false;
  int passes = 0;
  do {
    total.Changed = false;
    total.Culprit = nullptr;
    FLevel.SetVisited(false);
    std::size_t evaluated = 0;
    while (evaluated < size) {
      TDevice* device = order[evaluated++];
      const SimResult result = device->Calculate();
      if (!(result.Changed || result.Race || result.Contention)) {
        continue;
      }
      // Only the level on screen names its own device; below it the culprit passes up.
      total = result;
      if (displayed) {
        total.Culprit = device;
      }
      if (result.Race || result.Contention) {
        stop = true;
        break;
      }
    }
    evaluations += evaluated;
    ++passes;
  } while (total.Changed && !stop && passes <= maxPasses);
  return passes;
}

void TInterpretedEngine::LatchFlipFlops() {
  for (TDevice* flipFlop : FLevel.FClockedFlipFlops) {
    flipFlop->SetSlaveInputs();
  }
}

void TInterpretedEngine::CalculateIndicators(std::uint64_t& evaluations) {
  CalculateEach(FLevel.Outputs(), evaluations);
}

void TInterpretedEngine::ClearDrivers() {
  // Only sub-circuits do more than clear their pins.
  for (TPin* pin : FLevel.FLevelPins) {
    pin->Driver = nullptr;
  }
  for (TMacro* sub : FLevel.FSubCircuits) {
    sub->ClearDrivers();
  }
}

}  // namespace logivane
