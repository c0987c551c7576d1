#include "simulation/cEvalPlan.h"

#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cinput.h"

#include <algorithm>
#include <typeindex>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace logivane {

namespace {

struct TKindOf {
  TEvalPlan::TKind Kind;
  int Pins;
};

/// The plan's kind for a device of exactly one of the classes it evaluates itself. Derived
/// classes may evaluate otherwise, so only the exact class counts.
bool KindOf(const TDevice& device, TKindOf& found) {
  using K = TEvalPlan::TKind;
  static const std::unordered_map<std::type_index, TKindOf> Kinds = {
      {typeid(TNotGate), {K::Not, 2}},    {typeid(T2AndGate), {K::And, 3}},
      {typeid(T3AndGate), {K::And, 4}},   {typeid(T4AndGate), {K::And, 5}},
      {typeid(T2NandGate), {K::Nand, 3}}, {typeid(T3NandGate), {K::Nand, 4}},
      {typeid(T4NandGate), {K::Nand, 5}}, {typeid(T2OrGate), {K::Or, 3}},
      {typeid(T3OrGate), {K::Or, 4}},     {typeid(T4OrGate), {K::Or, 5}},
      {typeid(T2NorGate), {K::Nor, 3}},   {typeid(T3NorGate), {K::Nor, 4}},
      {typeid(T4NorGate), {K::Nor, 5}},   {typeid(T2XorGate), {K::Xor, 3}},
      {typeid(T2XnorGate), {K::Xnor, 3}}, {typeid(TTriState), {K::TriState, 3}},
      {typeid(TRSFlipFlop), {K::RS, 4}},  {typeid(TDFlipFlop), {K::D, 6}},
      {typeid(TJKFlipFlop), {K::JK, 7}},
  };
  const auto at = Kinds.find(typeid(device));
  if (at == Kinds.end() || device.PinCount() != at->second.Pins) {
    return false;
  }
  found = at->second;
  return true;
}

/// The gathered net of a wired pin, or null when the pin has a wire but no such net.
const TNet* NetOf(const TPin& pin) {
  const TNet* net = pin.Net();
  return net && pin.Wire->Net() == net ? net : nullptr;
}

}  // namespace

/**
 * @brief Lays out a plan from the objects of one level, step by step: the devices and the nets
 * they reach, the sources the plan drives, the slots, and what the objects show now.
 */
class TEvalPlan::TBuilder {
public:
  explicit TBuilder(TEvalPlan& plan) : FPlan(plan) {}

  /// Takes in the devices of `order` and the nets their pins reach, in the order first met;
  /// false when one of them cannot be compiled.
  bool AddDevices(const std::vector<TDevice*>& order) {
    for (TDevice* device : order) {
      TKindOf kind{};
      if (!KindOf(*device, kind)) {
        return false;
      }
      FPlan.FDevices.push_back({0, -1, kind.Kind, static_cast<std::uint8_t>(kind.Pins - 1)});
      FPlan.FDeviceObjects.push_back(device);
      for (int i = 0; i < device->PinCount(); ++i) {
        const TPin* pin = device->Pin(i);
        FDevicePins.insert(pin);
        if (!pin->Wire) {
          continue;
        }
        const TNet* net = NetOf(*pin);
        if (!net) {
          return false;
        }
        if (FNetIndex.try_emplace(net, static_cast<std::uint32_t>(FNets.size())).second) {
          FNets.push_back(net);
        }
      }
    }
    return true;
  }

  /// A source may be driven by the plan when its output has no wire or lies on one of the
  /// plan's nets; it is, unless something else outside the plan drives that net too.
  void ChooseSources(const std::vector<TDevice*>& sources) {
    for (TDevice* source : sources) {
      if (!dynamic_cast<TInputDevice*>(source) || source->PinCount() < 1) {
        continue;
      }
      const TPin* pin = source->Pin(0);
      if (!pin->Wire || (NetOf(*pin) && FNetIndex.contains(NetOf(*pin)))) {
        FSourcePins.insert(pin);
      }
    }
  }

