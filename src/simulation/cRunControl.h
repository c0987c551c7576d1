#pragma once

#include "simulation/cDevice.h"
#include "simulation/cFaultMarks.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>

#include <functional>

namespace logivane {

class TMacro;

/// What one simulation step found, and what to tell the user about it.
struct TStepReport {
  SimResult Result;
  /// The notice for a fault, or empty when the step settled.
  QString Message;
  /// True: show the notice at `Position`, the culprit's rounded centre on the level on
  /// screen. False: the fault lies outside that level; show it in the middle of the view.
  bool AtCulprit = false;
  QPoint Position;
  /// Where the fault lies, on whichever level it is; nothing for a step that settled.
  TFaultMarks Marks;

  bool Faulted() const { return !Message.isEmpty(); }
};

/// The notices of a step that found a fault.
namespace StepMessages {
inline constexpr const char* Contention =
    QT_TRANSLATE_NOOP("TRunControl", "Bus contention, process halted");
inline constexpr const char* ContentionAbove =
    QT_TRANSLATE_NOOP("TRunControl", "Bus contention at higher level");
inline constexpr const char* Race =
    QT_TRANSLATE_NOOP("TRunControl", "Race condition, process halted");
inline constexpr const char* RaceAbove =
    QT_TRANSLATE_NOOP("TRunControl", "Race condition at higher level");
}  // namespace StepMessages

/**
 * @brief One simulation step of the whole hierarchy under `root`, the outermost circuit.
 *
 * Clears every driver mark and settles the circuit once. `onSettled`, when given, runs next,
 * while the circuit still shows the state the step reached (the editor repaints the level on
 * screen there). A step that found bus contention or a race then marks where it lies (see
 * `FindFaultMarks`), resets the circuit and reports the fault; a race wins when both were
 * found.
 */
TStepReport StepCircuit(TMacro& root, const std::function<void(const SimResult&)>& onSettled = {});

/**
 * @brief `StepCircuit` for a caller that does not look at every step, such as a batch run or
 * a benchmark.
 *
 * Compiled levels keep what the step reached to themselves; sources and indicators show it,
 * pins, wires and joints only after `TMacro::Publish`, which the caller makes before it looks
 * at them or changes the circuit.
 */
TStepReport AdvanceCircuit(TMacro& root);

}  // namespace logivane
