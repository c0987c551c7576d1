#pragma once

#include "simulation/cinput.h"

#include <cstdint>

namespace logivane {

/**
 * @brief A source the user toggles with a click, optionally free-running.
 *
 * A press toggles both the live level and the level that `Reset` restores, so a circuit that
 * is reset keeps the input where the user left it.
 */
class TInteractiveInput : public TInputDevice {
  LV_PERSISTENT(TInteractiveInput)
public:
  TInteractiveInput();

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void Press() override;
  TLevel NextLevel() override;
  void Reset() override;
  void ExchangeState(TStateArchive& state) override;
  void DrawState(QPainter& dc) override;
  void RecordState() override;
  void StoreShownState() override;

  TColour LevelFill() const { return Level != 0 ? ColourRed : ColourWhite; }

  std::uint16_t Level = 0;
  /// 0 or 65535; driven as it is after a reset, which every reader takes as high.
  std::uint16_t StoredLevel = 0;
  /// Free-running: the level toggles every second step.
  bool Pulse = false;
  bool PulsePhase = false;

protected:
  std::optional<TColour> ShownFill(int index) const override;

private:
  static constexpr int LevelCircleIndex = 1;
  TPolygon& LevelCircle() const { return *static_cast<TPolygon*>(Child(LevelCircleIndex)); }
};

/**
 * @brief A two-way contact between pin 0 and pin 1 that the user operates.
 *
 * Evaluated in every pass like a plain device: when closed it copies the level of the driven
 * side to the other, when open it pulls an undriven side low.
 */
class TInteractiveSwitch : public TTextDevice {
  LV_PERSISTENT(TInteractiveSwitch)
public:
  enum : std::int32_t { PushToMake = 0, PushToBreak = 1, Toggle = 2 };

  TInteractiveSwitch();

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void Press() override;
  void Release() override;
  SimResult Calculate() override;
  void ExchangeState(TStateArchive& state) override;

  /// Sets the type and puts the contact at rest: closed for push-to-break, open otherwise.
  void SetSwitchType(std::int32_t type);

  std::int32_t SwitchType = Toggle;
  /// The contact is closed; change it through `SetOn`.
  bool On = false;

  /// Opens or closes the contact; the halves of the symbol, which the file may keep, show it.
  void SetOn(bool on);

protected:
  std::optional<TColour> ShownFill(int index) const override;

private:
  enum : int { UpperHalf = 1, LowerHalf = 2 };
  /// White over black when closed, black over white when open.
  TColour HalfFill(int half) const;

  bool IsPushButton() const { return SwitchType == PushToMake || SwitchType == PushToBreak; }
  SimResult CalculateClosed();
  SimResult CalculateOpen();
  /// Drives `to` on behalf of `driver` and leaves `to` unmarked, so that the switch does not
  /// mistake its own copy for a driver in the next pass.
  static bool CopyTo(TPin& to, TDevice* driver, TLevel level);
};

}  // namespace logivane
