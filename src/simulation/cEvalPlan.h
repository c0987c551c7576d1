#pragma once

#include "simulation/cDevice.h"
#include "simulation/cSimEngine.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace logivane {

class TEvalPlanBuilder;
class TFlipFlop;

/**
 * @brief One level's evaluation order compiled into flat arrays, for settling large circuits
 * without walking objects scattered over the heap.
 *
 * Every pin the level's devices reach gets a slot: the pins of each gathered net lie side by
 * side, so driving a net is a run over a few array entries. The devices keep their place in the
 * evaluation order and are evaluated by a small function per kind over the slots; the level's
 * sources drive their slots too, and the flip-flops latch from them. The plan does exactly
 * what the objects' own `Calculate` and `SetSlaveInputs` do, pass by pass; it only keeps the
 * levels and drivers elsewhere:
 *
 * - before the passes it takes in the nets that devices outside the plan (tags, sources it
 *   cannot drive itself) share with it, as those drive them through the objects;
 * - after the passes it writes those nets and the pins of other outside devices (tags) back,
 *   so that they read what the objects would have shown; it writes the indicators' pins when
 *   they latch, and calls an indicator only when one of its pins changed;
 * - everything else reaches the pins, wires and joints only when `Publish` is called, which
 *   whoever looks at them (painting, the probe, a readout) does first.
 *
 * Most devices drive their nets alone. Such a device is evaluated again only once one of its
 * inputs changed, even from step to step (`TEvalPlanBuilder::FindSkippable`); its nets keep its
 * driver mark
 * (`TEvalPlanBuilder::KeepDrivers`), and all pins of such a net share one level, so driving it is
 * one store and a note to its readers (`TNetState`).
 *
 * A level is compiled only when every device of its order is a gate, tri-state buffer or
 * flip-flop and every net they reach is gathered; otherwise `Compile` returns null and the
 * container evaluates device by device. The plan holds raw pointers to the objects, so it is
 * trusted only while the wiring of its level is unchanged (see `TStructureStamp`); the
 * container publishes and drops it before its order changes, and compiles it again when its
 * wiring changed.
 */
class TEvalPlan final : public TSimEngine {
public:
  using TKind = TLogicKind;

  /// Compiles `order`; `sources` are the level's sources in the order they advance,
  /// `indicators` its indicators in the order they latch, `levelPins` the pins of every device
  /// of the level, `wires` and `solders` the level's own.
  static std::unique_ptr<TEvalPlan> Compile(const std::vector<TDevice*>& order,
                                            const std::vector<TDevice*>& sources,
                                            const std::vector<TDevice*>& indicators,
                                            const std::vector<TPin*>& levelPins,
                                            const std::vector<TWire*>& wires,
                                            const std::vector<TSolder*>& solders);

  bool Compiled() const override { return true; }
  /// A compiled level holds no sub-circuits.
  void ClearDrivers() override;
  /// Sources the plan does not drive itself calculate through the objects.
  void CalculateSources(std::uint64_t& evaluations) override;
  int Settle(SimResult& total, bool displayed, int maxPasses, std::uint64_t& evaluations) override;
  void LatchFlipFlops() override;
  void CalculateIndicators(std::uint64_t& evaluations) override;
  void Publish() override;
  bool TakeIn() override;
  /// The levels, drivers and net marks of the slots, the flip-flops' and sequences' states, and
  /// the wires and joints of the level outside the plan.
  void ExchangeState(TStateArchive& state) override;

private:
  /// What the passes keep of a device; its object is in `FDeviceObjects`.
  struct TPlanDevice {
    /// Where the device's slots start in `FDevicePins`, in pin order.
    std::uint32_t FirstPin;
    /// For a gate, the net its output drives, or -1; for a flip-flop, its state in
    /// `FFlipFlops`.
    std::int32_t Link;
    TKind Kind;
    std::uint8_t Inputs;
    /// Whether the device may be skipped while its inputs hold (see `Settle`).
    bool Skippable = false;
    /// Whether it has been evaluated since its inputs last changed (a flip-flop: in this
    /// settle loop), so that evaluating it again would change nothing.
    /// (Flags are `bool`, not bytes: a store through a byte may alias anything, which would
    /// make the compiler reload every array pointer after it.)
    bool Fresh = false;
  };

