#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace logivane {

/// Why an Intel HEX text was refused: the line at fault (from 1) and a sentence that names it.
struct THexError {
  int Line = 0;
  QString Message;
};

/**
 * @brief Reads Intel HEX text onto `image`, whose size is the memory's size in bytes.
 *
 * Data records (00) store their bytes; extended segment (02) and extended linear (04) address
 * records move the base of the data records after them; the end record (01) ends the file, and
 * anything after it is not read. Start address records (03, 05) carry nothing a memory keeps and
 * are passed over. Bytes of `image` that no record names keep their values.
 *
 * Every record is checked (its colon, digits, length, checksum and type, and that its data lies
 * within `image`). On failure `image` may hold some of the records; callers read into a copy.
 */
[[nodiscard]] std::optional<THexError> ReadIntelHex(QByteArrayView text, QByteArray& image);

/// Intel HEX text for `image` from address 0: data records of 16 bytes, an extended linear
/// address record before each 64 KiB past the first, and the end record; lines end in CR LF.
QByteArray WriteIntelHex(QByteArrayView image);

}  // namespace logivane
