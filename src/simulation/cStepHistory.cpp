#include "simulation/cStepHistory.h"

#include "simulation/cMacro.h"
#include "simulation/cStateArchive.h"

#include <algorithm>
#include <utility>

namespace logivane {

namespace {

/// A checkpoint is due once the steps since the last one made this many device evaluations per
/// byte of state: saving a byte costs about as much as an evaluation, so checkpoints then cost
/// the steps under a tenth of their time, and going back replays little.
constexpr std::uint64_t EvaluationsPerByte = 12;
/// However little the steps did, going back never replays more than this.
constexpr int MaxStepsBetweenCheckpoints = 256;

}  // namespace

void TStepHistory::SetRoot(TMacro& root) {
  FRoot = &root;
  Clear();
}

void TStepHistory::SetDepth(int steps) {
  FDepth = std::clamp(steps, 1, MaxDepth);
  Trim();
}

int TStepHistory::Oldest() const {
  if (FCheckpoints.empty()) {
    return FShown;
  }
  return std::max(FCheckpoints.front().Step, std::min(FShown, FNewest - FDepth));
}

TStepReport TStepHistory::Step(bool publish,
                               const std::function<void(const SimResult&)>& onSettled) {
  if (FCheckpoints.empty()) {
    Capture(FShown);  // the state to come back to
  }
  if (FShown < FNewest) {
    if (const TCheckpoint* next = CheckpointAt(FShown + 1)) {
      TStepReport report;
      if (Load(*next)) {
        ++FShown;
        if (publish) {
          FRoot->Publish();
        }
        if (onSettled) {
          onSettled(report.Result);
        }
      }
      return report;
    }
  }
  const TStepReport report = publish ? StepCircuit(*FRoot, onSettled) : AdvanceCircuit(*FRoot);
  if (report.Faulted()) {
    Clear();  // the step reset the circuit
    return report;
  }
  if (++FShown > FNewest) {
    FNewest = FShown;
    if (CheckpointDue()) {
      Capture(FShown);
    }
    Trim();
  }
  return report;
}

int TStepHistory::StepBack(int steps) {
  const int from = FShown;
  const int target = std::max(Oldest(), FShown - steps);
  return target < from && GoTo(target) ? from - target : 0;
}

bool TStepHistory::GoTo(int step) {
  if (step < Oldest() || step > FNewest) {
    return false;
  }
  const TCheckpoint* start = CheckpointAtOrBefore(step);
  if (!start) {
    return step == FShown;
  }
  // Step on from the state shown when no checkpoint lies nearer.
  if (step < FShown || start->Step > FShown) {
    if (!Load(*start)) {
      return false;
    }
    FShown = start->Step;
  }
  while (FShown < step) {
    if (const TCheckpoint* next = CheckpointAt(FShown + 1)) {
      if (!Load(*next)) {
        return false;
      }
    } else if (AdvanceCircuit(*FRoot).Faulted()) {
      Clear();  // what was remembered no longer holds; the step reset the circuit
      return false;
    }
    ++FShown;
  }
  FRoot->Publish();
  return true;
}

void TStepHistory::ChangedByHand() {
  if (FCheckpoints.empty()) {
    return;  // the next step starts the history from the state as it is then
  }
  ForgetAfter(FShown);
  FNewest = FShown;
  Capture(FShown);
}

void TStepHistory::Clear() {
  FCheckpoints.clear();
  FBytes = 0;
  FShown = 0;
  FNewest = 0;
}

void TStepHistory::Capture(int step) {
  ForgetAfter(step - 1);
  std::vector<std::byte> state(FCheckpoints.empty() ? 0 : FCheckpoints.back().State.size());
  {
    TStateArchive archive = TStateArchive::Saving(state);
    FRoot->ExchangeState(archive);
  }
  FBytes += state.size();
  FCheckpoints.push_back({step, std::move(state)});
  FEvaluationsAtCheckpoint = FRoot->Evaluations();
}

bool TStepHistory::Load(const TCheckpoint& checkpoint) {
  TStateArchive archive = TStateArchive::Loading(checkpoint.State);
  FRoot->ExchangeState(archive);
  if (archive.Failed()) {
    Clear();  // the circuit is no longer the one the state was taken from
    return false;
  }
  return true;
}

const TStepHistory::TCheckpoint* TStepHistory::CheckpointAtOrBefore(int step) const {
  const auto after = std::upper_bound(
      FCheckpoints.begin(), FCheckpoints.end(), step,
      [](int wanted, const TCheckpoint& checkpoint) { return wanted < checkpoint.Step; });
  return after == FCheckpoints.begin() ? nullptr : &*std::prev(after);
}

const TStepHistory::TCheckpoint* TStepHistory::CheckpointAt(int step) const {
  const TCheckpoint* found = CheckpointAtOrBefore(step);
  return found && found->Step == step ? found : nullptr;
}

bool TStepHistory::CheckpointDue() const {
  const TCheckpoint& last = FCheckpoints.back();
  const std::uint64_t work = FRoot->Evaluations() - FEvaluationsAtCheckpoint;
  return FShown - last.Step >= MaxStepsBetweenCheckpoints ||
         work >= EvaluationsPerByte * last.State.size();
}

void TStepHistory::Trim() {
  const int oldest = std::min(FShown, FNewest - FDepth);
  while (FCheckpoints.size() > 1 && FCheckpoints[1].Step <= oldest) {
    FBytes -= FCheckpoints.front().State.size();
    FCheckpoints.pop_front();
  }
}

void TStepHistory::ForgetAfter(int step) {
  while (!FCheckpoints.empty() && FCheckpoints.back().Step > step) {
    FBytes -= FCheckpoints.back().State.size();
    FCheckpoints.pop_back();
  }
}

}  // namespace logivane
