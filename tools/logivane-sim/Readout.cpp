#include "Readout.h"

#include "simulation/cOutput.h"

namespace logivane {

namespace {

/// A level as the probe reads it: high from 1 up, low at 0, neither below.
TReadout LevelReadout(TLevel level) {
  if (level < 0) {
    return {QStringLiteral("x"), 0, 1};
  }
  return {level >= 1 ? QStringLiteral("1") : QStringLiteral("0"), level >= 1 ? 1u : 0u, 1};
}

TReadout BitsReadout(const bool* bits, int count) {
  TReadout readout;
  readout.Width = count;
  for (int i = 0; i < count; ++i) {
    if (bits[i]) {
      readout.Bits |= 1u << i;
    }
  }
  return readout;
}

}  // namespace

std::optional<TReadout> ReadoutOf(const TDevice& device) {
  if (const auto* numeric = dynamic_cast<const TNumericDevice*>(&device)) {
    TReadout readout = BitsReadout(numeric->Bits.data(), numeric->PinCount());
    readout.Text = numeric->DisplayText();
    return readout;
  }
  if (const auto* display = dynamic_cast<const TLEDSegmentDevice*>(&device)) {
    // Segments a to g, written in that order and dumped with a as the top bit.
    TReadout readout;
    readout.Width = static_cast<int>(display->Segments.size());
    for (bool lit : display->Segments) {
      readout.Text += lit ? QLatin1Char('1') : QLatin1Char('0');
      readout.Bits = readout.Bits << 1 | (lit ? 1u : 0u);
    }
    return readout;
  }
  if (const auto* led = dynamic_cast<const TLEDDevice*>(&device)) {
    return LevelReadout(led->Level);
  }
  if (device.Role() == TDeviceRole::Input && device.PinCount() > 0) {
    return LevelReadout(device.Pin(0)->GetValue());
  }
  return std::nullopt;
}

bool HasReadout(const TDevice& device) {
  return ReadoutOf(device).has_value();
}

}  // namespace logivane