  /// The slots of the nets, each net's pins side by side, with their wires and joints.
  void LayNets() {
    for (std::size_t n = 0; n < FNets.size(); ++n) {
      const TNet& net = *FNets[n];
      const auto first = static_cast<std::uint32_t>(FPlan.FPin.size());
      FPlan.FNetFirstWire.push_back(static_cast<std::uint32_t>(FPlan.FWires.size()));
      FPlan.FNetFirstSolder.push_back(static_cast<std::uint32_t>(FPlan.FSolders.size()));
      bool boundary = false;
      for (TPin* pin : net.Pins()) {
        AddSlot(pin, static_cast<std::int32_t>(n));
        // An input of a device outside the plan, such as an indicator's, only reads the net.
        boundary |=
            !FDevicePins.contains(pin) && !FSourcePins.contains(pin) && pin->Kind != PinInput;
      }
      for (TWire* wire : net.Wires()) {
        FPlan.FWires.push_back(wire);
        FPlanWires.insert(wire);
      }
      for (TSolder* solder : net.Solders()) {
        FPlan.FSolders.push_back(solder);
        FPlanSolders.insert(solder);
      }
      if (boundary) {
        FPlan.FBoundaryNets.push_back(static_cast<std::uint32_t>(n));
      }
      FPlan.FNets.push_back({first, static_cast<std::uint32_t>(FPlan.FPin.size()), 0, 0, 0, false});
    }
    FPlan.FNetFirstWire.push_back(static_cast<std::uint32_t>(FPlan.FWires.size()));
    FPlan.FNetFirstSolder.push_back(static_cast<std::uint32_t>(FPlan.FSolders.size()));
  }

  /// Each device's slots in pin order; pins without a wire get slots of their own.
  void LayDevicePins() {
    for (TPlanDevice& device : FPlan.FDevices) {
      device.FirstPin = static_cast<std::uint32_t>(FPlan.FDevicePins.size());
      const TDevice* object = FPlan.ObjectOf(device);
      for (int i = 0; i < object->PinCount(); ++i) {
        FPlan.FDevicePins.push_back(SlotOf(object->Pin(i)));
      }
      if (device.Kind == TKind::D || device.Kind == TKind::JK) {
        FPlan.FClocked.push_back(static_cast<std::uint32_t>(&device - FPlan.FDevices.data()));
      }
    }
  }

  void PlaceSources(const std::vector<TDevice*>& sources) {
    for (TDevice* source : sources) {
      std::int32_t slot = -1;
      if (source->PinCount() > 0 && FSourcePins.contains(source->Pin(0))) {
        TPin* pin = source->Pin(0);
        if (!IsBoundary(FPlan.FSlotNet[SlotOf(pin)])) {
          slot = static_cast<std::int32_t>(SlotOf(pin));
          FDevicePins.insert(pin);
        }
      }
      FPlan.FSources.push_back(
          {source, slot >= 0 ? static_cast<TInputDevice*>(source)->StepState() : nullptr, slot});
      if (slot >= 0 &&
          (typeid(*source) == typeid(TClockDevice) || typeid(*source) == typeid(TBitGenerator))) {
        FPlan.FSources.back().Sequence = static_cast<std::int32_t>(FPlan.FSequences.size());
        FPlan.FSequences.push_back(CopySequence(static_cast<const TSeqInputDevice&>(*source)));
      }
    }
  }

