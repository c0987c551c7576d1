// Fuzz entry point for Intel HEX memory images: any text must be refused with a message that
// names a line of it, or give an image that is written out and read back unchanged.

#include "FuzzTargets.h"
#include "simulation/cIntelHex.h"

#include <cstdlib>

namespace logivane::fuzz {

namespace {

/// The bytes of a 256 x 8 memory; small, so that addresses past it are easy to reach.
constexpr qsizetype ImageSize = 256;

void Check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

}  // namespace

void FuzzIntelHex(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QByteArray image(ImageSize, '\x5A');
  if (const std::optional<THexError> error = ReadIntelHex(text, image)) {
    const int lines = static_cast<int>(text.count('\n')) + 1;
    Check(error->Line >= 1 && error->Line <= lines);
    Check(error->Message.startsWith(QStringLiteral("Line %1: ").arg(error->Line)));
    Check(image.size() == ImageSize);
    return;
  }
  Check(image.size() == ImageSize);
  QByteArray again(ImageSize, '\0');
  Check(!ReadIntelHex(WriteIntelHex(image), again) && again == image);
}

}  // namespace logivane::fuzz
