// Compiling one level into a plan: laying out its slots and nets, and finding what may be
// skipped.

#include "simulation/cEvalPlan.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cinput.h"

#include <algorithm>
#include <typeinfo>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace logivane {

namespace {

/// The rule and pins of `device` when the plan may follow its rule itself: only a device of
/// exactly the class that describes them, with the pins the class gives it.
const TPinLayout* LayoutOf(const TDevice& device) {
  const TPinLayout* layout = device.Layout();
  if (!layout || typeid(device) != layout->Class || device.PinCount() != layout->Pins) {
    return nullptr;
  }
  return layout;
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
class TEvalPlanBuilder {
public:
  using TKind = TEvalPlan::TKind;
  using TPlanDevice = TEvalPlan::TPlanDevice;
  using TPlanSource = TEvalPlan::TPlanSource;
  using TPlanSequence = TEvalPlan::TPlanSequence;
  using TPlanIndicator = TEvalPlan::TPlanIndicator;
  using TNetState = TEvalPlan::TNetState;
  using TSlot = TEvalPlan::TSlot;
  using TReader = TEvalPlan::TReader;
  using TFlipFlopState = TEvalPlan::TFlipFlopState;

  explicit TEvalPlanBuilder(TEvalPlan& plan) : FPlan(plan) {}

  /// Takes in the devices of `order` and the nets their pins reach, in the order first met;
  /// false when one of them cannot be compiled.
  bool AddDevices(const std::vector<TDevice*>& order) {
    for (TDevice* device : order) {
      const TPinLayout* layout = LayoutOf(*device);
      if (!layout) {
        return false;
      }
      FLayouts.push_back(layout);
      FPlan.FDevices.push_back({0, -1, layout->Kind, static_cast<std::uint8_t>(layout->Pins - 1)});
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
      FPlan.FNets.push_back(
          {first, static_cast<std::uint32_t>(FPlan.FPin.size()), 0, 0, 0, false, false});
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
    plan.FLevels.resize(plan.FPin.size() + FNets.size());
    plan.FWrittenValue.resize(plan.FPin.size());
    plan.FWrittenDriver.resize(plan.FPin.size());
    plan.FWrittenVisited.resize(FNets.size());
    plan.FWrittenNetValue.resize(FNets.size());
    for (TPlanDevice& device : plan.FDevices) {
      if (device.Kind >= TKind::RS) {
        device.Link = static_cast<std::int32_t>(plan.FFlipFlops.size());
        plan.FFlipFlops.emplace_back();
      }
    }
    // No net shares one level yet and no driver is kept, so this takes every level and driver.
    plan.TakeIn();
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

  /// The output pins of a device of kind `kind`: [first, end) of its pin numbers.
  std::pair<std::uint32_t, std::uint32_t> OutputsOf(std::size_t device) const;
  /// Finds the devices that may be skipped and the sources that drive their nets alone.
  void FindSkippable();

private:
  /// The slots that share the net of `slot`, [first, end); `slot` alone without a net.
  std::pair<std::uint32_t, std::uint32_t> NetSlots(std::uint32_t slot) const;
  /// Per slot, whether one pin at most drives its net (a pin without a net counts as one).
  std::vector<bool> SoleDriverSlots() const;
  /// Names the sole drivers in their nets' slots for good; see `TEvalPlan::FClearedSlots`.
  void KeepDrivers();
  /// Lets the pins of net `n`, driven alone, share one level if they hold one now.
  void ShareLevel(std::uint32_t n);
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
  /// The rule and pins of each device of the plan, in order.
  std::vector<const TPinLayout*> FLayouts;
  std::vector<const TNet*> FNets;
  std::unordered_map<const TNet*, std::uint32_t> FNetIndex;
  std::unordered_map<const TPin*, std::uint32_t> FSlotOf;
  std::unordered_set<const TWire*> FPlanWires;
  std::unordered_set<const TSolder*> FPlanSolders;
};

std::pair<std::uint32_t, std::uint32_t> TEvalPlanBuilder::OutputsOf(std::size_t device) const {
  return {FLayouts[device]->FirstOutput, FLayouts[device]->EndOutput};
}

std::pair<std::uint32_t, std::uint32_t> TEvalPlanBuilder::NetSlots(std::uint32_t slot) const {
  const std::int32_t net = FPlan.FSlotNet[slot];
  if (net < 0) {
    return {slot, slot + 1};
  }
  const TNetState& state = FPlan.FNets[static_cast<std::size_t>(net)];
  return {state.First, state.End};
}

std::vector<bool> TEvalPlanBuilder::SoleDriverSlots() const {
  std::vector<int> drivenSlots(FPlan.FNets.size(), 0);
  const auto count = [&](std::uint32_t slot) {
    if (const std::int32_t net = FPlan.FSlotNet[slot]; net >= 0) {
      ++drivenSlots[static_cast<std::size_t>(net)];
    }
  };
  for (std::size_t i = 0; i < FPlan.FDevices.size(); ++i) {
    const auto [first, end] = OutputsOf(i);
    for (std::uint32_t k = first; k < end; ++k) {
      count(FPlan.FDevicePins[FPlan.FDevices[i].FirstPin + k]);
    }
  }
  for (const TPlanSource& source : FPlan.FSources) {
    if (source.Slot >= 0) {
      count(static_cast<std::uint32_t>(source.Slot));
    }
  }
  std::vector<bool> sole(FPlan.FSlots.size());
  for (std::uint32_t s = 0; s < sole.size(); ++s) {
    const std::int32_t net = FPlan.FSlotNet[s];
    sole[s] =
        net < 0 || (drivenSlots[static_cast<std::size_t>(net)] == 1 &&
                    !std::binary_search(FPlan.FBoundaryNets.begin(), FPlan.FBoundaryNets.end(),
                                        static_cast<std::uint32_t>(net)));
  }
  return sole;
}

void TEvalPlanBuilder::FindSkippable() {
  // A gate evaluated again with the inputs it had gives its level to a net that holds it
  // already, with the driver mark it has. That is no change at all when nothing else can drive
  // the net: then the only other trace, the net's mark for the pass, is read by no one. A
  // flip-flop is the same while its state holds too; it also reads its own outputs, which only
  // it drives then.
  const std::vector<bool> sole = SoleDriverSlots();
  for (std::size_t i = 0; i < FPlan.FDevices.size(); ++i) {
    TPlanDevice& device = FPlan.FDevices[i];
    const std::uint32_t* pins = &FPlan.FDevicePins[device.FirstPin];
    const auto [first, end] = OutputsOf(i);
    device.Skippable =
        device.Kind != TKind::TriState &&
        std::all_of(pins + first, pins + end, [&](std::uint32_t s) { return sole[s]; });
    if (!device.Skippable) {
      continue;
    }
    for (std::uint32_t k = end; k <= device.Inputs; ++k) {
      FPlan.FSlots[pins[k]].Reader = static_cast<std::int32_t>(i);
    }
    if (device.Kind >= TKind::RS) {
      FPlan.FStateful.push_back(static_cast<std::uint32_t>(i));
    }
  }
  FPlan.FAllSkippable = std::all_of(FPlan.FDevices.begin(), FPlan.FDevices.end(),
                                    [](const TPlanDevice& device) { return device.Skippable; });
  // A source drives its net at the start of every step, before anyone can look. Passes never
  // drive a net it drives alone, so it always finds it unvisited; unless a level compiled
  // again after its wiring changed finds it still marked by a driver it lost, whose mark keeps
  // the source off the net for one step, as it keeps it off in the objects.
  for (TPlanSource& source : FPlan.FSources) {
    const auto slot = static_cast<std::uint32_t>(source.Slot);
    const std::int32_t net = source.Slot >= 0 ? FPlan.FSlotNet[slot] : -1;
    const bool marked =
        net >= 0 && FPlan.FNets[static_cast<std::size_t>(net)].VisitedPass == FPlan.FPass;
    source.Alone = source.Slot >= 0 && sole[slot] && !marked;
  }
  KeepDrivers();
}

void TEvalPlanBuilder::ShareLevel(std::uint32_t n) {
  TNetState& net = FPlan.FNets[n];
  const TLevel level = FPlan.FLevels[FPlan.NetCell(n)];
  if (!std::all_of(FPlan.FLevels.begin() + net.First, FPlan.FLevels.begin() + net.End,
                   [level](TLevel pin) { return pin == level; })) {
    return;
  }
  net.Shared = true;
  net.ReadersFirst = static_cast<std::uint32_t>(FPlan.FNetReaders.size());
  for (std::uint32_t s = net.First; s < net.End; ++s) {
    FPlan.FSlots[s].Cell = FPlan.NetCell(n);
    if (FPlan.FSlots[s].Reader >= 0) {
      FPlan.FNetReaders.push_back(
          {static_cast<std::uint32_t>(FPlan.FSlots[s].Reader), FPlan.FSlots[s].Behind});
    }
  }
  net.ReadersEnd = static_cast<std::uint32_t>(FPlan.FNetReaders.size());
}

void TEvalPlanBuilder::KeepDrivers() {
  // The slots of the nets a skippable device or a source drives alone name it from here on,
  // as no one else drives them and it drives them in its first evaluation, before anyone
  // looks. They keep that driver from step to step, so the device need not be evaluated again
  // until its inputs change, nor write its name each time.
  std::vector<bool> kept(FPlan.FSlots.size(), false);
  const auto keep = [&](std::uint32_t slot, TDevice* driver) {
    const auto [first, end] = NetSlots(slot);
    std::fill(kept.begin() + first, kept.begin() + end, true);
    std::fill(FPlan.FDriver.begin() + first, FPlan.FDriver.begin() + end, driver);
    if (FPlan.FSlotNet[slot] >= 0) {
      ShareLevel(static_cast<std::uint32_t>(FPlan.FSlotNet[slot]));
    }
  };
  for (std::size_t i = 0; i < FPlan.FDevices.size(); ++i) {
    if (!FPlan.FDevices[i].Skippable) {
      continue;
    }
    const std::uint32_t* pins = &FPlan.FDevicePins[FPlan.FDevices[i].FirstPin];
    const auto [first, end] = OutputsOf(i);
    for (std::uint32_t k = first; k < end; ++k) {
      // A change it makes to a reader it follows in the order calls for another pass.
      const auto [from, to] = NetSlots(pins[k]);
      for (std::uint32_t s = from; s < to; ++s) {
        FPlan.FSlots[s].Behind =
            FPlan.FSlots[s].Reader >= 0 && FPlan.FSlots[s].Reader <= static_cast<std::int32_t>(i);
      }
      keep(pins[k], FPlan.FDeviceObjects[i]);
      if (const std::int32_t net = FPlan.FSlotNet[pins[k]]; net >= 0) {
        FPlan.FNets[static_cast<std::size_t>(net)].AlwaysMarked = true;
      }
    }
  }
  for (const TPlanSource& source : FPlan.FSources) {
    if (source.Alone) {
      keep(static_cast<std::uint32_t>(source.Slot), source.Object);
    }
  }
  for (std::uint32_t s = 0; s < kept.size(); ++s) {
    if (!kept[s]) {
      FPlan.FClearedSlots.push_back(s);
    }
  }
}

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
  TEvalPlanBuilder builder(*plan);
  if (!builder.AddDevices(order)) {
    return nullptr;
  }
  builder.ChooseSources(sources);
  builder.LayNets();
  builder.LayDevicePins();
  builder.PlaceSources(sources);
  builder.TakeObjectState();
  builder.FindSkippable();
  builder.LinkDevices();
  builder.PlaceIndicators(indicators);
  builder.SortLevelPins(levelPins);
  builder.FindOutsideParts(wires, solders);
  return plan;
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

}  // namespace logivane