  /// What the objects show now is where the plan starts.
  void TakeObjectState() {
    TEvalPlan& plan = FPlan;
    plan.FFirstNetCell = static_cast<std::uint32_t>(plan.FPin.size());
    for (const TPin* pin : plan.FPin) {
      plan.FLevels.push_back(pin->Value);
    }
    plan.FWrittenValue = plan.FLevels;
    plan.FWrittenDriver = plan.FDriver;
    plan.FWrittenVisited.resize(FNets.size());
    plan.FWrittenNetValue.resize(FNets.size());
    for (std::size_t n = 0; n < FNets.size(); ++n) {
      const std::uint32_t first = plan.FNetFirstWire[n];
      const bool wired = first < plan.FNetFirstWire[n + 1];
      plan.FWrittenNetValue[n] = wired ? plan.FWires[first]->Value : 0;
      plan.FLevels.push_back(plan.FWrittenNetValue[n]);
      plan.FWrittenVisited[n] = wired && plan.FWires[first]->Visited;
      plan.FNets[n].VisitedPass = plan.FWrittenVisited[n] ? plan.FPass : 0;
    }
    for (TPlanDevice& device : plan.FDevices) {
      if (device.Kind >= TKind::RS) {
        device.Link = static_cast<std::int32_t>(plan.FFlipFlops.size());
        plan.FFlipFlops.push_back(TFlipFlopState::ReadFrom(
            static_cast<const TFlipFlop&>(*plan.ObjectOf(device)), device.Kind));
      }
    }
  }

  /// Where the devices find their levels and the nets their gates drive, once the levels
  /// that nets share are known.
  void LinkDevices() {
    for (const std::uint32_t slot : FPlan.FDevicePins) {
      FPlan.FDeviceCells.push_back(FPlan.FSlots[slot].Cell);
    }
    for (TPlanDevice& device : FPlan.FDevices) {
      if (device.Kind < TKind::TriState) {
        device.Link = FPlan.FSlots[FPlan.FDevicePins[device.FirstPin]].PropagateNet;
      }
    }
  }

  /// Sorts the pins of the level by what the plan does with their objects: boundary pins are
  /// cleared and taken in every step, the pins of outside devices written after each settle.
  /// Takes the indicators whose pins all lie on the plan's nets, not driven from outside: the
  /// plan writes their pins and calls them when one changed.
  void PlaceIndicators(const std::vector<TDevice*>& indicators) {
    for (TDevice* indicator : indicators) {
      TPlanIndicator placed{indicator, 0, 0, false, false};
      const auto& pins = indicator->Pins().Objects();
      if (std::all_of(pins.begin(), pins.end(),
                      [this](const TSerialize* pin) { return TakesIndicatorPin(pin); })) {
        placed.First = static_cast<std::uint32_t>(FPlan.FIndicatorSlots.size());
        for (int i = 0; i < indicator->PinCount(); ++i) {
          const TPin* pin = indicator->Pin(i);
          FPlan.FIndicatorSlots.push_back(FSlotOf.at(pin));
          FIndicatorPins.insert(pin);
        }
        placed.End = static_cast<std::uint32_t>(FPlan.FIndicatorSlots.size());
        placed.Taken = true;
      }
      FPlan.FIndicators.push_back(placed);
    }
  }

  void SortLevelPins(const std::vector<TPin*>& levelPins) {
    for (const std::uint32_t n : FPlan.FBoundaryNets) {
      for (std::uint32_t s = FPlan.FNets[n].First; s < FPlan.FNets[n].End; ++s) {
        FPlan.FBoundarySlots.push_back(s);
      }
    }
    for (TPin* pin : levelPins) {
      const auto at = FSlotOf.find(pin);
      if (at == FSlotOf.end() || IsBoundary(FPlan.FSlotNet[at->second])) {
        FPlan.FBoundaryPins.push_back(pin);
      } else if (!FDevicePins.contains(pin) && !FIndicatorPins.contains(pin)) {
        FPlan.FOutsideSlots.push_back(at->second);
      }
    }
  }

