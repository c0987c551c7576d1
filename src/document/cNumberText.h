#pragma once

#include <QString>

#include <cstdint>

namespace logivane {

/// Number texts are written most significant digit first. The memory and sequence editors share
/// these conversions.

/**
 * @brief The value of a string of binary digits.
 *
 * Each character counts with its decimal value (so "2" counts twice its weight), weights doubling
 * from the last character. The result is the low 32 bits of the sum: digits beyond the 32nd add
 * nothing, and a 32nd digit of 1 gives a negative value.
 *
 * @throws std::invalid_argument when a character is not a decimal digit.
 */
std::int32_t BinToInt(const QString& text);

/// The binary digits of `value` without leading zeros (none at all for zero or less), then
/// padded on the left with "0" to at least `digits` characters. A longer result is not cut.
QString IntToBin(std::int32_t value, int digits);

/// The hexadecimal digits ("0"-"9", "A"-"F") of a binary string, one per four bits counted from
/// the end. Characters other than "0" and "1" add no bit. Characters left over after the last
/// complete group give one more digit.
QString BinToHex(const QString& text);

/// The hexadecimal digits that a value of `width` bits takes: one per four bits.
constexpr int HexDigitCount(int width) {
  return (width + 3) / 4;
}

/// Digit `index`, counted from the left, of `value` written in `digits` hexadecimal digits
/// ("0"-"9", "A"-"F"), for painting a value digit by digit without building its text.
QChar HexDigit(std::uint32_t value, int digits, int index);

/// `value` as the hexadecimal digits of a `width`-bit bus, zero-padded on the left.
QString BusHex(std::uint32_t value, int width);

/// Four binary digits for each hexadecimal digit of `text`, upper or lower case. Other characters
/// are not checked: each gives `IntToBin` (its code less that of "0", 4).
QString HexToBin(const QString& text);

}  // namespace logivane
