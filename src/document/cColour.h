#pragma once

#include <QColor>

#include <cstdint>

namespace logivane {

/// Colours are kept as 0x00BBGGRR: 255 is red, 65280 green, 16777215 white.
using TColour = std::int32_t;

constexpr TColour ColourBlack = 0;
constexpr TColour ColourWhite = 0xFFFFFF;
constexpr TColour ColourRed = 0x0000FF;
constexpr TColour ColourSilver = 0xC0C0C0;

inline QColor ToQColor(TColour colour) {
  const auto c = static_cast<std::uint32_t>(colour);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                static_cast<int>(c >> 16 & 0xFF));
}

}  // namespace logivane
