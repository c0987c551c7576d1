// The simulation side of TMacro: evaluation order, settle loop, resets and live painting.

#include "simulation/cEvalPlan.h"
#include "simulation/cMacro.h"
#include "simulation/cSimEngine.h"
#include "simulation/cTagDevice.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

namespace logivane {

void TMacro::PrimeDevices() {
  // Evaluate every device once so that the input pins of this level name their drivers.
  SetVisited(false);
  const TPrimingScope priming;
  EachDevice(*FDevices, [this](TDevice& device) {
    if (device.Role() != TDeviceRole::Macro) {
      device.Calculate();
      return;
    }
    auto& sub = static_cast<TMacro&>(device);
    sub.Interpreted = Interpreted;
    sub.BuildEvalOrder();
    sub.SetInputsDue(false);  // sources advance only in a real step
    sub.Calculate();
    sub.Publish();
  });
  // The indicators take the levels the priming left, so that a level that was just reset or
  // read shows one state on its wires and its indicators.
  EachDevice(*FOutputs, [](TDevice& device) { device.Calculate(); });
}

void TMacro::BuildEvalOrder() {
  RetireEngine();
  // Start from no drivers at all: marks left by an earlier step, or by devices deleted since,
  // must not shape the order.
  ClearContentDrivers();
  GatherNets();

  PrimeDevices();

  // Each device preceded by the devices that drive its inputs.
  std::vector<TDevice*> drivers;
  std::vector<TDevice*> members;
  EachDevice(*FDevices, [&](TDevice& device) {
    device.CollectDrivers(drivers);
    drivers.push_back(&device);
    members.push_back(&device);
  });

  // Keep the first place of each device of this level. A driver seen through a tag lives on
  // another level and is not evaluated here.
  std::sort(members.begin(), members.end(), std::less<>());
  std::vector<char> placed(members.size(), 0);
  ForgetOrder();
  for (TDevice* driver : drivers) {
    const auto at = std::lower_bound(members.begin(), members.end(), driver, std::less<>());
    if (at == members.end() || *at != driver) {
      continue;
    }
    char& seen = placed[static_cast<std::size_t>(at - members.begin())];
    const TDeviceRole role = driver->Role();
    if (seen || role == TDeviceRole::Input || role == TDeviceRole::Output ||
        role == TDeviceRole::Tag) {
      continue;
    }
    seen = 1;
    FEvalOrder.push_back(driver);
  }

  for (TDevice* device : FEvalOrder) {
    if (device->IsClockedFlipFlop()) {
      FClockedFlipFlops.push_back(device);
    }
    if (device->Role() == TDeviceRole::Macro) {
      FSubCircuits.push_back(static_cast<TMacro*>(device));
    }
  }
  FOrderBuilt = true;
  ChooseEngine();
}

void TMacro::ChooseEngine() {
  FEngine.reset();
  FEngineStamp = FStructure->Changes();
  FEngineInterpreted = Interpreted;
  if (FOrderBuilt) {
    CollectLevelPins();
    if (!Interpreted) {
      GatherNets();
      std::vector<TDevice*> sources;
      EachDevice(*FInputs, [&sources](TDevice& source) { sources.push_back(&source); });
      std::vector<TDevice*> indicators;
      EachDevice(*FOutputs,
                 [&indicators](TDevice& indicator) { indicators.push_back(&indicator); });
      std::vector<TWire*> wires;
      for (TSerialize* wire : FWires->Objects()) {
        wires.push_back(static_cast<TWire*>(wire));
      }
      std::vector<TSolder*> solders;
      for (TSerialize* solder : FSolders->Objects()) {
        solders.push_back(static_cast<TSolder*>(solder));
      }
      FEngine = TEvalPlan::Compile(FEvalOrder, sources, indicators, FLevelPins, wires, solders);
    }
  }
  if (!FEngine) {
    FEngine = std::make_unique<TInterpretedEngine>(*this);
  }
}

bool TMacro::EngineCurrent() const {
  return FEngine && FEngineStamp == FStructure->Changes() && FEngineInterpreted == Interpreted;
}

TSimEngine& TMacro::Engine() {
  if (FEngine && FEngineStamp != FStructure->Changes()) {
    // Something of the level has gone or been relinked: nothing the engine keeps of its
    // objects can be trusted, and what it had not published was published before the change.
    FEngine.reset();
  }
  if (!EngineCurrent()) {
    RetireEngine();
    ChooseEngine();
  }
  return *FEngine;
}

bool TMacro::Compiled() const {
  return EngineCurrent() && FEngine->Compiled();
}

void TMacro::RetireEngine() {
  if (FEngine && FEngineStamp == FStructure->Changes()) {
    FEngine->Publish();
  }
  FEngine.reset();
}

void TMacro::Publish() {
  if (FEngine && FEngineStamp == FStructure->Changes()) {
    FEngine->Publish();
  }
  for (TMacro* sub : FSubCircuits) {
    sub->Publish();
  }
}

void TMacro::CollectLevelPins() {
  FLevelPins.clear();
  for (const TGraphicList* list : {FInputs.get(), FDevices.get(), FTags.get(), FOutputs.get()}) {
    EachDevice(*list, [this](const TDevice& device) {
      if (device.Role() != TDeviceRole::Macro) {
        for (TSerialize* item : device.Pins().Objects()) {
          auto* pin = static_cast<TPin*>(item);
          pin->JoinLevel(FStructure);
          FLevelPins.push_back(pin);
        }
      }
    });
  }
  FLevelPinsValid = true;
}

std::uint64_t TMacro::TotalEvaluations() const {
  std::uint64_t total = FEvaluations;
  EachDevice(*FDevices, [&total](TDevice& device) {
    if (device.Role() == TDeviceRole::Macro) {
      total += static_cast<TMacro&>(device).TotalEvaluations();
    }
  });
  return total;
}

void TMacro::GatherNets() {
  std::unordered_set<const TGraphicObject*> level;
  level.reserve(static_cast<std::size_t>(FWires->Count() + FSolders->Count()));
  for (const TGraphicList* list : {FWires.get(), FSolders.get()}) {
    for (TSerialize* item : list->Objects()) {
      level.insert(static_cast<TGraphicObject*>(item));
    }
  }
  for (TSerialize* wire : FWires->Objects()) {
    TNet::Gather(*static_cast<TWire*>(wire), level, FStructure);
  }
}

void TMacro::SetVisited(bool flag) {
  for (TSerialize* wire : FWires->Objects()) {
    static_cast<TWire*>(wire)->Visited = flag;
  }
  for (TSerialize* solder : FSolders->Objects()) {
    static_cast<TSolder*>(solder)->Visited = flag;
  }
}

void TMacro::SetInputsDue(bool flag) {
  InputsDue = flag;
  for (TMacro* sub : FSubCircuits) {
    sub->SetInputsDue(flag);
  }
}

SimResult TMacro::Calculate() {
  if (!IsSubCircuit) {
    SetInputsDue(true);
  }
  TSimEngine& engine = Engine();
  if (InputsDue) {
    // A sub-circuit is evaluated in every pass of its parent; its sources advance once a step.
    engine.CalculateSources(FEvaluations);
    if (IsSubCircuit) {
      InputsDue = false;
    }
  }
  EachDevice(*FTags, [this](TDevice& tag) {
    if (static_cast<TTagDevice&>(tag).Direction == TTagDevice::DirectionInput) {
      tag.Calculate();
      ++FEvaluations;
    }
  });

  SimResult total;
  if (engine.Settle(total, Displayed, MaxPasses, FEvaluations) > MaxPasses) {
    JudgeUnsettled(total);
  }
  engine.LatchFlipFlops();
  CalculateBoundaryTags(total);
  engine.CalculateIndicators(FEvaluations);
  return total;
}

void TMacro::JudgeUnsettled(SimResult& total) {
  // Fighting tri-state drivers never settle either; a contention mark tells them from a race.
  const TDevice* marked = nullptr;
  if (!total.Contention) {
    total.Changed = false;
    const auto found = std::find_if(FEvalOrder.begin(), FEvalOrder.end(),
                                    [](const TDevice* device) { return device->Contention; });
    if (found != FEvalOrder.end()) {
      marked = *found;
      total.Culprit = Displayed ? *found : nullptr;
    }
  }
  if (marked) {
    total.Contention = true;
    total.Changed = true;
  } else {
    total.Race = true;
    FRaced = true;
  }
}

void TMacro::CalculateBoundaryTags(SimResult& total) {
  EachDevice(*FTags, [&](TDevice& device) {
    auto& tag = static_cast<TTagDevice&>(device);
    if (tag.Direction != TTagDevice::DirectionOutput &&
        tag.Direction != TTagDevice::DirectionBidirectional) {
      return;
    }
    const SimResult result = tag.Calculate();
    ++FEvaluations;
    if (result.Changed) {
      // A changed outline pin makes the parent run another pass; a fault found here must
      // still reach it.
      if (total.Race || total.Contention) {
        total.Changed = true;
      } else {
        total = result;
      }
    }
    if (tag.Contention) {
      Contention = true;  // so the parent's scan for contention finds this sub-circuit
    }
  });
}

void TMacro::Reset() {
  FEngine.reset();  // everything it holds is about to be reset
  FRaced = false;
  TDevice::Reset();
  EachDevice(*FInputs, [](TDevice& device) { device.Reset(); });
  EachDevice(*FDevices, [](TDevice& device) { device.Reset(); });
  for (TSerialize* wire : FWires->Objects()) {
    static_cast<TWire*>(wire)->Value = 0;
  }
  EachDevice(*FTags, [](TDevice& device) { device.Reset(); });
  EachDevice(*FOutputs, [](TDevice& device) { device.Reset(); });
  BuildEvalOrder();
}

void TMacro::ExchangeState(TStateArchive& state) {
  TDevice::ExchangeState(state);
  state.Field(FEvaluations);
  // A compiled plan keeps the levels of its devices, nets and flip-flops in a few arrays, which
  // are far quicker to copy than its objects are to visit; the objects take them when
  // published.
  const bool planned = EngineCurrent() && FEngine->Compiled();
  bool savedPlanned = planned;
  state.Field(savedPlanned);
  if (savedPlanned) {
    if (!planned) {
      state.Fail();  // the plan it came from is gone
      return;
    }
    // The sources, tags and indicators show the step's levels on their pins once the plan has
    // published its sources. Loaded, the plan writes every pin it holds, then they take back
    // their pins as they showed them.
    FEngine->ExchangeState(state);
    for (const TGraphicList* list : {FInputs.get(), FTags.get(), FOutputs.get()}) {
      EachDevice(*list, [&state](TDevice& device) { device.ExchangeState(state); });
    }
    return;
  }
  for (const TGraphicList* list : {FInputs.get(), FDevices.get(), FTags.get(), FOutputs.get()}) {
    EachDevice(*list, [&state](TDevice& device) { device.ExchangeState(state); });
  }
  for (TSerialize* item : FWires->Objects()) {
    auto* wire = static_cast<TWire*>(item);
    state.Field(wire->Value);
    state.Field(wire->Visited);
  }
  for (TSerialize* solder : FSolders->Objects()) {
    state.Field(static_cast<TSolder*>(solder)->Visited);
  }
  if (state.IsLoading() && FEngine && !(EngineCurrent() && FEngine->TakeIn())) {
    FEngine.reset();  // the next step chooses one from what the objects now show
  }
}

void TMacro::ResetInputs(TLevel) {
  // Every level restarts from low inputs, whatever the caller asks for. The plan would not
  // see the pins change.
  RetireEngine();
  TDevice::ResetInputs(0);
  for (const TGraphicList* list : {FDevices.get(), FTags.get(), FOutputs.get()}) {
    EachDevice(*list, [](TDevice& device) { device.ResetInputs(0); });
  }
}

void TMacro::ClearDrivers() {
  TDevice::ClearDrivers();
  TSimEngine& engine = Engine();
  if (FLevelPinsValid) {
    engine.ClearDrivers();
  } else {
    ClearContentDrivers();
  }
}

void TMacro::ClearContentDrivers() {
  for (const TGraphicList* list : {FInputs.get(), FDevices.get(), FTags.get(), FOutputs.get()}) {
    EachDevice(*list, [](TDevice& device) { device.ClearDrivers(); });
  }
}

void TMacro::PaintState(QPainter& dc, const TRect& area) {
  if (Closed) {
    return;
  }
  for (TSerialize* item : FWires->Objects()) {
    auto* wire = static_cast<TWire*>(item);
    if (wire->Selected || wire->Value < 0) {
      continue;  // a negative level is neither high nor low
    }
    if (wire->DrawnColour() == wire->LevelColour()) {
      continue;  // what is on screen shows the level already
    }
    if (RectsMeet(wire->GetBounds(), area)) {
      wire->Draw(dc);
    }
  }
  for (TSerialize* item : FSolders->Objects()) {
    auto* solder = static_cast<TSolder*>(item);
    if (!solder->Selected && RectsMeet(solder->GetBounds(), area)) {
      solder->Draw(dc);
    }
  }
  const auto drawState = [&dc, &area](TDevice& device) {
    if (RectsMeet(device.GetBounds(), area)) {
      device.DrawState(dc);
    }
  };
  EachDevice(*FInputs, drawState);
  EachDevice(*FOutputs, drawState);
}

void TMacro::StoreShownState() {
  if (Closed) {
    return;
  }
  for (TSerialize* item : FWires->Objects()) {
    auto* wire = static_cast<TWire*>(item);
    if (wire->Value >= 0) {  // a negative level is neither high nor low: the colour stays
      wire->SetColour(wire->LevelColour());
    }
  }
  const auto store = [](TDevice& device) {
    device.StoreShownState();
  };
  EachDevice(*FInputs, store);
  EachDevice(*FOutputs, store);
}

void TMacro::RecordHistory() {
  if (Closed) {
    return;
  }
  const auto record = [](TDevice& device) {
    device.RecordState();
  };
  EachDevice(*FInputs, record);
  EachDevice(*FOutputs, record);
}

bool TMacro::FollowAllWires() {
  bool moved = false;
  for (TSerialize* wire : FWires->Objects()) {
    moved |= static_cast<TWire*>(wire)->FollowEnds();
  }
  return moved;
}

void TMacro::InvalidateWireMoves(const std::function<void(const TRect&)>& invalidate) const {
  for (TSerialize* item : FWires->Objects()) {
    const auto* wire = static_cast<const TWire*>(item);
    if (wire->EndsMoved) {
      invalidate(wire->DirtyRect);
    }
  }
}

}  // namespace logivane
