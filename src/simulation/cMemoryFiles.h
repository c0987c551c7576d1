#pragma once

#include "simulation/cMemoryMap.h"

#include <QString>

#include <cstdint>

namespace logivane {

class TMemoryDevice;

/// The kinds of file that hold a memory's words.
enum class TMemoryFileFormat : std::uint8_t {
  /// "*.map": the magic word, a count and 32-bit words.
  Map,
  /// "*.hex", "*.ihx": Intel HEX text.
  IntelHex,
  /// "*.bin": the bytes alone.
  Binary,
};

/// The format a file name stands for, by its extension; a name that is neither Intel HEX nor
/// binary is a memory map, as every memory file was before images were known.
TMemoryFileFormat MemoryFileFormat(const QString& fileName);

/**
 * @brief Loads the words of the file, in the format its name says, into the memory.
 *
 * Images (Intel HEX and binary) hold one byte per word, or two, high byte first, for words wider
 * than 8 bits, and each word is cut to the data width. A binary image fills the memory from
 * address 0 and may be shorter than it, never longer; a HEX file stores only the words its
 * records name. Words the file does not hold keep their values. The whole file is checked
 * before any word changes, so on failure the memory is left as it was.
 */
[[nodiscard]] TMemoryMapResult LoadMemoryFile(const QString& fileName, TMemoryDevice& memory);

/// Saves every word of the memory in the format the name says; an existing file is replaced
/// only once the whole new one is written.
[[nodiscard]] TMemoryMapResult SaveMemoryFile(const QString& fileName, const TMemoryDevice& memory);

}  // namespace logivane
