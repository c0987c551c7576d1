#include "testtable/TestBinding.h"

#include "simulation/cConnect.h"
#include "simulation/cDeviceKind.h"
#include "simulation/cInteractive.h"
#include "simulation/cMacro.h"
#include "simulation/cOutput.h"
#include "simulation/cTagDevice.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>
#include <utility>

namespace logivane {

namespace {

/// A level as the probe reads it: high from 1 up, low at 0, neither below.
std::optional<std::uint32_t> LevelValue(TLevel level) {
  if (level < 0) {
    return std::nullopt;
  }
  return level >= 1 ? 1u : 0u;
}

/// An interactive input, held at the level the table sets and kept from running free.
class TSourceInput final : public TTestInput {
public:
  explicit TSourceInput(TInteractiveInput& source) : FSource(source) {}
  ~TSourceInput() override {
    if (FTaken) {
      FSource.Pulse = FPulse;
    }
  }

  void Set(bool high) override {
    if (!FTaken) {
      FTaken = true;
      FPulse = std::exchange(FSource.Pulse, false);
    }
    FSource.Level = high ? 1 : 0;
  }

private:
  TInteractiveInput& FSource;
  bool FTaken = false;
  bool FPulse = false;
};

/// A switch or push button: 1 is a switch closed or a button held down.
class TSwitchInput final : public TTestInput {
public:
  explicit TSwitchInput(TInteractiveSwitch& contact) : FSwitch(contact) {}
  ~TSwitchInput() override {
    if (FTaken) {
      FSwitch.SetOn(FOn);
    }
  }

  void Set(bool high) override {
    if (!FTaken) {
      FTaken = true;
      FOn = FSwitch.On;
    }
    FSwitch.SetOn(high != (FSwitch.SwitchType == TInteractiveSwitch::PushToBreak));
  }

private:
  TInteractiveSwitch& FSwitch;
  bool FTaken = false;
  bool FOn = false;
};

/// An input tag of the top level, driven through the outline pin it is linked to: the
/// circuit's own, when the circuit was read from a macro file, else a stand-in for the outline
/// pin that a sub-circuit's tag has on its parent.
class TTagInput final : public TTestInput {
public:
  explicit TTagInput(TTagDevice& tag) : FTag(tag), FOwnOutline(tag.LinkPin->Partner) {
    if (FOwnOutline) {
      FOwnDriver = FOwnOutline->Driver;
      FOwnValue = FOwnOutline->Value;
    }
  }
  ~TTagInput() override {
    if (FOwnOutline) {
      FOwnOutline->Driver = FOwnDriver;
      FOwnOutline->Value = FOwnValue;
    }
  }

  void Set(bool high) override {
    if (!FOwnOutline && !FOutline.Partner) {
      TMacroPin::Link(*FTag.LinkPin, FOutline);
    }
    TMacroPin& outline = FOwnOutline ? *FOwnOutline : FOutline;
    outline.Driver = &FTag;
    outline.Value = high ? 1 : 0;
  }

private:
  TTagDevice& FTag;
  TMacroPin* FOwnOutline;
  TDevice* FOwnDriver = nullptr;
  TLevel FOwnValue = 0;
  /// Unlinks itself when destroyed, which leaves the tag as it was.
  TMacroPin FOutline;
};

class TLEDOutput final : public TTestOutput {
public:
  explicit TLEDOutput(const TLEDDevice& led) : FLED(led) {}

  std::optional<std::uint32_t> Read() const override { return LevelValue(FLED.Level); }

private:
  const TLEDDevice& FLED;
};

class TNumericOutput final : public TTestOutput {
public:
  explicit TNumericOutput(const TNumericDevice& display) : FDisplay(display) {}

  int Width() const override { return FDisplay.PinCount(); }
  std::optional<std::uint32_t> Read() const override {
    std::uint32_t value = 0;
    for (int i = 0; i < Width(); ++i) {
      value |= (FDisplay.Bits[static_cast<std::size_t>(i)] ? 1u : 0u) << i;
    }
    return value;
  }

private:
  const TNumericDevice& FDisplay;
};

class TTagOutput final : public TTestOutput {
public:
  explicit TTagOutput(const TTagDevice& tag) : FTag(tag) {}

  std::optional<std::uint32_t> Read() const override { return LevelValue(FTag.GetPin()->Value); }
  bool ReadsPin() const override { return true; }

private:
  const TTagDevice& FTag;
};

std::unique_ptr<TTestInput> InputFor(TDevice& device) {
  if (auto* source = dynamic_cast<TInteractiveInput*>(&device)) {
    return std::make_unique<TSourceInput>(*source);
  }
  if (auto* contact = dynamic_cast<TInteractiveSwitch*>(&device)) {
    return std::make_unique<TSwitchInput>(*contact);
  }
  auto* tag = dynamic_cast<TTagDevice*>(&device);
  if (tag && tag->Direction == TTagDevice::DirectionInput) {
    return std::make_unique<TTagInput>(*tag);
  }
  return nullptr;
}

std::unique_ptr<TTestOutput> OutputFor(const TDevice& device) {
  if (const auto* led = dynamic_cast<const TLEDDevice*>(&device)) {
    return std::make_unique<TLEDOutput>(*led);
  }
  if (const auto* display = dynamic_cast<const TNumericDevice*>(&device)) {
    return std::make_unique<TNumericOutput>(*display);
  }
  const auto* tag = dynamic_cast<const TTagDevice*>(&device);
  if (tag && (tag->Direction == TTagDevice::DirectionOutput ||
              tag->Direction == TTagDevice::DirectionBidirectional)) {
    return std::make_unique<TTagOutput>(*tag);
  }
  return nullptr;
}

/// The kind of `device` for a message, tags with their direction.
QString KindText(const TDevice& device) {
  const auto* tag = dynamic_cast<const TTagDevice*>(&device);
  if (!tag) {
    return DeviceKindName(device);
  }
  switch (tag->Direction) {
    case TTagDevice::DirectionInput:
      return TTestTable::tr("input tag");
    case TTagDevice::DirectionOutput:
      return TTestTable::tr("output tag");
    case TTagDevice::DirectionBidirectional:
      return TTestTable::tr("bidirectional tag");
    default:
      return TTestTable::tr("tag without a direction");
  }
}

/// N for a name `tagN`, else -1.
int TagNumber(const QString& name) {
  const QStringView digits = QStringView(name).mid(3);
  if (!name.startsWith(QLatin1String("tag")) || digits.isEmpty() ||
      !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); })) {
    return -1;
  }
  bool valid = false;
  const int number = digits.toInt(&valid);
  return valid ? number : -1;
}

