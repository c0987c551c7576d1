#pragma once

#include "document/Cfloat.h"

#include <QSize>
#include <QString>

#include <vector>

namespace logivane {

class TGraphicObject;
struct TFaultMarks;

/// How a picture of the drawing is made.
struct TPictureOptions {
  /// Pixels (or points) per drawing unit.
  double Scale = 1;
  /// No background at all, instead of white (PNG and SVG; a PDF page is white).
  bool Transparent = false;
  /// The fault marks to paint over the objects, or none.
  const TFaultMarks* Marks = nullptr;
};

/**
 * @brief Writes `objects`, which lie within `bounds`, as a picture: PNG, SVG or PDF by the
 * file's extension.
 *
 * The file appears whole or not at all. Returns an empty string, or the reason the picture
 * could not be written.
 */
QString ExportPicture(const QString& fileName, const std::vector<TGraphicObject*>& objects,
                      const TRect& bounds, const TPictureOptions& options);

/// The size in pixels of a PNG of `bounds` at `scale`.
QSize PictureSize(const TRect& bounds, double scale);

}  // namespace logivane
