#pragma once

#include "document/cColour.h"
#include "simulation/cDevice.h"

#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace logivane {

/**
 * @brief Base of the sources: devices that put levels into a circuit.
 *
 * A container keeps them in its inputs list and evaluates them once per step, before its
 * settle loop; they never appear in an evaluation order. Pin 0 is the output.
 */
class TInputDevice : public THistoryDevice {
public:
  void Read(TSerializeReader& reader) override;
  /// Advances and drives pin 0 with the level `NextLevel` gives.
  SimResult Calculate() final {
    SimResult result;
    result.Changed = FOutput[0]->SetValue(this, NextLevel());
    return result;
  }
  /// Advances the source by one step and returns the level it drives now. A compiled level
  /// calls this and drives the level itself.
  virtual TLevel NextLevel() = 0;
  /// Where the fields `NextLevel` reads begin, so that a compiled level can ask for them ahead.
  virtual const void* StepState() const { return this; }

protected:
  TInputDevice();
  /// Adds pin 0, the output, at (x, y).
  void AddOutput(float x, float y);

private:
  /// Pin 0, which a source drives on every step; sources never change their pins.
  std::array<TPin*, 1> FOutput{};
};

/// A ground rail: drives 0.
class TGround : public TInputDevice {
  LV_PERSISTENT(TGround)
public:
  TGround();

  TLevel NextLevel() override { return 0; }
};

/// A supply rail: drives 1.
class TSupply : public TInputDevice {
  LV_PERSISTENT(TSupply)
public:
  TSupply();

  TLevel NextLevel() override { return 1; }
};

/**
 * @brief A source that plays a sequence of levels, one character per advance.
 *
 * Shows its level in the circle of its symbol (child 0).
 */
class TSeqInputDevice : public TInputDevice {
public:
  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  /// Takes the next step of the sequence (see `Step`).
  TLevel NextLevel() override;
  const void* StepState() const override { return &Phase; }
  void Reset() override;
  void ExchangeState(TStateArchive& state) override;
  void DrawState(QPainter& dc) override;
  void RecordState() override;
  void StoreShownState() override;

  /// Starts the sequence `text` from its first character.
  void SetSequence(const QString& text);
  /// Whether every other step only repeats the level.
  virtual bool HoldsEveryOther() const { return false; }
  /// The level of every character of `Sequence`.
  std::vector<TLevel> SequenceLevels() const;
  /// One step of a sequence of `length` characters whose levels `levelAt(i)` gives: toggles
  /// `phase` and takes the level of character `position` (counted from 1), wrapping at the
  /// end. With `holdEveryOther`, a step in the second phase only repeats the level. A compiled
  /// level steps its copy of a sequence the same way.
  template <class F>
  static TLevel Step(bool& phase, std::int32_t& position, TLevel& level, bool holdEveryOther,
                     std::int32_t length, const F& levelAt) {
    if (holdEveryOther && phase) {
      phase = false;
      return level;
    }
    phase = !phase;
    if (length == 0) {
      return level;
    }
    if (position < 1 || position > length) {
      position = 1;
    }
    level = levelAt(position - 1);
    if (++position > length) {
      position = 1;
    }
    return level;
  }
  /// The fill of the level circle for the current level.
  TColour LevelFill() const { return Level < 1 ? ColourWhite : Colour; }

  bool Phase = false;
  /// 1-based index of the next character of `Sequence`.
  std::int32_t Position = 1;
  QString Sequence;
  TLevel Level = 0;
  TColour Colour = ColourBlack;

protected:
  TSeqInputDevice(const QString& sequence, TColour colour, const QString& label,
                  const QString& helpTopic);

  std::optional<TColour> ShownFill(int index) const override;

private:
  static constexpr int LevelCircleIndex = 0;
  TPolygon& LevelCircle() const { return *static_cast<TPolygon*>(Child(LevelCircleIndex)); }
};

/// A clock: the sequence "01", one step per half cycle.
class TClockDevice : public TSeqInputDevice {
  LV_PERSISTENT(TClockDevice)
public:
  TClockDevice();
};

/// A sequence generator: each character of the sequence lasts one full clock cycle.
class TBitGenerator : public TSeqInputDevice {
  LV_PERSISTENT(TBitGenerator)
public:
  TBitGenerator();

  /// Each character lasts a whole clock cycle.
  bool HoldsEveryOther() const override { return true; }
};

}  // namespace logivane