  void FindOutsideParts(const std::vector<TWire*>& wires, const std::vector<TSolder*>& solders) {
    std::copy_if(wires.begin(), wires.end(), std::back_inserter(FPlan.FOutsideWires),
                 [this](const TWire* wire) { return !FPlanWires.contains(wire); });
    std::copy_if(solders.begin(), solders.end(), std::back_inserter(FPlan.FOutsideSolders),
                 [this](const TSolder* solder) { return !FPlanSolders.contains(solder); });
  }

private:
  void AddSlot(TPin* pin, std::int32_t net) {
    FSlotOf.emplace(pin, static_cast<std::uint32_t>(FPlan.FPin.size()));
    FPlan.FPin.push_back(pin);
    FPlan.FSlotNet.push_back(net);
    TSlot slot;
    slot.Cell = static_cast<std::uint32_t>(FPlan.FSlots.size());
    slot.PropagateNet = pin->Kind != PinInput ? net : -1;
    FPlan.FSlots.push_back(slot);
    FPlan.FDriver.push_back(pin->Driver);
  }

  /// The slot of `pin`, given one of its own if it has none yet.
  std::uint32_t SlotOf(TPin* pin) {
    if (!FSlotOf.contains(pin)) {
      AddSlot(pin, -1);
    }
    return FSlotOf.at(pin);
  }

  TPlanSequence CopySequence(const TSeqInputDevice& source) {
    const std::vector<TLevel> levels = source.SequenceLevels();
    const TPlanSequence copy{source.Phase,
                             source.Position,
                             source.Level,
                             source.HoldsEveryOther(),
                             static_cast<std::uint32_t>(FPlan.FSequenceLevels.size()),
                             static_cast<std::int32_t>(levels.size())};
    FPlan.FSequenceLevels.insert(FPlan.FSequenceLevels.end(), levels.begin(), levels.end());
    return copy;
  }

  bool TakesIndicatorPin(const TSerialize* object) const {
    const auto at = FSlotOf.find(static_cast<const TPin*>(object));
    return at != FSlotOf.end() && FPlan.FSlotNet[at->second] >= 0 &&
           !IsBoundary(FPlan.FSlotNet[at->second]);
  }

  bool IsBoundary(std::int32_t net) const {
    return net >= 0 && std::binary_search(FPlan.FBoundaryNets.begin(), FPlan.FBoundaryNets.end(),
                                          static_cast<std::uint32_t>(net));
  }

  TEvalPlan& FPlan;
  /// The pins of the plan's devices, and of the sources it drives once they are placed.
  std::unordered_set<const TPin*> FDevicePins;
  /// The outputs of the sources the plan may drive.
  std::unordered_set<const TPin*> FSourcePins;
  /// The pins of the indicators the plan calls.
  std::unordered_set<const TPin*> FIndicatorPins;
  std::vector<const TNet*> FNets;
  std::unordered_map<const TNet*, std::uint32_t> FNetIndex;
  std::unordered_map<const TPin*, std::uint32_t> FSlotOf;
  std::unordered_set<const TWire*> FPlanWires;
  std::unordered_set<const TSolder*> FPlanSolders;
};

std::unique_ptr<TEvalPlan> TEvalPlan::Compile(const std::vector<TDevice*>& order,
                                              const std::vector<TDevice*>& sources,
                                              const std::vector<TDevice*>& indicators,
                                              const std::vector<TPin*>& levelPins,
                                              const std::vector<TWire*>& wires,
                                              const std::vector<TSolder*>& solders) {
  // A net left to the search may reach a gathered one through a pin with two wires, behind
  // the plan's back; such a level is rare and stays with the objects.
  const auto gathered = [](const auto* part) {
    return part->Net() != nullptr;
  };
  if (!std::all_of(wires.begin(), wires.end(), gathered) ||
      !std::all_of(solders.begin(), solders.end(), gathered)) {
    return nullptr;
  }
  std::unique_ptr<TEvalPlan> plan(new TEvalPlan);
  TBuilder builder(*plan);
  if (!builder.AddDevices(order)) {
    return nullptr;
  }
  builder.ChooseSources(sources);
  builder.LayNets();
  builder.LayDevicePins();
  builder.PlaceSources(sources);
  builder.TakeObjectState();
  plan->FindSkippable();
  builder.LinkDevices();
  builder.PlaceIndicators(indicators);
  builder.SortLevelPins(levelPins);
  builder.FindOutsideParts(wires, solders);
  return plan;
}

