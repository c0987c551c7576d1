#pragma once

#include "simulation/cRunControl.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace logivane {

class TMacro;

/**
 * @brief The steps a circuit ran, remembered so that it can be set back to any of the last
 * `Depth` of them and run forward again through the same states.
 *
 * Steps are counted from the state the history began with, step 0. Whole states of the
 * circuit (see `TStateArchive`) are kept only now and then, as checkpoints; a step between two
 * is found again by stepping on from the checkpoint before it, which reaches the same state
 * because a step is deterministic and nothing changed by hand in between: a change by hand
 * forgets the steps after it and keeps a checkpoint of its own. Checkpoints are taken once the
 * steps since the last one did enough work that saving the state costs them little; so going
 * back costs at most the steps between two checkpoints.
 *
 * Running is no edit: the history never marks the circuit modified. Anything that changes the
 * circuit's structure, or resets it, must `Clear` the history, whose states belong to the
 * circuit as it was.
 */
class TStepHistory {
public:
  static constexpr int DefaultDepth = 1000;
  static constexpr int MaxDepth = 100000;

  explicit TStepHistory(TMacro& root) : FRoot(&root) {}

  /// Follows another root: everything remembered is forgotten.
  void SetRoot(TMacro& root);
  /// How many steps back can be remembered: 1 to `MaxDepth`.
  void SetDepth(int steps);
  int Depth() const { return FDepth; }

  /// Runs one step (`StepCircuit`, or `AdvanceCircuit` when not `publish`). Within the steps
  /// remembered ahead it goes to the next of them; past them it simulates and remembers.
  TStepReport Step(bool publish = true,
                   const std::function<void(const SimResult&)>& onSettled = {});
  /// Sets the circuit back `steps` steps, as far as remembered; returns the steps gone back.
  int StepBack(int steps = 1);
  /// Sets the circuit to step `step`, between `Oldest` and `Newest`; false when that is not
  /// remembered (the circuit stays as it is) or could not be restored (the history is
  /// cleared).
  bool GoTo(int step);
  /// The state shown was changed by hand, an input pressed: the steps remembered after it are
  /// forgotten and the state as it is now becomes the one to go back to.
  void ChangedByHand();
  /// Forgets every step: the circuit was reset or edited.
  void Clear();

  /// The step the circuit shows, the oldest it can go back to, and the newest remembered.
  int Shown() const { return FShown; }
  int Oldest() const;
  int Newest() const { return FNewest; }
  /// Steps that can be gone back, and steps remembered ahead.
  int Past() const { return FShown - Oldest(); }
  int Future() const { return FNewest - FShown; }
  /// Bytes held by the checkpoints.
  std::size_t Bytes() const { return FBytes; }
  int Checkpoints() const { return static_cast<int>(FCheckpoints.size()); }

private:
  struct TCheckpoint {
    int Step;
    std::vector<std::byte> State;
  };

  void Capture(int step);
  bool Load(const TCheckpoint& checkpoint);
  /// The last checkpoint at or before `step`, or null.
  const TCheckpoint* CheckpointAtOrBefore(int step) const;
  /// The checkpoint of step `step`, or null. Stepping onto one loads it rather than simulates,
  /// as it may hold a change made by hand that stepping would not make again.
  const TCheckpoint* CheckpointAt(int step) const;
  /// Whether the work done since the last checkpoint makes another one cheap by comparison.
  bool CheckpointDue() const;
  /// Forgets what lies beyond `Depth` steps back, keeping a checkpoint to start from.
  void Trim();
  /// Forgets the checkpoints after step `step`.
  void ForgetAfter(int step);

  TMacro* FRoot;
  int FDepth = DefaultDepth;
  int FShown = 0;
  int FNewest = 0;
  std::deque<TCheckpoint> FCheckpoints;
  std::size_t FBytes = 0;
  /// The root's evaluation count at the last checkpoint.
  std::uint64_t FEvaluationsAtCheckpoint = 0;
};

}  // namespace logivane