  /// What the passes keep of a pin but its level and driver, which lie apart in `FLevels` and
  /// `FDriver`.
  struct TSlot {
    /// Where its level is kept in `FLevels`: its own index, or its net's cell when all pins of
    /// the net share one level (see `TNetState`).
    std::uint32_t Cell = 0;
    /// The net a level given to the slot spreads over, or -1 (an input, or no wire).
    std::int32_t PropagateNet = -1;
    /// The device that reads the slot and may be skipped while its inputs hold, or -1.
    std::int32_t Reader = -1;
    /// Whether the reader comes no later in the order than the device that drives the slot
    /// alone, so that a change the driver makes calls for another pass (see `FRevisit`).
    bool Behind = false;
  };
  /// A device that reads a level, and whether a change calls for another pass.
  struct TReader {
    std::uint32_t Device;
    bool Behind;
  };
  /// What the passes keep of a net but its level (cell `NetCell`): its slots [First, End) and
  /// the pass that last drove it (`FPass`). A net driven alone whose pins all held one level
  /// when compiled keeps that one level for all its pins (`Shared`); its readers are then
  /// `FNetReaders[ReadersFirst, ReadersEnd)`.
  struct TNetState {
    std::uint32_t First;
    std::uint32_t End;
    std::uint32_t VisitedPass;
    std::uint32_t ReadersFirst;
    std::uint32_t ReadersEnd;
    bool Shared;
    /// Whether a device that may be skipped drives it alone. The objects evaluate every device
    /// in every pass, so such a net ends every settle loop marked, however few passes
    /// evaluated its driver here.
    bool AlwaysMarked = false;
  };
  /// The state of a flip-flop, kept here while the plan runs and written back on `Publish`.
  struct TFlipFlopState {
    TLevel Q;
    TLevel NotQ;
    TLevel MasterQ;
    TLevel MasterNotQ;
    bool Initial;

    /// `flipFlop` is of the plan's kind `kind`.
    static TFlipFlopState ReadFrom(const TFlipFlop& flipFlop, TKind kind);
    void WriteTo(TFlipFlop& flipFlop, TKind kind) const;
  };
  struct TPlanIndicator {
    TDevice* Object;
    /// Its slots, `FIndicatorSlots[First, End)`, when the plan writes its pins (`Taken`).
    std::uint32_t First;
    std::uint32_t End;
    bool Taken;
    /// Whether it has latched since the plan was compiled.
    bool Latched;
  };
  /// A clock's or sequence generator's state and levels, kept here while the plan runs and
  /// written back on `Publish`.
  struct TPlanSequence {
    bool Phase;
    std::int32_t Position;
    TLevel Level;
    bool HoldsEveryOther;
    /// Its levels, `FSequenceLevels[First, First + Length)`.
    std::uint32_t First;
    std::int32_t Length;
  };
  struct TPlanSource {
    TDevice* Object;
    /// What `NextLevel` reads, for a source the plan drives (see `TInputDevice::StepState`).
    const void* State;
    /// The slot of its output when the plan drives it, else -1.
    std::int32_t Slot;
    /// Whether it drives the net of `Slot` alone (see `TEvalPlanBuilder::FindSkippable`).
    bool Alone = false;
    /// Its sequence in `FSequences` when the plan steps it itself, else -1.
    std::int32_t Sequence = -1;
  };

  friend class TEvalPlanBuilder;

  TEvalPlan() = default;

  /// Evaluates `device` and reports whether it changed a pin.
  bool Evaluate(const TPlanDevice& device);
  /// The output level of a gate.
  TLevel GateLevel(const TPlanDevice& device, const std::uint32_t* cells) const;
  // `pins` are the device's slots, `cells` where their levels are (see `FLevels`).
  bool EvaluateTriState(const TPlanDevice& device, const std::uint32_t* pins,
                        const std::uint32_t* cells);
  bool EvaluateRS(const TPlanDevice& device, const std::uint32_t* pins, const std::uint32_t* cells);
  bool EvaluateClocked(const TPlanDevice& device, const std::uint32_t* pins,
                       const std::uint32_t* cells, TLevel passLevel);
  /// `TDevice::DriveOutput` on slot `slot`.
  bool DriveOutput(const TPlanDevice& device, std::uint32_t slot, TLevel level);
  /// `DriveOutput` for a device that drives `net`, the net of `slot`, alone (see
  /// `TEvalPlanBuilder::FindSkippable`).
  bool DriveAlone(std::uint32_t slot, std::int32_t net, TLevel level);
  /// Gives every slot of `net` the level `level`; true when one changed.
  bool ChangeNet(const TNetState& net, TLevel level);
  /// Both outputs of a flip-flop, as `TFlipFlop::DriveOutputs`.
  bool DriveOutputs(const TPlanDevice& device, const std::uint32_t* pins, TLevel q, TLevel notQ);
  /// Steps `sequence` as `TSeqInputDevice::NextLevel` does.
  TLevel StepSequence(TPlanSequence& sequence);
  /// `TPin::SetValue` on slot `slot`.
  bool SetValue(std::uint32_t slot, TDevice* driver, TLevel level);
  TLevel Input(std::uint32_t cell) const { return FLevels[cell] & 1; }
  TDevice* ObjectOf(const TPlanDevice& device) const {
    return FDeviceObjects[static_cast<std::size_t>(&device - FDevices.data())];
  }
  std::uint32_t NetCell(std::uint32_t net) const { return FFirstNetCell + net; }
  /// Gives `slot`, a slot with a level of its own, a new level and makes its reader evaluate
  /// again.
  void Change(std::uint32_t slot, TLevel level) {
    FLevels[slot] = level;
    if (const TSlot& changed = FSlots[slot]; changed.Reader >= 0) {
      Unfresh({static_cast<std::uint32_t>(changed.Reader), changed.Behind});
    }
  }
  void Unfresh(const TReader& reader) {
    FDevices[reader.Device].Fresh = false;
    if (reader.Behind) {
      FRevisit = true;
    }
  }

