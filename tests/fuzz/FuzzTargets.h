#pragma once

#include <cstddef>
#include <cstdint>

namespace logivane::fuzz {

/// Any bytes must end in a read error or in a graph that writes, reads back and writes again
/// to the same bytes, and that can be laid out, hit-tested and painted. Aborts otherwise.
void FuzzStream(const std::uint8_t* data, std::size_t size);

/// Any bytes opened as a circuit file must be refused with a message, or give a circuit that
/// saves, opens and saves again to the same bytes, runs a few steps and paints, and settles
/// alike device by device and compiled.
void FuzzCircuitFile(const std::uint8_t* data, std::size_t size);

/// Any text read as a test table must be refused with errors that point into it, or give rows
/// that fit its header and that a small circuit runs or refuses with errors.
void FuzzTestTable(const std::uint8_t* data, std::size_t size);

/// Any text read as Intel HEX must be refused with a message that names one of its lines, or
/// give a memory image that writes and reads back to the same bytes.
void FuzzIntelHex(const std::uint8_t* data, std::size_t size);

/// The Qt application the targets measure and paint text with.
void EnsureApplication(const char* program);

}  // namespace logivane::fuzz
