#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace logivane {

/**
 * @brief The byte layout that memory image files (Intel HEX and raw binary) share.
 *
 * A word of 8 data bits or fewer takes one byte; a wider word takes two, the high byte first.
 * Word n therefore starts at byte n times `ImageBytesPerWord`. Words are kept to the data width
 * both ways, so an image holds exactly what the memory drives onto its data pins.
 */
int ImageBytesPerWord(std::int32_t dataWidth);

/// The image of `words`, each cut to `dataWidth` bits.
QByteArray WordsToImage(const std::vector<std::uint16_t>& words, std::int32_t dataWidth);

/// The words of `image`, each cut to `dataWidth` bits; a last, incomplete word is dropped.
std::vector<std::uint16_t> ImageToWords(QByteArrayView image, std::int32_t dataWidth);

}  // namespace logivane
