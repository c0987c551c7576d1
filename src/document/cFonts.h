#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <cstdint>

namespace logivane {

/// The font family that stands in for a face named in a document ("Arial", "Courier New"...),
/// using the metric-compatible Liberation faces.
QString ResolveFontFamily(const QString& face);

/// A font as the documents describe one: size in points at a fixed 96 pixels per inch,
/// weight 400 or 700, italic.
QFont MakeFont(const QString& face, std::int32_t points, std::int32_t weight, bool italic);

/// The advance width and the line height of `text` in the font that `MakeFont` makes of the
/// other values. Recent answers are remembered: a circuit labels thousands of devices with the
/// same few texts, and shaping every label anew took a large part of opening a file.
QSize TextExtent(const QString& face, std::int32_t points, std::int32_t weight, bool italic,
                 const QString& text);

}  // namespace logivane
