#include "document/cFonts.h"

#include <algorithm>
#include <cmath>

namespace logivane {

QString ResolveFontFamily(const QString& face) {
  if (face == QLatin1String("Arial") || face == QLatin1String("MS Sans Serif")) {
    return QStringLiteral("Liberation Sans");
  }
  if (face == QLatin1String("Courier New")) {
    return QStringLiteral("Liberation Mono");
  }
  return face;
}

QFont MakeFont(const QString& face, std::int32_t points, std::int32_t weight, bool italic) {
  QFont font(ResolveFontFamily(face));
  // Documents fix 96 pixels per inch whatever the screen says, so sizes are set in pixels.
  const int pixels = static_cast<int>(std::lround(std::clamp(points, 1, 1000) * 96.0 / 72.0));
  font.setPixelSize(std::max(1, pixels));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
  font.setItalic(italic);
  font.setStyleStrategy(QFont::PreferOutline);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace logivane
