#pragma once

#include "document/Cgobject.h"
#include "document/cGText.h"
#include "simulation/cConnect.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <typeinfo>
#include <vector>

namespace logivane {

class TDevice;
class TStateArchive;

/// What one evaluation of a device found.
struct SimResult {
  TDevice* Culprit = nullptr;
  bool Contention = false;
  bool Changed = false;
  bool Race = false;
};

/// The device rules that a compiled level follows itself, one per family of classes.
enum class TLogicKind : std::uint8_t { Not, And, Nand, Or, Nor, Xor, Xnor, TriState, RS, D, JK };

/**
 * @brief While one lives on this thread, devices are being primed rather than stepped: each is
 * evaluated once so that its outputs name it as their driver, as building an evaluation order
 * does.
 *
 * The pins hold no step's levels then, so a device whose evaluation leaves a lasting mark beyond
 * its pins (a RAM's write) holds it back. Scopes nest, as a level primes the levels inside it.
 */
class TPrimingScope {
public:
  TPrimingScope() { ++FDepth; }
  ~TPrimingScope() { --FDepth; }
  TPrimingScope(const TPrimingScope&) = delete;
  TPrimingScope& operator=(const TPrimingScope&) = delete;

  static bool Active() { return FDepth > 0; }

private:
  static inline thread_local int FDepth = 0;
};

/// What a compiled level needs to know of a device class whose rule it follows: the rule and
/// the pins. Only a device of exactly `Class` is compiled, as a derived class may compute
/// otherwise.
struct TPinLayout {
  const std::type_info& Class;
  TLogicKind Kind;
  std::uint8_t Pins;
  /// The outputs are pins [FirstOutput, EndOutput); every other pin is an input.
  std::uint8_t FirstOutput;
  std::uint8_t EndOutput;
};

/// What a container does with a device: the list it files it in and whether it is evaluated in
/// the settle loop.
enum class TDeviceRole : std::uint8_t { Plain, Input, Output, Tag, Macro };

/**
 * @brief Base of every circuit element that computes.
 *
 * The children of the list are the shapes of the symbol; the device also owns its pins, whose
 * order is the device's pin numbering.
 */
class TDevice : public TGraphicList {
  LV_PERSISTENT(TDevice)
public:
  TDevice();
  ~TDevice() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;

  void Clear() override;
  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
  void Draw(QPainter& dc) override;
  void Rotate(float angle) override;
  void Scale(float sx, float sy) override;
  void Translate(float dx, float dy) override;
  void Remap() override;
  TRect GetBounds() const override;
  TFloatRect GetFloatBounds() const override;
  void CentreAt(QPoint p) override;

  virtual void Press() {}
  virtual void Release() {}
  /// Evaluates the device once from its inputs and drives its outputs.
  virtual SimResult Calculate() { return {}; }
  virtual void Reset();
  virtual void ResetInputs(TLevel level);
  /// Appends the device that drove each driven input (duplicates included).
  virtual void CollectDrivers(std::vector<TDevice*>& list) const;
  /// Forgets which device drove each pin. A container whose evaluation order is built clears
  /// the pins of its devices itself, so only containers override this.
  virtual void ClearDrivers();
  /// Repaints the part of the symbol that shows the live level; sources and indicators do.
  /// Painting only reads: what the file keeps of the level is stored by `StoreShownState`.
  virtual void DrawState(QPainter&) {}
  /// Takes the step's history sample; runs once per step, whether or not the device is painted.
  virtual void RecordState() {}
  /// Stores what the device shows after a step in the symbol the file keeps (fills, digits),
  /// so that a file keeps what the last step of a run showed, painted or not.
  virtual void StoreShownState() {}
  /// Saves or loads what the device holds between two steps: its pins' levels and drivers,
  /// its contention mark, and whatever state its class keeps (see `TStateArchive`).
  virtual void ExchangeState(TStateArchive& state);
  /// Whether the container must call `SetSlaveInputs` after each settle loop.
  virtual bool IsClockedFlipFlop() const { return false; }
  /// Latches a clocked flip-flop once its container has settled.
  virtual void SetSlaveInputs() {}
  /// The rule and pins of the device's class when a compiled level may follow its rule itself.
  virtual const TPinLayout* Layout() const { return nullptr; }
  /// Whether the device drove the net of `pin`, one of its own, in the step whose levels its
  /// pins show: an output always does; a tri-state pin by the device's own rule, and otherwise
  /// when the device fought over a net. Asked only once a step found bus contention.
  virtual bool DrivesNet(const TPin& pin) const {
    return pin.Kind == PinOutput || (pin.Kind == PinTriState && Contention);
  }

