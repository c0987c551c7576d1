#pragma once

#include "simulation/cConnect.h"
#include "simulation/cDevice.h"

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

/**
 * @brief A few devices joined by wires, stepped the way a circuit container steps them.
 *
 * Sources run once per step, then the other devices pass after pass until nothing changes,
 * then clocked flip-flops latch and indicators take their inputs.
 */
class TBench {
public:
  template <class T>
  T& Add() {
    auto device = std::make_unique<T>();
    T& ref = *device;
    FDevices.push_back(std::move(device));
    return ref;
  }

  void Connect(TPin& a, TPin& b) {
    auto wire = std::make_unique<TWire>();
    wire->AttachEnd(&a);
    wire->AttachEnd(&b);
    a.AttachWire(wire.get());
    b.AttachWire(wire.get());
    FWires.push_back(std::move(wire));
  }

  void Reset() {
    for (const auto& device : FDevices) {
      device->Reset();
    }
    for (const auto& wire : FWires) {
      wire->Value = 0;
    }
  }

  void Step() {
    for (const auto& device : FDevices) {
      device->ClearDrivers();
    }
    ForRole(TDeviceRole::Input, [](TDevice& d) { d.Calculate(); });
    bool changed = true;
    for (int pass = 0; changed && pass < 20; ++pass) {
      changed = false;
      for (const auto& wire : FWires) {
        wire->Visited = false;
      }
      ForRole(TDeviceRole::Plain, [&](TDevice& d) { changed = d.Calculate().Changed || changed; });
    }
    ASSERT_FALSE(changed) << "the bench did not settle";
    ForRole(TDeviceRole::Plain, [](TDevice& d) {
      if (d.IsClockedFlipFlop()) {
        d.SetSlaveInputs();
      }
    });
    ForRole(TDeviceRole::Output, [](TDevice& d) { d.Calculate(); });
  }

private:
  template <class F>
  void ForRole(TDeviceRole role, F f) {
    for (const auto& device : FDevices) {
      if (device->Role() == role) {
        f(*device);
      }
    }
  }

  std::vector<std::unique_ptr<TDevice>> FDevices;
  std::vector<std::unique_ptr<TWire>> FWires;
};

}  // namespace logivane::test
