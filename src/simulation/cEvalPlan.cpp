#include "simulation/cEvalPlan.h"

#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cinput.h"

#include <algorithm>
#include <limits>

namespace logivane {

void TEvalPlan::ClearDrivers() {
  for (const std::uint32_t s : FClearedSlots) {
    FDriver[s] = nullptr;
  }
  for (TPin* pin : FBoundaryPins) {
    pin->Driver = nullptr;
  }
  for (const std::uint32_t s : FBoundarySlots) {
    FWrittenDriver[s] = nullptr;
  }
}

int TEvalPlan::Settle(SimResult& total, bool displayed, int maxPasses, std::uint64_t& evaluations) {
  TakeInBoundary();
  // A sub-circuit settles again in every pass of its parent, and its flip-flops latch in
  // between.
  for (const std::uint32_t i : FStateful) {
    FDevices[i].Fresh = false;
  }
  const std::size_t size = FDevices.size();
  int passes = 0;
  FRevisit = true;
  do {
    StartPass();
    // When every device may be skipped and none lost its freshness behind the pass, the pass
    // would evaluate nothing: it only counts.
    TDevice* changer = FRevisit || !FAllSkippable ? RunPass() : nullptr;
    // None of these devices reports a race or contention itself; see `TMacro::Settle`.
    total.Changed = changer != nullptr;
    total.Culprit = displayed ? changer : nullptr;
    evaluations += size;
    ++passes;
  } while (total.Changed && passes <= maxPasses);
  ShareWithOutside();
  return passes;
}

TDevice* TEvalPlan::RunPass() {
  FRevisit = false;
  const TPlanDevice* changer = nullptr;
  for (TPlanDevice& device : FDevices) {
    if (device.Fresh) {
      continue;
    }
    device.Fresh = device.Skippable;
    if (Evaluate(device)) {
      changer = &device;
    }
  }
  return changer ? ObjectOf(*changer) : nullptr;
}

void TEvalPlan::CalculateSources(std::uint64_t& evaluations) {
  // The sources lie far apart in memory and each is read once: ask for the ones ahead early.
  constexpr std::size_t Ahead = 8;
  const std::size_t count = FSources.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i + Ahead < count && FSources[i + Ahead].Sequence < 0) {
      __builtin_prefetch(FSources[i + Ahead].Object);
      __builtin_prefetch(FSources[i + Ahead].State);
    }
    const TPlanSource& source = FSources[i];
    if (source.Slot < 0) {
      source.Object->Calculate();
    } else {
      // A source drives without looking for a fight, as `TInputDevice::Calculate` does.
      const auto slot = static_cast<std::uint32_t>(source.Slot);
      const TLevel level = source.Sequence >= 0
                               ? StepSequence(FSequences[static_cast<std::size_t>(source.Sequence)])
                               : static_cast<TInputDevice*>(source.Object)->NextLevel();
      if (source.Alone) {
        DriveAlone(slot, FSlots[slot].PropagateNet, level);
      } else {
        SetValue(slot, source.Object, level);
      }
    }
  }
  evaluations += FSources.size();
}

TLevel TEvalPlan::StepSequence(TPlanSequence& sequence) {
  const TLevel* levels = FSequenceLevels.data() + sequence.First;
  return TSeqInputDevice::Step(sequence.Phase, sequence.Position, sequence.Level,
                               sequence.HoldsEveryOther, sequence.Length,
                               [levels](std::int32_t i) { return levels[i]; });
}

void TEvalPlan::LatchFlipFlops() {
  for (const std::uint32_t i : FClocked) {
    const TPlanDevice& device = FDevices[i];
    const std::uint32_t* cells = &FDeviceCells[device.FirstPin];
    const auto input = [this, cells](int pin) {
      return Input(cells[pin]);
    };
    TFlipFlopState& state = FFlipFlops[static_cast<std::size_t>(device.Link)];
    if (device.Kind == TKind::D) {
      TDFlipFlop::LoadMaster(input, state.MasterQ, state.MasterNotQ);
    } else {
      TJKFlipFlop::LoadMaster(input, state.MasterQ, state.MasterNotQ);
    }
  }
}

void TEvalPlan::StartPass() {
  if (++FPass == 0) {
    for (TNetState& net : FNets) {
      net.VisitedPass = 0;
    }
    FPass = 1;
  }
}

void TEvalPlan::TakeInBoundary() {
  for (const std::uint32_t n : FBoundaryNets) {
    for (std::uint32_t s = FNets[n].First; s < FNets[n].End; ++s) {
      if (FLevels[s] != FPin[s]->Value) {
        Change(s, FPin[s]->Value);
      }
      FWrittenValue[s] = FLevels[s];
      FDriver[s] = FWrittenDriver[s] = FPin[s]->Driver;
    }
    const std::uint32_t wire = FNetFirstWire[n];
    if (wire < FNetFirstWire[n + 1]) {
      FLevels[NetCell(n)] = FWrittenNetValue[n] = FWires[wire]->Value;
    }
  }
}