/// The devices of the top level that `name` names: those labelled so, and for `tagN` the tags
/// numbered N.
std::vector<TDevice*> Named(const TMacro& circuit, const QString& name) {
  const int number = TagNumber(name);
  std::vector<TDevice*> named;
  for (const TGraphicList* list :
       {&circuit.Inputs(), &circuit.Devices(), &circuit.Tags(), &circuit.Outputs()}) {
    for (int i = 0; i < list->Count(); ++i) {
      auto* object = static_cast<TGraphicObject*>(list->Child(i));
      if (object->GraphicKind() != TGraphicKind::Device) {
        continue;
      }
      auto* device = static_cast<TDevice*>(object);
      const auto* text = dynamic_cast<const TTextDevice*>(device);
      const auto* tag = dynamic_cast<const TTagDevice*>(device);
      if ((text && text->GetLabelText() == name) ||
          (tag && number >= 0 && tag->GetNumber() == number)) {
        named.push_back(device);
      }
    }
  }
  return named;
}

/// The kinds a column takes, for messages: those named by label, then the tag.
struct TColumnKinds {
  QString Labelled;
  QString Tag;
};

/// Finds the one device `column` names that `make` takes; reports what is wrong otherwise.
template <class T, class F>
std::unique_ptr<T> BindColumn(const TMacro& circuit, const TTestColumn& column, const F& make,
                              const TColumnKinds& kinds, std::vector<TTestError>& errors) {
  const std::vector<TDevice*> named = Named(circuit, column.Name);
  std::unique_ptr<T> bound;
  const TDevice* unfit = nullptr;
  int fitting = 0;
  for (TDevice* device : named) {
    if (std::unique_ptr<T> made = make(*device)) {
      bound = std::move(made);
      ++fitting;
    } else if (!unfit) {
      unfit = device;
    }
  }
  QString message;
  if (fitting > 1) {
    message = TTestTable::tr("'%1' names %2 devices").arg(column.Name).arg(fitting);
  } else if (fitting == 0 && unfit) {
    message = TTestTable::tr("'%1' names the %2; expected %3, or %4")
                  .arg(column.Name, KindText(*unfit), kinds.Labelled, kinds.Tag);
  } else if (fitting == 0) {
    message =
        TTestTable::tr("'%1' names no device at the top level; expected the label of %2, or tagN")
            .arg(column.Name, kinds.Labelled);
  } else {
    return bound;
  }
  errors.push_back({column.Line, column.Column, message});
  return nullptr;
}

/// Reports each expected value that does not fit the output it is compared with, once per
/// place in the table.
void CheckValues(const TTestTable& table, const std::vector<std::unique_ptr<TTestOutput>>& outputs,
                 std::vector<TTestError>& errors) {
  std::set<std::pair<int, int>> reported;
  for (const TTestRow& row : table.Rows()) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
      const TExpectedValue& expected = row.Outputs[i];
      const int width = outputs[i]->Width();
      if (!expected.Value || *expected.Value >> width == 0 ||
          !reported.insert({row.Line, expected.Column}).second) {
        continue;
      }
      const QString& name = table.OutputNames()[static_cast<int>(i)];
      const QString message =
          width == 1 ? TTestTable::tr("expected 0, 1 or X for '%1', which shows one bit").arg(name)
                     : TTestTable::tr("%1 does not fit the %2-bit display '%3' (0 to %4)")
                           .arg(*expected.Value)
                           .arg(width)
                           .arg(name)
                           .arg((1u << width) - 1);
      errors.push_back({row.Line, expected.Column, message});
    }
  }
}

}  // namespace

std::optional<TTestBinding> TTestBinding::Bind(TMacro& circuit, const TTestTable& table,
                                               std::vector<TTestError>& errors) {
  const std::size_t errorsBefore = errors.size();
  TTestBinding binding;
  const TColumnKinds inputKinds{TTestTable::tr("an interactive input, a switch or a push button"),
                                TTestTable::tr("an input tag")};
  for (const TTestColumn& column : table.InputColumns()) {
    binding.FInputs.push_back(
        BindColumn<TTestInput>(circuit, column, InputFor, inputKinds, errors));
  }
  const TColumnKinds outputKinds{TTestTable::tr("an LED or a numeric display"),
                                 TTestTable::tr("an output tag")};
  for (const TTestColumn& column : table.OutputColumns()) {
    binding.FOutputs.push_back(
        BindColumn<TTestOutput>(circuit, column, OutputFor, outputKinds, errors));
    binding.FReadsPins |= binding.FOutputs.back() && binding.FOutputs.back()->ReadsPin();
  }
  if (errors.size() != errorsBefore) {
    return std::nullopt;
  }
  CheckValues(table, binding.FOutputs, errors);
  if (errors.size() != errorsBefore) {
    return std::nullopt;
  }
  return binding;
}

}  // namespace logivane
