#pragma once

#include "simulation/cDevice.h"

#include <cstdint>

namespace logivane {

class TMacro;

/**
 * @brief What settles one level of a circuit in a step, whichever way it does it.
 *
 * A container calls these in the order of a step: its sources, the settle loop, the latch of
 * the clocked flip-flops, its indicators. An engine may keep levels and states to itself
 * during a step; `Publish` writes them to the objects for whoever looks at them.
 */
class TSimEngine {
public:
  virtual ~TSimEngine() = default;

  /// Whether this engine is a compiled plan rather than the objects' own `Calculate`.
  virtual bool Compiled() const = 0;
  /// Advances the level's sources once and drives their levels, in order; adds one evaluation
  /// per source.
  virtual void CalculateSources(std::uint64_t& evaluations) = 0;
  /// Evaluates the devices of the order pass after pass until no pin changes, a device reports
  /// a race or contention, or more than `maxPasses` ran; returns the number of passes and adds
  /// the device evaluations. Only a `displayed` level names its own culprit.
  virtual int Settle(SimResult& total, bool displayed, int maxPasses,
                     std::uint64_t& evaluations) = 0;
  /// Loads the masters of the clocked flip-flops after a settle loop.
  virtual void LatchFlipFlops() = 0;
  /// Lets the level's indicators latch what their pins show, in order; adds one evaluation
  /// each.
  virtual void CalculateIndicators(std::uint64_t& evaluations) = 0;
  /// Forgets which device drove each pin of the level and of every level below.
  virtual void ClearDrivers() = 0;
  /// Makes every pin, wire and joint of the level, and the devices' states, show what the
  /// engine holds.
  virtual void Publish() = 0;
  /// Takes the levels and states the objects of the level show now, after they were set back
  /// to those of an earlier step; false when the engine cannot hold them and must be chosen
  /// anew.
  virtual bool TakeIn() = 0;
  /// Saves or loads what the engine keeps of the level between steps, for an engine that keeps
  /// the level's levels and states to itself (see `TStateArchive`). A loaded engine publishes
  /// them when next asked.
  virtual void ExchangeState(TStateArchive&) {}
};

/// The reference engine: every device of the level calculates through its own object.
class TInterpretedEngine final : public TSimEngine {
public:
  explicit TInterpretedEngine(TMacro& level) : FLevel(level) {}

  bool Compiled() const override { return false; }
  void CalculateSources(std::uint64_t& evaluations) override;
  int Settle(SimResult& total, bool displayed, int maxPasses, std::uint64_t& evaluations) override;
  void LatchFlipFlops() override;
  void CalculateIndicators(std::uint64_t& evaluations) override;
  void ClearDrivers() override;
  void Publish() override {}
  bool TakeIn() override { return true; }

private:
  TMacro& FLevel;
};

}  // namespace logivane