void TEvalPlan::ShareWithOutside() {
  for (const std::uint32_t s : FBoundarySlots) {
    WriteSlot(s);
  }
  for (const std::uint32_t n : FBoundaryNets) {
    WriteNet(n);
    // Sources and tags drive these nets through the objects, which look at the marks the last
    // pass left; they may have marked them since the plan last wrote them.
    WriteNetMarks(n, true);
  }
  for (const std::uint32_t s : FOutsideSlots) {
    WriteSlot(s);
  }
  for (TWire* wire : FOutsideWires) {
    wire->Visited = false;
  }
  for (TSolder* solder : FOutsideSolders) {
    solder->Visited = false;
  }
}

void TEvalPlan::PublishSources() {
  for (const TPlanSource& source : FSources) {
    if (source.Slot >= 0) {
      WriteSlot(static_cast<std::uint32_t>(source.Slot));
    }
    if (source.Sequence >= 0) {
      const TPlanSequence& sequence = FSequences[static_cast<std::size_t>(source.Sequence)];
      auto& object = static_cast<TSeqInputDevice&>(*source.Object);
      object.Phase = sequence.Phase;
      object.Position = sequence.Position;
      object.Level = sequence.Level;
    }
  }
}

void TEvalPlan::Publish() {
  PublishSources();
  for (const TPlanDevice& device : FDevices) {
    if (device.Kind >= TKind::RS) {
      FFlipFlops[static_cast<std::size_t>(device.Link)].WriteTo(
          static_cast<TFlipFlop&>(*ObjectOf(device)), device.Kind);
    }
  }
  for (std::uint32_t s = 0; s < FSlots.size(); ++s) {
    WriteSlot(s);
  }
  for (std::uint32_t n = 0; n < FNets.size(); ++n) {
    WriteNet(n);
    WriteNetMarks(n, false);
  }
}

bool TEvalPlan::TakeIn() {
  for (std::uint32_t s = 0; s < FSlots.size(); ++s) {
    FLevels[s] = FWrittenValue[s] = FPin[s]->Value;
    FWrittenDriver[s] = FPin[s]->Driver;
  }
  // The drivers the plan keeps for good stay: no other device ever drives those nets.
  for (const std::uint32_t s : FClearedSlots) {
    FDriver[s] = FPin[s]->Driver;
  }
  for (std::uint32_t n = 0; n < FNets.size(); ++n) {
    TNetState& net = FNets[n];
    const std::uint32_t wire = FNetFirstWire[n];
    const bool wired = wire < FNetFirstWire[n + 1];
    const TLevel level = wired ? FWires[wire]->Value : 0;
    FLevels[NetCell(n)] = FWrittenNetValue[n] = level;
    FWrittenVisited[n] = wired && FWires[wire]->Visited;
    net.VisitedPass = FWrittenVisited[n] ? FPass : 0;
    if (net.Shared && !std::all_of(FPin.begin() + net.First, FPin.begin() + net.End,
                                   [level](const TPin* pin) { return pin->Value == level; })) {
      return false;  // its pins no longer share one level
    }
  }
  for (TPlanDevice& device : FDevices) {
    device.Fresh = false;
    if (device.Kind >= TKind::RS) {
      FFlipFlops[static_cast<std::size_t>(device.Link)] =
          TFlipFlopState::ReadFrom(static_cast<const TFlipFlop&>(*ObjectOf(device)), device.Kind);
    }
  }
  for (const TPlanSource& source : FSources) {
    if (source.Sequence >= 0) {
      TPlanSequence& sequence = FSequences[static_cast<std::size_t>(source.Sequence)];
      const auto& object = static_cast<const TSeqInputDevice&>(*source.Object);
      sequence.Phase = object.Phase;
      sequence.Position = object.Position;
      sequence.Level = object.Level;
    }
  }
  for (TPlanIndicator& indicator : FIndicators) {
    indicator.Latched = false;
  }
  return true;
}

