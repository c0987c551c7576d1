#pragma once

#include <cstdint>

namespace logivane {

/// The circuit file's header values and descriptor keys.
namespace CircuitFile {
constexpr std::uint16_t Version = 50397;
constexpr std::uint8_t Revision = 34;
constexpr std::int32_t MacroNameId = 100;
constexpr std::int32_t DatasheetId = 101;
constexpr std::int32_t HelpTopicId = 102;
}  // namespace CircuitFile

}  // namespace logivane