std::pair<std::uint32_t, std::uint32_t> TEvalPlan::OutputsOf(TKind kind) {
  if (kind == TKind::TriState) {
    return {1, 2};
  }
  return {0, kind >= TKind::RS ? 2 : 1};
}

std::pair<std::uint32_t, std::uint32_t> TEvalPlan::NetSlots(std::uint32_t slot) const {
  const std::int32_t net = FSlotNet[slot];
  if (net < 0) {
    return {slot, slot + 1};
  }
  const TNetState& state = FNets[static_cast<std::size_t>(net)];
  return {state.First, state.End};
}

std::vector<bool> TEvalPlan::SoleDriverSlots() const {
  std::vector<int> drivenSlots(FNets.size(), 0);
  const auto count = [&](std::uint32_t slot) {
    if (const std::int32_t net = FSlotNet[slot]; net >= 0) {
      ++drivenSlots[static_cast<std::size_t>(net)];
    }
  };
  for (const TPlanDevice& device : FDevices) {
    const auto [first, end] = OutputsOf(device.Kind);
    for (std::uint32_t k = first; k < end; ++k) {
      count(FDevicePins[device.FirstPin + k]);
    }
  }
  for (const TPlanSource& source : FSources) {
    if (source.Slot >= 0) {
      count(static_cast<std::uint32_t>(source.Slot));
    }
  }
  std::vector<bool> sole(FSlots.size());
  for (std::uint32_t s = 0; s < sole.size(); ++s) {
    const std::int32_t net = FSlotNet[s];
    sole[s] = net < 0 || (drivenSlots[static_cast<std::size_t>(net)] == 1 &&
                          !std::binary_search(FBoundaryNets.begin(), FBoundaryNets.end(),
                                              static_cast<std::uint32_t>(net)));
  }
  return sole;
}

void TEvalPlan::FindSkippable() {
  // A gate evaluated again with the inputs it had gives its level to a net that holds it
  // already, with the driver mark it has. That is no change at all when nothing else can drive
  // the net: then the only other trace, the net's mark for the pass, is read by no one. A
  // flip-flop is the same while its state holds too; it also reads its own outputs, which only
  // it drives then.
  const std::vector<bool> sole = SoleDriverSlots();
  for (std::size_t i = 0; i < FDevices.size(); ++i) {
    TPlanDevice& device = FDevices[i];
    const std::uint32_t* pins = &FDevicePins[device.FirstPin];
    const auto [first, end] = OutputsOf(device.Kind);
    device.Skippable =
        device.Kind != TKind::TriState &&
        std::all_of(pins + first, pins + end, [&](std::uint32_t s) { return sole[s]; });
    if (!device.Skippable) {
      continue;
    }
    for (std::uint32_t k = end; k <= device.Inputs; ++k) {
      FSlots[pins[k]].Reader = static_cast<std::int32_t>(i);
    }
    if (device.Kind >= TKind::RS) {
      FStateful.push_back(static_cast<std::uint32_t>(i));
    }
  }
  FAllSkippable = std::all_of(FDevices.begin(), FDevices.end(),
                              [](const TPlanDevice& device) { return device.Skippable; });
  // A source drives its net at the start of every step, before anyone can look. Passes never
  // drive a net it drives alone, so it always finds it unvisited.
  for (TPlanSource& source : FSources) {
    source.Alone = source.Slot >= 0 && sole[static_cast<std::size_t>(source.Slot)];
  }
  KeepDrivers();
}