void TEvalPlan::ExchangeState(TStateArchive& state) {
  if (!state.IsLoading()) {
    // The other devices outside the plan show what the step left them; see `TMacro`.
    PublishSources();
  }
  state.Items(FLevels);
  state.Items(FDriver);
  state.Items(FFlipFlops);
  for (TPlanSequence& sequence : FSequences) {
    state.Field(sequence.Phase);
    state.Field(sequence.Position);
    state.Field(sequence.Level);
  }
  state.Field(FPass);
  for (TNetState& net : FNets) {
    state.Field(net.VisitedPass);
  }
  // Only a device that may share a net can fight over it; no other one is ever marked.
  for (TPlanDevice& device : FDevices) {
    if (!device.Skippable) {
      state.Field(ObjectOf(device)->Contention);
    }
  }
  for (TWire* wire : FOutsideWires) {
    state.Field(wire->Value);
    state.Field(wire->Visited);
  }
  for (TSolder* solder : FOutsideSolders) {
    state.Field(solder->Visited);
  }
  if (state.IsLoading()) {
    // Evaluating a device once more changes nothing, and indicators latch anew what their
    // pins show.
    for (TPlanDevice& device : FDevices) {
      device.Fresh = false;
    }
    for (TPlanIndicator& indicator : FIndicators) {
      indicator.Latched = false;
    }
    // Devices outside the plan read the pins of the nets they share with it: every pin is
    // written now.
    std::fill(FWrittenValue.begin(), FWrittenValue.end(), std::numeric_limits<TLevel>::min());
    Publish();
  }
}

bool TEvalPlan::WriteSlot(std::uint32_t slot) {
  const TLevel level = FLevels[FSlots[slot].Cell];
  if (level == FWrittenValue[slot] && FDriver[slot] == FWrittenDriver[slot]) {
    return false;
  }
  FWrittenValue[slot] = level;
  FWrittenDriver[slot] = FDriver[slot];
  FPin[slot]->Value = level;
  FPin[slot]->Driver = FDriver[slot];
  return true;
}

void TEvalPlan::CalculateIndicators(std::uint64_t& evaluations) {
  // An indicator only latches the levels of its pins, so one whose pins kept their levels and
  // drivers has nothing new to latch.
  for (TPlanIndicator& indicator : FIndicators) {
    bool changed = !indicator.Taken || !indicator.Latched;
    for (std::uint32_t i = indicator.First; i < indicator.End; ++i) {
      changed = WriteSlot(FIndicatorSlots[i]) || changed;
    }
    if (changed) {
      indicator.Object->Calculate();
      indicator.Latched = true;
    }
  }
  evaluations += FIndicators.size();
}

void TEvalPlan::WriteNet(std::uint32_t net) {
  const TLevel level = FLevels[NetCell(net)];
  if (level != FWrittenNetValue[net]) {
    FWrittenNetValue[net] = level;
    for (std::uint32_t w = FNetFirstWire[net]; w < FNetFirstWire[net + 1]; ++w) {
      FWires[w]->Value = level;
    }
  }
}

void TEvalPlan::WriteNetMarks(std::uint32_t net, bool always) {
  const bool visited = FNets[net].VisitedPass == FPass || FNets[net].AlwaysMarked;
  if (!always && visited == FWrittenVisited[net]) {
    return;
  }
  FWrittenVisited[net] = visited;
  for (std::uint32_t w = FNetFirstWire[net]; w < FNetFirstWire[net + 1]; ++w) {
    FWires[w]->Visited = visited;
  }
  for (std::uint32_t j = FNetFirstSolder[net]; j < FNetFirstSolder[net + 1]; ++j) {
    FSolders[j]->Visited = visited;
  }
}

bool TEvalPlan::SetValue(std::uint32_t slot, TDevice* driver, TLevel level) {
  FDriver[slot] = driver;
  const bool changed = FLevels[slot] != level;
  if (changed) {
    Change(slot, level);
  }
  const std::int32_t n = FSlots[slot].PropagateNet;
  if (n < 0) {
    return changed;
  }
  TNetState& net = FNets[static_cast<std::size_t>(n)];
  if (net.VisitedPass == FPass) {
    return changed;
  }
  net.VisitedPass = FPass;
  FLevels[NetCell(static_cast<std::uint32_t>(n))] = level;
  std::fill(FDriver.begin() + net.First, FDriver.begin() + net.End, driver);
  return ChangeNet(net, level) || changed;
}

inline bool TEvalPlan::DriveAlone(std::uint32_t slot, std::int32_t n, TLevel level) {
  // The slots name the device already (see `TEvalPlanBuilder::KeepDrivers`).
  if (n < 0) {
    if (FLevels[slot] == level) {
      return false;
    }
    Change(slot, level);
    return true;
  }
  // No one else drives the net, and the device is evaluated once a pass: the net is never
  // visited yet and never fought over. The device's own pin lies among the net's.
  TNetState& net = FNets[static_cast<std::size_t>(n)];
  net.VisitedPass = FPass;
  TLevel& netLevel = FLevels[NetCell(static_cast<std::uint32_t>(n))];
  if (!net.Shared) {
    netLevel = level;
    return ChangeNet(net, level);
  }
  // A net with one level for all its pins.
  if (netLevel == level) {
    return false;
  }
  netLevel = level;
  for (std::uint32_t r = net.ReadersFirst; r < net.ReadersEnd; ++r) {
    Unfresh(FNetReaders[r]);
  }
  return true;
}

