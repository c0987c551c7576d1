#include "windows/SchemedIcon.h"

#include "document/cColourScheme.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace logivane {

namespace {

/// Hands out the pictures of an icon in the scheme of the moment. The turned pictures are kept,
/// as a tool bar asks for its pictures on every paint.
class TSchemeIconEngine : public QIconEngine {
public:
  explicit TSchemeIconEngine(QIcon icon) : FIcon(std::move(icon)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    const QPixmap plain = FIcon.pixmap(size, scale, mode, state);
    const TColourScheme& scheme = TColourScheme::Screen();
    if (!scheme.IsDark() || plain.isNull()) {
      return plain;
    }
    const quint64 key = Key(size, mode, state, scale);
    if (const auto found = FTurned.constFind(key); found != FTurned.constEnd()) {
      return *found;
    }
    QImage image = plain.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        image.setPixelColor(x, y, scheme.Map(image.pixelColor(x, y)));
      }
    }
    QPixmap turned = QPixmap::fromImage(image);
    turned.setDevicePixelRatio(plain.devicePixelRatio());
    FTurned.insert(key, turned);
    return turned;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return FIcon.actualSize(size, mode, state);
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return FIcon.availableSizes(mode, state);
  }

  QIconEngine* clone() const override { return new TSchemeIconEngine(FIcon); }

private:
  static quint64 Key(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) {
    return quint64(quint16(size.width())) | quint64(quint16(size.height())) << 16 |
           quint64(quint16(qRound(scale * 100))) << 32 | quint64(mode) << 48 | quint64(state) << 56;
  }

  QIcon FIcon;
  /// The turned pictures by the request they answer.
  QHash<quint64, QPixmap> FTurned;
};

}  // namespace

QIcon SchemedIcon(const QString& name) {
  return SchemedIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(name)));
}

QIcon SchemedIcon(QIcon icon) {
  return QIcon(new TSchemeIconEngine(std::move(icon)));
}

}  // namespace logivane
