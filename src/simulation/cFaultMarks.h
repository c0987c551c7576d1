#pragma once

#include <vector>

namespace logivane {

class TDevice;
class TGraphicObject;
class TMacro;
class TSolder;
class TWire;
struct SimResult;

/**
 * @brief Where a faulted step found its fault: the devices, wires and joints to show it on.
 *
 * Bus contention marks the fought-over net whole and every device that drove it; a race marks
 * the devices of the loop that kept changing and the wires and joints between them. The
 * pointers are the circuit's own, not owned: whoever keeps the marks drops them before any of
 * those objects may go.
 */
struct TFaultMarks {
  /// The level all marked objects belong to; null when nothing is marked.
  const TMacro* Level = nullptr;
  std::vector<TDevice*> Devices;
  std::vector<TWire*> Wires;
  std::vector<TSolder*> Solders;

  bool Empty() const { return Devices.empty() && Wires.empty() && Solders.empty(); }
  /// Keeps only the marks on `objects`, a selection of the level's objects.
  void KeepOnly(const std::vector<TGraphicObject*>& objects);
};

/**
 * @brief The marks of the fault `result` that a step of `root` found.
 *
 * Runs after the step published its levels and before the circuit is reset. The level that
 * raced is evaluated for a few more passes device by device to see which devices still change,
 * so the circuit's levels are no longer those the step reached.
 */
TFaultMarks FindFaultMarks(TMacro& root, const SimResult& result);

}  // namespace logivane
