#include "editor/PictureExport.h"

#include "document/Cgobject.h"
#include "document/cSaveFile.h"
#include "editor/FaultMarkPaint.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace logivane {

namespace {

/// Space left round the objects, in drawing units: the picture does not end at the pens.
constexpr int Margin = 10;
/// No picture is larger than this on either side, whatever scale is asked for.
constexpr int MaxSide = 16384;

/// Paints the objects and the marks over them, framed by `bounds`, onto a painter whose device is
/// `size` big.
void PaintObjects(QPainter& painter, const std::vector<TGraphicObject*>& objects,
                  const TFaultMarks* marks, const TRect& bounds, double scale, bool transparent,
                  QSizeF size) {
  if (!transparent) {
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  }
  painter.setRenderHint(QPainter::Antialiasing, scale != 1);
  painter.scale(scale, scale);
  painter.translate(Margin - bounds.Left, Margin - bounds.Top);
  for (TGraphicObject* object : objects) {
    // A selection is pictured as it prints, without its highlight.
    const bool selected = object->Selected;
    object->Selected = false;
    object->Draw(painter);
    object->Selected = selected;
  }
  if (marks) {
    PaintFaultMarks(painter, *marks);
  }
}

}  // namespace

QSize PictureSize(const TRect& bounds, double scale) {
  const auto side = [scale](int extent) {
    return std::clamp(static_cast<int>(std::ceil((extent + 2 * Margin) * scale)), 1, MaxSide);
  };
  return {side(bounds.Right - bounds.Left), side(bounds.Bottom - bounds.Top)};
}

QString ExportPicture(const QString& fileName, const std::vector<TGraphicObject*>& objects,
                      const TRect& bounds, const TPictureOptions& options) {
  const QString type = QFileInfo(fileName).suffix().toLower();
  if (type != QLatin1String("png") && type != QLatin1String("svg") &&
      type != QLatin1String("pdf")) {
    return QCoreApplication::translate("TPictureExport",
                                       "Pictures are written as PNG, SVG or PDF files.");
  }
  const QSize size = PictureSize(bounds, options.Scale);
  // The scale that the size allows, should the requested one have been too large.
  const double scale =
      std::min({options.Scale, double(size.width()) / (bounds.Right - bounds.Left + 2 * Margin),
                double(size.height()) / (bounds.Bottom - bounds.Top + 2 * Margin)});
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    return file.errorString();
  }
  bool painted = true;
  if (type == QLatin1String("png")) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintObjects(painter, objects, options.Marks, bounds, scale, options.Transparent, size);
    painter.end();
    painted = image.save(&file, "PNG");
  } else if (type == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QFileInfo(fileName).completeBaseName());
    QPainter painter;
    painted = painter.begin(&svg);
    if (painted) {
      PaintObjects(painter, objects, options.Marks, bounds, scale, options.Transparent, size);
      painted = painter.end();
    }
  } else {
    // One page just the size of the picture, in points.
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    pdf.setTitle(QFileInfo(fileName).completeBaseName());
    QPainter painter;
    painted = painter.begin(&pdf);
    if (painted) {
      PaintObjects(painter, objects, options.Marks, bounds, scale, true, size);
      painted = painter.end();
    }
  }
  const bool fileFailed = file.error() != QFileDevice::NoError;
  QString error;
  if (CommitWholeFile(file, painted, &error)) {
    return {};
  }
  return painted || fileFailed
             ? error
             : QCoreApplication::translate("TPictureExport", "The picture could not be written.");
}

}  // namespace logivane
