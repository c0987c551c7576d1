#pragma once

#include "simulation/cDevice.h"

#include <array>
#include <cstdint>

namespace logivane {

/**
 * @brief Base of the logic gates: pin 0 is the output, pins 1 to `InputCount` the inputs.
 *
 * A gate has no state: each evaluation reads its inputs and drives its output once. Its pins
 * are built with it (or read with it) and never replaced, because evaluation keeps them at hand.
 */
class TGateDevice : public TDevice {
public:
  void Read(TSerializeReader& reader) override;
  SimResult Calculate() override;

  /// The output of a gate of `kind` (a gate kind) whose inputs `in(1)` to `in(inputs)` read 0
  /// or 1: the rule of every gate class, and of a compiled level evaluating one. `inputs` is
  /// taken by reference so that an inverter never loads it: in the compiled passes that load
  /// would take a register the loop needs.
  template <class Count, class In>
  static TLevel Level(TLogicKind kind, const Count& inputs, const In& in) {
    TLevel level = 0;
    switch (kind) {
      case TLogicKind::Not:
        return in(1) ^ 1;
      case TLogicKind::And:
      case TLogicKind::Nand:
        level = 1;
        for (int k = 1; k <= inputs; ++k) {
          level &= in(k);
        }
        return level ^ (kind == TLogicKind::Nand);
      case TLogicKind::Or:
      case TLogicKind::Nor:
        for (int k = 1; k <= inputs; ++k) {
          level |= in(k);
        }
        return level ^ (kind == TLogicKind::Nor);
      default:
        return in(1) ^ in(2) ^ (kind == TLogicKind::Xnor);
    }
  }

  std::int32_t InputCount = 0;
  /// Which gate this is.
  const TLogicKind Kind;

protected:
  enum class TBody : std::uint8_t { Not, And, Or, Xor };

  /// Builds the symbol and pins of a gate of `kind` drawn as `body` with `inputs` inputs.
  /// `helpTopic` is best a literal, so that thousands of gates share one string.
  TGateDevice(TLogicKind kind, TBody body, bool bubble, std::int32_t inputs,
              const QString& helpTopic);

  TLevel In(int k) const { return FPinAt[static_cast<std::size_t>(k)]->Value & 1; }

private:
  /// The pins in pin order, so that evaluation reaches each with one load.
  std::array<TPin*, 5> FPinAt{};
};

class TNotGate final : public TGateDevice {
  LV_PERSISTENT(TNotGate)
public:
  TNotGate();
  const TPinLayout* Layout() const override;
};

/// A family of gates of one kind and symbol, whatever their number of inputs.
#define LV_GATE_FAMILY(FamilyT, KindV)                          \
  class FamilyT : public TGateDevice {                          \
  public:                                                       \
    static constexpr TLogicKind FamilyKind = TLogicKind::KindV; \
                                                                \
  protected:                                                    \
    explicit FamilyT(std::int32_t inputs);                      \
  };

LV_GATE_FAMILY(TAndGate, And)
LV_GATE_FAMILY(TNandGate, Nand)
LV_GATE_FAMILY(TOrGate, Or)
LV_GATE_FAMILY(TNorGate, Nor)
LV_GATE_FAMILY(TXorGate, Xor)
LV_GATE_FAMILY(TXnorGate, Xnor)

#undef LV_GATE_FAMILY

/// The registered gates: one class per family and input count.
#define LV_GATE(ClassT, FamilyT, Inputs)                                              \
  class ClassT final : public FamilyT {                                               \
    LV_PERSISTENT(ClassT)                                                             \
  public:                                                                             \
    ClassT() : FamilyT(Inputs) {}                                                     \
    const TPinLayout* Layout() const override {                                       \
      static const TPinLayout layout{typeid(ClassT), FamilyKind, (Inputs) + 1, 0, 1}; \
      return &layout;                                                                 \
    }                                                                                 \
  };

LV_GATE(T2AndGate, TAndGate, 2)
LV_GATE(T3AndGate, TAndGate, 3)
LV_GATE(T4AndGate, TAndGate, 4)
LV_GATE(T2NandGate, TNandGate, 2)
LV_GATE(T3NandGate, TNandGate, 3)
LV_GATE(T4NandGate, TNandGate, 4)
LV_GATE(T2OrGate, TOrGate, 2)
LV_GATE(T3OrGate, TOrGate, 3)
LV_GATE(T4OrGate, TOrGate, 4)
LV_GATE(T2NorGate, TNorGate, 2)
LV_GATE(T3NorGate, TNorGate, 3)
LV_GATE(T4NorGate, TNorGate, 4)
LV_GATE(T2XorGate, TXorGate, 2)
LV_GATE(T2XnorGate, TXnorGate, 2)

#undef LV_GATE

/**
 * @brief A buffer whose output drives its net only while the enable pin is high.
 *
 * Pin 0 is the data input, pin 1 the output (kind 3), pin 2 the enable input. Finding another
 * driver on its net marks the buffer with `Contention`.
 */
class TTriState final : public TDevice {
  LV_PERSISTENT(TTriState)
public:
  enum : int { PinData = 0, PinOutput = 1, PinEnable = 2 };

  /// What an enabled buffer does on finding the net's last driver `driver`: drive its data,
  /// or report a fight. Either way it leaves no mark of its own on its output pin, so that
  /// the next pass does not take it for another driver; the rest of the net keeps the mark.
  enum class TAction : std::uint8_t { Drive, Fight };
  static TAction ActionOn(const TDevice* driver, const TDevice* buffer) {
    return Fights(driver, buffer) ? TAction::Fight : TAction::Drive;
  }

  TTriState();

  void Read(TSerializeReader& reader) override;
  SimResult Calculate() override;
  const TPinLayout* Layout() const override;
  bool DrivesNet(const TPin& pin) const override;

private:
  std::array<TPin*, 3> FPinAt{};
};

}  // namespace logivane
