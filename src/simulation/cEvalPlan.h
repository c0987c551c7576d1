#pragma once

#include "simulation/cDevice.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace logivane {

/**
 * @brief One level's evaluation order compiled into flat arrays, for settling large circuits
 * without walking objects scattered over the heap.
 *
 * Every pin the level's devices reach gets a slot: the pins of each gathered net lie side by
 * side, so driving a net is a run over a few array entries. The devices keep their place in the
 * evaluation order and are evaluated by a small function per kind over the slots. The plan
 * does exactly what the devices' own `Calculate` do through the objects, pass by pass; it only
 * stores the levels and drivers elsewhere and hands them back:
 *
 * - before the passes it takes in the nets that sources and tags share with the devices, as
 *   those may have driven them since;
 * - after the passes it writes every changed level and driver back to the pins and wires, so
 *   that painting, probes, indicators, flip-flop latching and the history see what the objects
 *   would have shown. Wires of nets no other device touches keep a stale visited mark, which
 *   only the passes read and every pass starts by clearing.
 *
 * A level is compiled only when every device of its order is a gate, tri-state buffer or
 * flip-flop and every net they reach is gathered; otherwise `Compile` returns null and the
 * container evaluates device by device. The plan holds raw pointers to the objects, so it is
 * trusted only while no pin has been destroyed and no net dissolved since it was compiled
 * (`Current`); the container drops it whenever its order changes.
 */
class TEvalPlan {
public:
  enum class TKind : std::uint8_t { Not, And, Nand, Or, Nor, Xor, Xnor, TriState, RS, D, JK };

  /// Compiles `order`; `levelPins` are the pins of every device of the level, `wires` and
  /// `solders` the level's own.
  static std::unique_ptr<TEvalPlan> Compile(const std::vector<TDevice*>& order,
                                            const std::vector<TPin*>& levelPins,
                                            const std::vector<TWire*>& wires,
                                            const std::vector<TSolder*>& solders);

  /// Whether the objects the plan points at are all still there.
  bool Current() const;
  /// What the container's `ClearDrivers` does to the level, for a compiled level.
  void ClearDrivers();
  /// The settle loop of the container (see `TMacro::Settle`); adds the device evaluations to
  /// `evaluations` and returns the number of passes.
  int Settle(SimResult& total, bool displayed, int maxPasses, std::uint64_t& evaluations);

private:
  struct TPlanDevice {
    TDevice* Object;
    TKind Kind;
    std::uint8_t Inputs;
    /// Where the device's slots start in `FDevicePins`, in pin order.
    std::uint32_t FirstPin;
  };

  TEvalPlan() = default;

  /// Evaluates device `index` and reports whether it changed a pin.
  bool Evaluate(const TPlanDevice& device);
  bool EvaluateGate(const TPlanDevice& device, const std::uint32_t* pins);
  bool EvaluateTriState(const TPlanDevice& device, const std::uint32_t* pins);
  bool EvaluateRS(const TPlanDevice& device, const std::uint32_t* pins);
  bool EvaluateClocked(const TPlanDevice& device, const std::uint32_t* pins, TLevel passLevel);
  /// `TDevice::DriveOutput` on slot `slot`.
  bool DriveOutput(TDevice* device, std::uint32_t slot, TLevel level);
  /// Both outputs of a flip-flop, as `TFlipFlop::DriveOutputs`.
  bool DriveOutputs(TDevice* device, const std::uint32_t* pins, TLevel q, TLevel notQ);
  /// `TPin::SetValue` on slot `slot`.
  bool SetValue(std::uint32_t slot, TDevice* driver, TLevel level);
  TLevel Input(std::uint32_t slot) const { return FValue[slot] & 1; }
  /// Gives `slot` a new level and makes its reader evaluate again.
  void Change(std::uint32_t slot, TLevel level) {
    FValue[slot] = level;
    if (const std::int32_t reader = FReader[slot]; reader >= 0) {
      FFresh[static_cast<std::size_t>(reader)] = 0;
    }
  }
  void FindSkippable();

  void StartPass();
  void TakeInBoundary();
  void WriteBack();

  // Slots: one per pin, the pins of each net side by side.
  std::vector<TLevel> FValue;
  std::vector<TDevice*> FDriver;
  std::vector<std::int32_t> FSlotNet;  ///< -1 for a pin without a wire
  std::vector<std::uint8_t> FPropagates;
  std::vector<TPin*> FPin;
  std::vector<TLevel> FWrittenValue;
  std::vector<TDevice*> FWrittenDriver;

  // Nets: slots [FNetFirst[n], FNetFirst[n + 1]), wires and joints likewise.
  std::vector<std::uint32_t> FNetFirst;
  std::vector<std::uint32_t> FVisitedPass;
  std::vector<TLevel> FNetValue;
  std::vector<TLevel> FWrittenNetValue;
  std::vector<std::uint32_t> FNetFirstWire;
  std::vector<TWire*> FWires;
  std::vector<std::uint32_t> FNetFirstSolder;
  std::vector<TSolder*> FSolders;
  /// Nets that also hold pins of devices outside the plan that may drive them.
  std::vector<std::uint32_t> FBoundaryNets;
  /// Pins whose objects must lose their drivers when the level's drivers are cleared: those of
  /// devices outside the plan and those on boundary nets.
  std::vector<TPin*> FBoundaryPins;
  std::vector<std::uint32_t> FBoundarySlots;
  /// Wires and joints of the level on no net of the plan; each pass clears their marks.
  std::vector<TWire*> FOutsideWires;
  std::vector<TSolder*> FOutsideSolders;

  /// Per slot, the device that reads it and may be skipped while its inputs hold, or -1.
  std::vector<std::int32_t> FReader;
  /// Per device: whether it may be skipped (see `Settle`), and whether it has been evaluated
  /// in this step and none of its inputs has changed since.
  std::vector<std::uint8_t> FSkippable;
  std::vector<std::uint8_t> FFresh;
  /// The skippable flip-flops, whose state may change between two settle loops.
  std::vector<std::uint32_t> FStateful;

  std::vector<TPlanDevice> FDevices;
  std::vector<std::uint32_t> FDevicePins;
  std::uint32_t FPass = 0;

  std::uint64_t FPinStamp = 0;
  std::uint64_t FNetStamp = 0;
};

}  // namespace logivane
