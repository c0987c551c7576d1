#include "simulation/cMemoryImage.h"

namespace logivane {

namespace {

std::uint16_t Mask(std::int32_t dataWidth) {
  return static_cast<std::uint16_t>((1U << dataWidth) - 1U);
}

}  // namespace

int ImageBytesPerWord(std::int32_t dataWidth) {
  return dataWidth > 8 ? 2 : 1;
}

QByteArray WordsToImage(const std::vector<std::uint16_t>& words, std::int32_t dataWidth) {
  const int size = ImageBytesPerWord(dataWidth);
  QByteArray image;
  image.reserve(static_cast<qsizetype>(words.size()) * size);
  for (const std::uint16_t word : words) {
    const unsigned value = word & Mask(dataWidth);
    if (size == 2) {
      image.append(static_cast<char>(value >> 8));
    }
    image.append(static_cast<char>(value & 0xFF));
  }
  return image;
}

std::vector<std::uint16_t> ImageToWords(QByteArrayView image, std::int32_t dataWidth) {
  const int size = ImageBytesPerWord(dataWidth);
  std::vector<std::uint16_t> words(static_cast<std::size_t>(image.size() / size));
  for (std::size_t i = 0; i < words.size(); ++i) {
    unsigned value = 0;
    for (int byte = 0; byte < size; ++byte) {
      value =
          (value << 8) | static_cast<std::uint8_t>(image[static_cast<qsizetype>(i) * size + byte]);
    }
    words[i] = static_cast<std::uint16_t>(value & Mask(dataWidth));
  }
  return words;
}

}  // namespace logivane
