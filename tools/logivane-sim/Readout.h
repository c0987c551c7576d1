#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace logivane {

class TDevice;

/// What a source or indicator shows at the moment: text for a listing, bits for a dump.
struct TReadout {
  QString Text;
  std::uint32_t Bits = 0;
  int Width = 1;
};

/// The reading of a source, LED, seven-segment or numeric display; none for other devices.
std::optional<TReadout> ReadoutOf(const TDevice& device);

/// Whether `device` has a reading at all.
bool HasReadout(const TDevice& device);

}  // namespace logivane
