#pragma once

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"
#include "simulation/cTagDevice.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace logivane::test {

/// The bytes that `write` puts into a fresh stream.
inline QByteArray Written(const std::function<void(TSerializeWriter&)>& write) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    TSerializeWriter writer(buffer);
    write(writer);
  }
  return bytes;
}

inline QByteArray WrittenObject(const TSerialize& object) {
  return Written([&](TSerializeWriter& writer) { writer.WriteObject(&object); });
}

template <class T>
std::unique_ptr<T> ReadBack(const QByteArray& bytes) {
  TSerializeReader reader(bytes);
  return reader.ReadRoot<T>();
}

inline QByteArray Hex(const char* text) {
  return QByteArray::fromHex(text);
}

/// The bytes of the file `path`; none when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Writes `bytes` to the file `path`, which is returned.
inline QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
      << path.toStdString();
  return path;
}

/// The bounds of every pixel of `image` that is not white; empty when nothing is painted.
inline QRect InkBounds(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        ink |= QRect(x, y, 1, 1);
      }
    }
  }
  return ink;
}

/// A source that drives its one output pin with `Level` each time its circuit's sources are due.
class TTestSource final : public TDevice {
  LV_PERSISTENT(TTestSource)
public:
  TTestSource() : TDevice(TDeviceRole::Input) { AddPin(PinOutput, 10, 0); }

  SimResult Calculate() override {
    ++Calls;
    SimResult result;
    result.Changed = Pin(0)->SetValue(this, Level);
    return result;
  }
  /// The level is what a test sets by hand, so going back to an earlier step takes it back.
  void ExchangeState(TStateArchive& state) override {
    TDevice::ExchangeState(state);
    state.Field(Level);
  }

  TLevel Level = 0;
  int Calls = 0;
};

/// An indicator that remembers the level its one input pin had when it was last evaluated.
class TTestProbe final : public TDevice {
  LV_PERSISTENT(TTestProbe)
public:
  TTestProbe() : TDevice(TDeviceRole::Output) { AddPin(PinInput, -10, 0); }

  SimResult Calculate() override {
    Seen = Pin(0)->Value;
    return {};
  }
  void ExchangeState(TStateArchive& state) override {
    TDevice::ExchangeState(state);
    state.Field(Seen);
  }

  TLevel Seen = -1;
};

/// Moves a new object to (x, y) and files it in `circuit`.
template <class T>
T* Place(TMacro& circuit, float x, float y, std::unique_ptr<T> object = std::make_unique<T>()) {
  object->Translate(x, y);
  object->Remap();
  return AddObject(circuit, std::move(object));
}

/// `Place` for a device with a label.
template <class T>
T* Labelled(TMacro& circuit, float x, float y, const char* label) {
  T* device = Place<T>(circuit, x, y);
  device->SetLabelText(QString::fromUtf8(label));
  return device;
}

/// Wires `from` to every pin of `to`, through solder joints when there are several.
inline void Net(TMacro& circuit, TPin& from, const std::vector<TPin*>& to) {
  TWire* trunk = nullptr;
  for (TPin* pin : to) {
    if (!trunk) {
      trunk = Connect(circuit, from, *pin);
      continue;
    }
    const QPoint a = trunk->GetPoint(0);
    const QPoint b = trunk->GetPoint(trunk->PointCount() - 1);
    TSolder* joint = AddSolder(circuit, *trunk, (a + b) / 2);
    Connect(circuit, *joint, *pin);
    trunk = joint->Wires[0];
  }
}

/// The centre of `object`, rounded to whole units.
inline QPoint CentreOf(const TGraphicObject& object) {
  float x, y;
  object.GetCentre(x, y);
  return {qRound(x), qRound(y)};
}

/// An open root circuit on screen, as the editor holds it.
inline std::unique_ptr<TMacro> NewRoot() {
  auto root = std::make_unique<TMacro>();
  root->Closed = false;
  root->Displayed = true;
  return root;
}

/// The circuit that `bytes` hold, opened as the editor opens a file: on screen and reset.
inline std::unique_ptr<TMacro> Reopened(const QByteArray& bytes) {
  TCircuitReadResult read = ReadCircuitBytes(bytes);
  EXPECT_TRUE(read.Succeeded()) << read.Message.toStdString();
  if (read.Succeeded()) {
    read.Circuit->Closed = false;
    read.Circuit->Displayed = true;
    read.Circuit->Reset();
  }
  return std::move(read.Circuit);
}

/// A closed sub-circuit in `parent` with `tags` tags, each linked to its own outline pin.
/// The caller wires the inside, then runs `UpdateTagKinds` on it.
inline TMacro* AddSubCircuit(TMacro& parent, float x, float y, int tags) {
  auto sub = std::make_unique<TMacro>();
  sub->IsSubCircuit = true;
  for (int i = 0; i < tags; ++i) {
    const float pinY = static_cast<float>(20 * i);
    TTagDevice* tag = Place<TTagDevice>(*sub, 0, pinY);
    AssociateTag(*sub, *tag, *AddOutlinePin(*sub, -30, pinY));
  }
  return Place(parent, x, y, std::move(sub));
}

/// The pin of the outline of `sub` that tag `index` is linked to.
inline TPin& Outline(const TMacro& sub, int index) {
  return *sub.Tag(index)->LinkPin->Partner;
}

/// Steps `root` and expects the step to settle.
inline void SettledStep(TMacro& root) {
  const TStepReport report = StepCircuit(root);
  EXPECT_FALSE(report.Faulted()) << report.Message.toStdString();
}

inline TTestSource* SourceAt(const TMacro& circuit, int index) {
  return static_cast<TTestSource*>(circuit.Inputs().Child(index));
}

inline TTestProbe* ProbeAt(const TMacro& circuit, int index) {
  return static_cast<TTestProbe*>(circuit.Outputs().Child(index));
}

/**
 * Checks a device against a table read like a datasheet. Each row gives the levels of the pins
 * `inputs`, then the levels expected on the pins `outputs` after one step: fresh drivers, one
 * evaluation and the latch that ends a step. Rows follow one another, so a device with memory
 * is checked as a sequence.
 */
inline void ExpectRows(TDevice& device, std::vector<int> inputs, std::vector<int> outputs,
                       const std::vector<std::vector<TLevel>>& rows) {
  int number = 0;
  for (const std::vector<TLevel>& row : rows) {
    ASSERT_EQ(row.size(), inputs.size() + outputs.size()) << "row " << number;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      device.Pin(inputs[i])->Value = row[i];
    }
    device.ClearDrivers();
    device.Calculate();
    device.SetSlaveInputs();
    for (std::size_t i = 0; i < outputs.size(); ++i) {
      EXPECT_EQ(device.Pin(outputs[i])->Value, row[inputs.size() + i])
          << device.ClassName() << " row " << number << " pin " << outputs[i];
    }
    ++number;
  }
}

/// A full adder of two XOR, two AND and one OR gate. Sources A, B and carry in are the first
/// three of `Inputs`; the probes of sum and carry out the two of `Outputs`.
std::unique_ptr<TMacro> FullAdder();

}  // namespace logivane::test