void TEvalPlan::ShareLevel(std::uint32_t n) {
  TNetState& net = FNets[n];
  const TLevel level = FLevels[NetCell(n)];
  if (!std::all_of(FLevels.begin() + net.First, FLevels.begin() + net.End,
                   [level](TLevel pin) { return pin == level; })) {
    return;
  }
  net.Shared = true;
  net.ReadersFirst = static_cast<std::uint32_t>(FNetReaders.size());
  for (std::uint32_t s = net.First; s < net.End; ++s) {
    FSlots[s].Cell = NetCell(n);
    if (FSlots[s].Reader >= 0) {
      FNetReaders.push_back({static_cast<std::uint32_t>(FSlots[s].Reader), FSlots[s].Behind});
    }
  }
  net.ReadersEnd = static_cast<std::uint32_t>(FNetReaders.size());
}

void TEvalPlan::KeepDrivers() {
  // The slots of the nets a skippable device or a source drives alone name it from here on,
  // as no one else drives them and it drives them in its first evaluation, before anyone
  // looks. They keep that driver from step to step, so the device need not be evaluated again
  // until its inputs change, nor write its name each time.
  std::vector<bool> kept(FSlots.size(), false);
  const auto keep = [&](std::uint32_t slot, TDevice* driver) {
    const auto [first, end] = NetSlots(slot);
    std::fill(kept.begin() + first, kept.begin() + end, true);
    std::fill(FDriver.begin() + first, FDriver.begin() + end, driver);
    if (FSlotNet[slot] >= 0) {
      ShareLevel(static_cast<std::uint32_t>(FSlotNet[slot]));
    }
  };
  for (std::size_t i = 0; i < FDevices.size(); ++i) {
    if (!FDevices[i].Skippable) {
      continue;
    }
    const std::uint32_t* pins = &FDevicePins[FDevices[i].FirstPin];
    const auto [first, end] = OutputsOf(FDevices[i].Kind);
    for (std::uint32_t k = first; k < end; ++k) {
      // A change it makes to a reader it follows in the order calls for another pass.
      const auto [from, to] = NetSlots(pins[k]);
      for (std::uint32_t s = from; s < to; ++s) {
        FSlots[s].Behind =
            FSlots[s].Reader >= 0 && FSlots[s].Reader <= static_cast<std::int32_t>(i);
      }
      keep(pins[k], FDeviceObjects[i]);
    }
  }
  for (const TPlanSource& source : FSources) {
    if (source.Alone) {
      keep(static_cast<std::uint32_t>(source.Slot), source.Object);
    }
  }
  for (std::uint32_t s = 0; s < kept.size(); ++s) {
    if (!kept[s]) {
      FClearedSlots.push_back(s);
    }
  }
}

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
  std::size_t changer = FDevices.size();
  for (std::size_t i = 0; i < FDevices.size(); ++i) {
    TPlanDevice& device = FDevices[i];
    if (device.Fresh) {
      continue;
    }
    device.Fresh = device.Skippable;
    if (Evaluate(device)) {
      changer = i;
    }
  }
  return changer < FDevices.size() ? FDeviceObjects[changer] : nullptr;
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

void TEvalPlan::Publish() {
  for (const TPlanSource& source : FSources) {
    if (source.Sequence >= 0) {
      const TPlanSequence& sequence = FSequences[static_cast<std::size_t>(source.Sequence)];
      auto& object = static_cast<TSeqInputDevice&>(*source.Object);
      object.Phase = sequence.Phase;
      object.Position = sequence.Position;
      object.Level = sequence.Level;
    }
  }
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
  const bool visited = FNets[net].VisitedPass == FPass;
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
  // The slots name the device already (see `KeepDrivers`).
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
  const TDevice* driver = FDriver[slot];
  if (driver && driver != device) {
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
      return EvaluateClocked(device, pins, cells, 1);
    default:
      return EvaluateClocked(device, pins, cells, 0);
  }
}

