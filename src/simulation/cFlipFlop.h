#pragma once

#include "simulation/cDevice.h"

#include <array>
#include <cstddef>

namespace logivane {

/**
 * @brief Base of the storage devices: the shared body with the Q and inverted Q outputs.
 *
 * Pin 0 is Q and pin 1 inverted Q; the subclasses add their inputs from pin 2 on.
 */
class TFlipFlop : public TDevice {
public:
  void Read(TSerializeReader& reader) override;
  void Reset() override;
  void ExchangeState(TStateArchive& state) override;

  TLevel Q = 0;
  TLevel NotQ = 1;

protected:
  TFlipFlop();
  /// Drives Q and inverted Q; true when either pin changed.
  bool DriveOutputs(TLevel q, TLevel notQ);
  /// The level of input pin `index`, masked to one bit.
  TLevel Input(int index) const { return FPinAt[static_cast<std::size_t>(index)]->Value & 1; }
  TPin& PinAt(int index) const { return *FPinAt[static_cast<std::size_t>(index)]; }
  /// Keeps the pins at hand once the class has built them all; a flip-flop never changes its
  /// pins.
  void CachePins();
  /// The number of pins a stored device of the class must have.
  virtual int StoredPinCount() const = 0;

private:
  std::array<TPin*, 7> FPinAt{};
};

/// An RS latch: pin 2 R, pin 3 S. With both high, reset wins.
class TRSFlipFlop : public TFlipFlop {
  LV_PERSISTENT(TRSFlipFlop)
public:
  enum : int { PinR = 2, PinS = 3 };

  TRSFlipFlop();

  SimResult Calculate() override;
  const TPinLayout* Layout() const override;
  /// What the latch `q`, `notQ` holds after an evaluation with the level of pin `k` given by
  /// `input(k)`, for the device and a compiled level alike.
  template <class F>
  static void Latch(const F& input, TLevel& q, TLevel& notQ) {
    if (input(PinS)) {
      q = 1;
      notQ = 0;
    }
    if (input(PinR)) {
      q = 0;
      notQ = 1;
    }
  }

protected:
  int StoredPinCount() const override { return 4; }
};

/**
 * @brief A master-slave flip-flop with asynchronous clear and preset.
 *
 * The settle loop only copies the master to the outputs or holds them; `SetSlaveInputs`, run
 * once per step after the loop, loads the master. That gives edge-triggered behaviour without
 * the simulator knowing about edges.
 */
class TClockedFlipFlop : public TFlipFlop {
public:
  enum : int { PinData = 2, PinClock = 3, PinClear = 4, PinPreset = 5 };

  void Reset() override;
  void ExchangeState(TStateArchive& state) override;
  void SetSlaveInputs() override = 0;
  bool IsClockedFlipFlop() const override { return true; }

  TLevel MasterQ = 0;
  TLevel MasterNotQ = 1;
  /// The next evaluation forces the cleared state once.
  bool Initial = true;

  /// One evaluation, for the device and a compiled level alike: the asynchronous part
  /// (preset, else clear or the first evaluation after a reset) and, unless it changed a pin,
  /// the clocked part, in which the outputs take the master while the clock is at `passLevel`
  /// and hold their own levels otherwise. `input(k)` gives the level of input pin `k`,
  /// `output(k)` the level output pin `k` shows, and `drive(q, notQ)` drives both outputs and
  /// tells whether either pin changed.
  template <class In, class Out, class Drive>
  static bool Evaluate(const In& input, const Out& output, const Drive& drive, TLevel passLevel,
                       TLevel& masterQ, TLevel& masterNotQ, bool& initial) {
    if (input(PinPreset)) {
      masterQ = 1;
      masterNotQ = 0;
      initial = false;
      if (drive(1, 0)) {
        return true;
      }
    } else if (input(PinClear) || initial) {
      masterQ = 0;
      masterNotQ = 1;
      initial = false;
      if (drive(0, 1)) {
        return true;
      }
    }
    if (input(PinClock) == passLevel) {
      return drive(masterQ, masterNotQ);
    }
    return drive(output(0), output(1));
  }

protected:
  TClockedFlipFlop();
  /// `Evaluate` on this device's pins and state.
  SimResult Settle(TLevel passLevel);
};

/// D-type flip-flop: Q takes D on the rising clock edge.
class TDFlipFlop : public TClockedFlipFlop {
  LV_PERSISTENT(TDFlipFlop)
public:
  /// The clock level at which the outputs take the master.
  static constexpr TLevel PassLevel = 1;

  TDFlipFlop();

  SimResult Calculate() override { return Settle(PassLevel); }
  const TPinLayout* Layout() const override;
  void SetSlaveInputs() override {
    LoadMaster([this](int pin) { return Input(pin); }, MasterQ, MasterNotQ);
  }
  /// What `SetSlaveInputs` does to the master `masterQ`, `masterNotQ`, with the level of pin
  /// `k` given by `input(k)`, so that a compiled level can latch what it keeps itself.
  template <class F>
  static void LoadMaster(const F& input, TLevel& masterQ, TLevel& masterNotQ) {
    // The master follows D while the clock is low; the outputs take it when the clock rises.
    if (input(PinClear) || input(PinPreset) || input(PinClock)) {
      return;
    }
    masterQ = input(PinData);
    masterNotQ = masterQ ^ 1;
  }

protected:
  int StoredPinCount() const override { return 6; }
};

/// JK flip-flop: acts on the falling clock edge; J = K = 1 toggles once per clock cycle.
class TJKFlipFlop : public TClockedFlipFlop {
  LV_PERSISTENT(TJKFlipFlop)
public:
  enum : int { PinK = 6 };

  static constexpr TLevel PassLevel = 0;

  TJKFlipFlop();

  SimResult Calculate() override { return Settle(PassLevel); }
  const TPinLayout* Layout() const override;
  void SetSlaveInputs() override {
    LoadMaster([this](int pin) { return Input(pin); }, MasterQ, MasterNotQ);
  }
  /// What `SetSlaveInputs` does, as `TDFlipFlop::LoadMaster`.
  template <class F>
  static void LoadMaster(const F& input, TLevel& masterQ, TLevel& masterNotQ) {
    // The master is loaded while the clock is high and the outputs hold, so a toggle is taken
    // from outputs that cannot change until the clock falls: once per cycle.
    if (input(PinClear) || input(PinPreset) || !input(PinClock)) {
      return;
    }
    const TLevel j = input(PinData);
    const TLevel k = input(PinK);
    if (j && k) {
      masterQ = input(0) ^ 1;
      masterNotQ = input(1) ^ 1;
    } else if (j || k) {
      masterQ = j;
      masterNotQ = j ^ 1;
    }
  }

protected:
  int StoredPinCount() const override { return 7; }
};

}  // namespace logivane