  bool HasConnectedPin() const;
  TGraphicList& Pins() const { return *FPins; }
  int PinCount() const { return FPins->Count(); }
  TPin* Pin(int index) const { return static_cast<TPin*>(FPins->Child(index)); }
  /// Appends a new pin of `kind` centred on (x, y) and returns it.
  TPin* AddPin(std::int32_t kind, float x, float y);
  /// Replaces the pins by `pins`, taking ownership; every child must be a pin.
  void SetPins(std::unique_ptr<TGraphicList> pins);
  std::unique_ptr<TGraphicList> TakePins();
  TDeviceRole Role() const { return FRole; }

  bool PinsVisible = false;
  bool GeometryStored = false;
  bool Interactive = false;
  bool Contention = false;
  float X = 0;
  float Y = 0;
  TPin* HitPin = nullptr;

protected:
  explicit TDevice(TDeviceRole role);

  /// Drives `output`, an output pin of this device, and its net. When another device has
  /// already driven that net in this step, the net is left to it: this device marks itself with
  /// `Contention` and reports a change instead, so the level does not settle and the fight is
  /// blamed whichever of the two drivers is evaluated first. Driving the same pin twice in one
  /// evaluation is no fight.
  SimResult DriveOutput(TPin& output, TLevel level) {
    SimResult result;
    if (output.DrivenByOther(this)) {
      Contention = true;
      result.Changed = true;
      return result;
    }
    result.Changed = output.SetValue(this, level);
    return result;
  }

  /// Paints the shapes of the symbol, each as the device's state shows it.
  virtual void DrawSymbol(QPainter& dc);
  /// The fill that symbol shape `index`, a polygon, shows in place of its own: a device that
  /// shows its level in a fill gives it here, so painting leaves the stored fill alone.
  virtual std::optional<TColour> ShownFill(int) const { return std::nullopt; }

private:
  std::unique_ptr<TGraphicList> FPins;
  TDeviceRole FRole;
};

/// A device with a text label beside its symbol.
class TTextDevice : public TDevice {
  LV_PERSISTENT(TTextDevice)
public:
  enum : std::int32_t { LabelLeft = 0, LabelRight = 1, LabelTop = 2, LabelBottom = 3 };

  TTextDevice();
  ~TTextDevice() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;

  void Clear() override;
  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
  void Draw(QPainter& dc) override;
  void Translate(float dx, float dy) override;
  void Remap() override;
  TRect GetBounds() const override;
  TFloatRect GetFloatBounds() const override;
  void CentreAt(QPoint p) override;

  void SetLabelText(const QString& text);
  QString GetLabelText() const { return FLabel->Text; }
  bool GetLabelOverbar() const { return FLabel->Overline; }
  void SetLabelOverbar(bool overbar);
  void SetLabelPosition(std::int32_t position);
  const TGraphicText& Label() const { return *FLabel; }

  std::int32_t LabelPosition = LabelLeft;

protected:
  explicit TTextDevice(TDeviceRole role);

private:
  std::unique_ptr<TGraphicText> FLabel;
};

/// A text device whose level is recorded, step by step, for the timing diagram.
class THistoryDevice : public TTextDevice {
  LV_PERSISTENT(THistoryDevice)
public:
  static constexpr int HistoryLimit = 1024;

  THistoryDevice();

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void Clear() override;
  void Reset() override;

  void AppendHistory(TLevel level);
  /// Keeps only the first `samples` samples, dropping the later ones.
  virtual void TrimHistory(int samples);

  /// Samples recorded since the last reset.
  virtual int SampleCount() const { return static_cast<int>(History.size()); }
  /// The bits of each sample: 1 for a level.
  virtual int SampleWidth() const { return 1; }
  /// Sample `index` (0 is the first) as a number of `SampleWidth` bits.
  virtual std::uint32_t SampleValue(int index) const { return History[index] == u'0' ? 0 : 1; }

  QString History;
  bool Recorded = false;

protected:
  explicit THistoryDevice(TDeviceRole role);
};

}  // namespace logivane
