#pragma once

#include "simulation/cCircuitBuilder.h"
#include "simulation/cConnect.h"
#include "simulation/cDevice.h"
#include "simulation/cRunControl.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace logivane::test {

/// A plain device with one output pin that tests use to drive a net.
class TTestDriver : public TDevice {
public:
  TTestDriver() { AddPin(PinOutput, 0, 0); }
  bool Drive(TLevel level) { return Pin(0)->SetValue(this, level); }
};

/// Sets the values of input pins directly, as the nets of a circuit would.
inline void SetPins(TDevice& device, std::initializer_list<std::pair<int, TLevel>> values) {
  for (const auto& [pin, value] : values) {
    device.Pin(pin)->Value = value;
  }
}

inline std::vector<TLevel> PinValues(const TDevice& device, std::initializer_list<int> pins) {
  std::vector<TLevel> values;
  for (const int pin : pins) {
    values.push_back(device.Pin(pin)->GetValue());
  }
  return values;
}

/// A few devices joined by wires in a circuit of their own, stepped as the program steps it.
class TBench {
public:
  TBench() {
    FRoot->Closed = false;
    FRoot->Displayed = true;
  }

  template <class T>
  T& Add() {
    return *AddObject(*FRoot, std::make_unique<T>());
  }
  void Connect(TPin& a, TPin& b) { ASSERT_NE(logivane::Connect(*FRoot, a, b), nullptr); }
  void Reset() { FRoot->Reset(); }
  void Step() {
    const TStepReport report = StepCircuit(*FRoot);
    ASSERT_FALSE(report.Faulted()) << report.Message.toStdString();
  }

private:
  std::unique_ptr<TMacro> FRoot = std::make_unique<TMacro>();
};

}  // namespace logivane::test
