#pragma once

#include "simulation/cDevice.h"

#include <cstdint>
#include <memory>

namespace logivane {

/**
 * @brief The port of a sub-circuit: copies levels between its own pin, inside, and the outline
 * pin of the enclosing macro device that its hidden `LinkPin` is partnered with.
 *
 * The symbol is the number text (child 0) beside one neutral pin.
 */
class TTagDevice : public TDevice {
  LV_PERSISTENT(TTagDevice)
public:
  enum : std::int32_t { StyleLeft = 0, StyleRight = 1, StyleTop = 2, StyleBottom = 3 };
  enum : std::int32_t {
    DirectionNone = 0,
    DirectionInput = 1,
    DirectionOutput = 2,
    DirectionBidirectional = 3
  };

  TTagDevice();
  ~TTagDevice() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;

  SimResult Calculate() override;
  void ExchangeState(TStateArchive& state) override;

  /// Shows `n`, or nothing when `n` is negative.
  void SetNumber(std::int32_t n);
  /// The number shown, or -1 when none is.
  std::int32_t GetNumber() const;
  /// Puts the number on side `style` of the pin.
  void SetStyle(std::int32_t style);
  TPin* GetPin() const { return Pin(0); }
  /// A pin of `kind` on this tag's net, or null; the caller clears the visited marks first.
  TPin* FindNetPin(std::int32_t kind) const;

  std::int32_t Style = StyleLeft;
  std::int32_t Direction = DirectionNone;
  /// Never drawn: its partner is the outline pin on the enclosing macro device.
  std::unique_ptr<TMacroPin> LinkPin;

private:
  TGraphicText& NumberText() const { return *static_cast<TGraphicText*>(Child(0)); }
  /// Drives `to` with the level and driver of `from`, unless another device drives `to`.
  SimResult CarryAcross(const TPin& from, TPin& to);
};

}  // namespace logivane
