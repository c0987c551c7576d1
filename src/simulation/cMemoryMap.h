#pragma once

#include <QString>

#include <cstdint>

namespace logivane {

class TMemoryDevice;

/// The first word of every memory map file.
inline constexpr std::uint32_t MemoryMapMagic = 0xABCD;

enum class TMemoryMapStatus : std::uint8_t {
  Ok,
  /// The file does not begin with the magic word.
  NotAMemoryMap,
  /// The file holds fewer words than its count says.
  Truncated,
  /// The file could not be opened, read or written.
  FileError,
  /// A memory image (Intel HEX or raw binary) that breaks its format or does not fit the memory.
  BadImage,
};

/// The outcome of loading or saving a memory map, with the text to show the user on failure.
struct TMemoryMapResult {
  TMemoryMapStatus Status = TMemoryMapStatus::Ok;
  QString Message;

  bool Ok() const { return Status == TMemoryMapStatus::Ok; }
};

/**
 * @brief Writes the memory's words to a memory map file ("*.map").
 *
 * Layout, all unsigned 32-bit little-endian: the magic, the word count, then one word per
 * address. The file is replaced only once every byte has been written, so a failed save leaves
 * an existing file as it was.
 */
[[nodiscard]] TMemoryMapResult SaveMemoryMap(const QString& fileName, const TMemoryDevice& memory);

/**
 * @brief Loads a memory map file into the memory, from address 0.
 *
 * A map longer than the memory fills the whole memory; a shorter one changes only the words it
 * holds. Each word keeps its low 16 bits, whatever the data width. On any failure the memory is
 * left untouched.
 */
[[nodiscard]] TMemoryMapResult LoadMemoryMap(const QString& fileName, TMemoryDevice& memory);

}  // namespace logivane
