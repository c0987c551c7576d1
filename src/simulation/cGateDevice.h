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

  std::int32_t InputCount = 0;

protected:
  enum class TBody : std::uint8_t { Not, And, Or, Xor };

  /// Builds the symbol and pins of a gate of `body` with `inputs` inputs.
  /// `helpTopic` is best a literal, so that thousands of gates share one string.
  TGateDevice(TBody body, bool bubble, std::int32_t inputs, const QString& helpTopic);

  TLevel In(int k) const { return FPinAt[static_cast<std::size_t>(k)]->Value & 1; }
  SimResult Drive(TLevel level) { return DriveOutput(*FPinAt[0], level); }

private:
  /// The pins in pin order, so that evaluation reaches each with one load.
  std::array<TPin*, 5> FPinAt{};
};

class TNotGate final : public TGateDevice {
  LV_PERSISTENT(TNotGate)
public:
  TNotGate();
  SimResult Calculate() override;
};

class TAndGate : public TGateDevice {
public:
  SimResult Calculate() override;

protected:
  explicit TAndGate(std::int32_t inputs);
};

class TNandGate : public TGateDevice {
public:
  SimResult Calculate() override;

protected:
  explicit TNandGate(std::int32_t inputs);
};

class TOrGate : public TGateDevice {
public:
  SimResult Calculate() override;

protected:
  explicit TOrGate(std::int32_t inputs);
};

class TNorGate : public TGateDevice {
public:
  SimResult Calculate() override;

protected:
  explicit TNorGate(std::int32_t inputs);
};

class TXorGate : public TGateDevice {
public:
  SimResult Calculate() override;

protected:
  explicit TXorGate(std::int32_t inputs);
};

class TXnorGate : public TGateDevice {
public:
  SimResult Calculate() override;

protected:
  explicit TXnorGate(std::int32_t inputs);
};

/// The registered gates: one class per family and input count.
#define LV_GATE(ClassT, FamilyT, Inputs) \
  class ClassT final : public FamilyT {  \
    LV_PERSISTENT(ClassT)                \
  public:                                \
    ClassT() : FamilyT(Inputs) {}        \
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
  TTriState();

  void Read(TSerializeReader& reader) override;
  SimResult Calculate() override;

private:
  std::array<TPin*, 3> FPinAt{};
};

}  // namespace logivane