inline TLevel TEvalPlan::GateLevel(const TPlanDevice& device, const std::uint32_t* cells) const {
  TLevel level = 0;
  switch (device.Kind) {
    case TKind::Not:
      return Input(cells[1]) ^ 1;
    case TKind::And:
    case TKind::Nand:
      level = 1;
      for (std::uint32_t k = 1; k <= device.Inputs; ++k) {
        level &= Input(cells[k]);
      }
      return level ^ (device.Kind == TKind::Nand);
    case TKind::Or:
    case TKind::Nor:
      for (std::uint32_t k = 1; k <= device.Inputs; ++k) {
        level |= Input(cells[k]);
      }
      return level ^ (device.Kind == TKind::Nor);
    default:
      return Input(cells[1]) ^ Input(cells[2]) ^ (device.Kind == TKind::Xnor);
  }
}

bool TEvalPlan::EvaluateTriState(const TPlanDevice& device, const std::uint32_t* pins,
                                 const std::uint32_t* cells) {
  // Pin 0 data, pin 1 output, pin 2 enable; see `TTriState::Calculate`.
  if (Input(cells[2]) == 0) {
    return false;
  }
  const std::uint32_t output = pins[1];
  const TDevice* driver = FDriver[output];
  TDevice* object = ObjectOf(device);
  if (driver && driver != object) {
    object->Contention = true;
    FDriver[output] = nullptr;
    return true;
  }
  const bool changed = SetValue(output, object, Input(cells[0]));
  FDriver[output] = nullptr;
  return changed;
}

bool TEvalPlan::EvaluateRS(const TPlanDevice& device, const std::uint32_t* pins,
                           const std::uint32_t* cells) {
  TFlipFlopState& latch = FFlipFlops[static_cast<std::size_t>(device.Link)];
  if (Input(cells[TRSFlipFlop::PinS])) {
    latch.Q = 1;
    latch.NotQ = 0;
  }
  if (Input(cells[TRSFlipFlop::PinR])) {
    latch.Q = 0;
    latch.NotQ = 1;
  }
  return DriveOutputs(device, pins, latch.Q, latch.NotQ);
}

bool TEvalPlan::EvaluateClocked(const TPlanDevice& device, const std::uint32_t* pins,
                                const std::uint32_t* cells, TLevel passLevel) {
  // See `TClockedFlipFlop::Calculate` and `PassOrHold`.
  TFlipFlopState& flipFlop = FFlipFlops[static_cast<std::size_t>(device.Link)];
  if (Input(cells[TClockedFlipFlop::PinPreset])) {
    flipFlop.MasterQ = 1;
    flipFlop.MasterNotQ = 0;
    flipFlop.Initial = false;
    if (DriveOutputs(device, pins, 1, 0)) {
      return true;
    }
  } else if (Input(cells[TClockedFlipFlop::PinClear]) || flipFlop.Initial) {
    flipFlop.MasterQ = 0;
    flipFlop.MasterNotQ = 1;
    flipFlop.Initial = false;
    if (DriveOutputs(device, pins, 0, 1)) {
      return true;
    }
  }
  if (Input(cells[TClockedFlipFlop::PinClock]) == passLevel) {
    return DriveOutputs(device, pins, flipFlop.MasterQ, flipFlop.MasterNotQ);
  }
  return DriveOutputs(device, pins, FLevels[cells[0]], FLevels[cells[1]]);
}

TEvalPlan::TFlipFlopState TEvalPlan::TFlipFlopState::ReadFrom(const TFlipFlop& flipFlop,
                                                              TKind kind) {
  TFlipFlopState state{flipFlop.Q, flipFlop.NotQ, 0, 1, false};
  if (kind != TKind::RS) {
    const auto& clocked = static_cast<const TClockedFlipFlop&>(flipFlop);
    state.MasterQ = clocked.MasterQ;
    state.MasterNotQ = clocked.MasterNotQ;
    state.Initial = clocked.Initial;
  }
  return state;
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