  void StartPass();
  /// Evaluates every device that is not fresh, in order; returns the last that changed a pin.
  TDevice* RunPass();
  void TakeInBoundary();
  /// Writes what devices outside the plan read during the step: see the class comment.
  void ShareWithOutside();
  /// Writes what the sources the plan drives show to their objects.
  void PublishSources();
  /// Writes the level and driver of `slot` to its pin; true when either changed.
  bool WriteSlot(std::uint32_t slot);
  void WriteNet(std::uint32_t net);
  /// Marks the wires and joints of net `net` as visited in the last pass or not; unless
  /// `always`, only when that differs from what was written last.
  void WriteNetMarks(std::uint32_t net, bool always);

  // Slots: one per pin, the pins of each net side by side.
  std::vector<TSlot> FSlots;
  /// The levels: one cell per slot, then one per net from `FFirstNetCell` on.
  std::vector<TLevel> FLevels;
  std::uint32_t FFirstNetCell = 0;
  std::vector<TDevice*> FDriver;
  std::vector<std::int32_t> FSlotNet;  ///< -1 for a pin without a wire
  std::vector<TPin*> FPin;
  std::vector<TLevel> FWrittenValue;
  std::vector<TDevice*> FWrittenDriver;

  // Nets, and their wires and joints: [FNetFirstWire[n], FNetFirstWire[n + 1]), likewise.
  std::vector<TNetState> FNets;
  std::vector<TReader> FNetReaders;
  std::vector<TLevel> FWrittenNetValue;
  std::vector<std::uint32_t> FNetFirstWire;
  std::vector<TWire*> FWires;
  std::vector<std::uint32_t> FNetFirstSolder;
  std::vector<TSolder*> FSolders;
  /// Per net, whether its wires were last written as visited.
  std::vector<bool> FWrittenVisited;
  /// Nets that also hold pins of devices outside the plan that may drive them.
  std::vector<std::uint32_t> FBoundaryNets;
  /// Pins whose objects must lose their drivers when the level's drivers are cleared: those of
  /// devices outside the plan and those on boundary nets.
  std::vector<TPin*> FBoundaryPins;
  std::vector<std::uint32_t> FBoundarySlots;
  /// Slots of pins of devices outside the plan, on nets that are not boundary nets.
  std::vector<std::uint32_t> FOutsideSlots;
  /// Wires and joints of the level on no net of the plan; each pass clears their marks.
  std::vector<TWire*> FOutsideWires;
  std::vector<TSolder*> FOutsideSolders;

  /// The slots whose drivers a new step clears: all but those of nets a skippable device or a
  /// source drives alone (see `TEvalPlanBuilder::KeepDrivers`).
  std::vector<std::uint32_t> FClearedSlots;
  /// The skippable flip-flops, whose state may change between two settle loops.
  std::vector<std::uint32_t> FStateful;

  std::vector<TPlanDevice> FDevices;
  std::vector<TDevice*> FDeviceObjects;
  std::vector<std::uint32_t> FDevicePins;
  /// The cells of `FDevicePins`.
  std::vector<std::uint32_t> FDeviceCells;
  std::vector<TPlanSource> FSources;
  std::vector<TPlanSequence> FSequences;
  std::vector<TLevel> FSequenceLevels;
  std::vector<TPlanIndicator> FIndicators;
  std::vector<std::uint32_t> FIndicatorSlots;
  std::vector<TFlipFlopState> FFlipFlops;
  /// The clocked flip-flops among `FDevices`, in order.
  std::vector<std::uint32_t> FClocked;
  /// The pass now or last run; a net is visited in it when its `VisitedPass` equals it. The
  /// marks left by the last pass of a settle loop matter to the sources of the next step.
  std::uint32_t FPass = 1;
  /// Whether a pass changed an input of a device it had passed already. When every device
  /// drives its nets alone, only a `Behind` slot can tell.
  bool FRevisit = false;
  /// Whether every device may be skipped while its inputs hold.
  bool FAllSkippable = false;
};

}  // namespace logivane
