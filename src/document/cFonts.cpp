#include "document/cFonts.h"

#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace logivane {

namespace {

struct TTextKey {
  QString Face;
  std::int32_t Points;
  std::int32_t Weight;
  bool Italic;
  QString Text;

  bool operator==(const TTextKey&) const = default;
};

std::size_t qHash(const TTextKey& key, std::size_t seed) {
  return qHashMulti(seed, key.Face, key.Points, key.Weight, key.Italic, key.Text);
}

/// More distinct texts than this empty the memory and start it again.
constexpr qsizetype TextExtentsKept = 4096;

}  // namespace

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

QSize TextExtent(const QString& face, std::int32_t points, std::int32_t weight, bool italic,
                 const QString& text) {
  // Files are read on a helper thread while the caller may still paint.
  static std::mutex guard;
  static QHash<TTextKey, QSize> extents;
  TTextKey key{face, points, weight, italic, text};
  const std::lock_guard lock(guard);
  if (const auto known = extents.constFind(key); known != extents.constEnd()) {
    return *known;
  }
  const QFontMetrics metrics(MakeFont(face, points, weight, italic));
  const QSize extent(metrics.horizontalAdvance(text), metrics.height());
  if (extents.size() >= TextExtentsKept) {
    extents.clear();
  }
  extents.insert(std::move(key), extent);
  return extent;
}

}  // namespace logivane