inline bool TEvalPlan::ChangeNet(const TNetState& net, TLevel level) {
  bool changed = false;
  for (std::uint32_t s = net.First; s < net.End; ++s) {
    if (FLevels[s] != level) {
      changed = true;
      Change(s, level);
    }
  }
  return changed;
}

inline bool TEvalPlan::DriveOutput(const TPlanDevice& planned, std::uint32_t slot, TLevel level) {
  if (planned.Skippable) {
    return DriveAlone(slot, FSlots[slot].PropagateNet, level);
  }
  TDevice* device = ObjectOf(planned);
  if (Fights(FDriver[slot], device)) {
    device->Contention = true;
    return true;
  }
  return SetValue(slot, device, level);
}

bool TEvalPlan::DriveOutputs(const TPlanDevice& device, const std::uint32_t* pins, TLevel q,
                             TLevel notQ) {
  const bool changedQ = DriveOutput(device, pins[0], q);
  const bool changedNotQ = DriveOutput(device, pins[1], notQ);
  return changedQ || changedNotQ;
}

inline bool TEvalPlan::Evaluate(const TPlanDevice& device) {
  const std::uint32_t* pins = &FDevicePins[device.FirstPin];
  const std::uint32_t* cells = &FDeviceCells[device.FirstPin];
  if (device.Kind < TKind::TriState) {
    const TLevel level = GateLevel(device, cells);
    return device.Skippable ? DriveAlone(pins[0], device.Link, level)
                            : DriveOutput(device, pins[0], level);
  }
  switch (device.Kind) {
    case TKind::TriState:
      return EvaluateTriState(device, pins, cells);
    case TKind::RS:
      return EvaluateRS(device, pins, cells);
    case TKind::D:
      return EvaluateClocked(device, pins, cells, TDFlipFlop::PassLevel);
    default:
      return EvaluateClocked(device, pins, cells, TJKFlipFlop::PassLevel);
  }
}

inline TLevel TEvalPlan::GateLevel(const TPlanDevice& device, const std::uint32_t* cells) const {
  return TGateDevice::Level(device.Kind, device.Inputs,
                            [this, cells](int k) { return Input(cells[k]); });
}

bool TEvalPlan::EvaluateTriState(const TPlanDevice& device, const std::uint32_t* pins,
                                 const std::uint32_t* cells) {
  if (Input(cells[TTriState::PinEnable]) == 0) {
    return false;
  }
  const std::uint32_t output = pins[TTriState::PinOutput];
  TDevice* object = ObjectOf(device);
  bool changed = true;
  if (TTriState::ActionOn(FDriver[output], object) == TTriState::TAction::Fight) {
    object->Contention = true;
  } else {
    changed = SetValue(output, object, Input(cells[TTriState::PinData]));
  }
  FDriver[output] = nullptr;
  return changed;
}

bool TEvalPlan::EvaluateRS(const TPlanDevice& device, const std::uint32_t* pins,
                           const std::uint32_t* cells) {
  TFlipFlopState& latch = FFlipFlops[static_cast<std::size_t>(device.Link)];
  TRSFlipFlop::Latch([this, cells](int pin) { return Input(cells[pin]); }, latch.Q, latch.NotQ);
  return DriveOutputs(device, pins, latch.Q, latch.NotQ);
}

bool TEvalPlan::EvaluateClocked(const TPlanDevice& device, const std::uint32_t* pins,
                                const std::uint32_t* cells, TLevel passLevel) {
  TFlipFlopState& state = FFlipFlops[static_cast<std::size_t>(device.Link)];
  return TClockedFlipFlop::Evaluate(
      [this, cells](int pin) { return Input(cells[pin]); },
      [this, cells](int pin) { return FLevels[cells[pin]]; },
      [this, &device, pins](TLevel q, TLevel notQ) { return DriveOutputs(device, pins, q, notQ); },
      passLevel, state.MasterQ, state.MasterNotQ, state.Initial);
}

void TEvalPlan::TFlipFlopState::WriteTo(TFlipFlop& flipFlop, TKind kind) const {
  flipFlop.Q = Q;
  flipFlop.NotQ = NotQ;
  if (kind != TKind::RS) {
    auto& clocked = static_cast<TClockedFlipFlop&>(flipFlop);
    clocked.MasterQ = MasterQ;
    clocked.MasterNotQ = MasterNotQ;
    clocked.Initial = Initial;
  }
}

}  // namespace logivane
