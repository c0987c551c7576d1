#pragma once

#include <QFont>
#include <QString>

#include <cstdint>

namespace logivane {

/// The font family that stands in for a face named in a document ("Arial", "Courier New"...),
/// using the metric-compatible Liberation faces.
QString ResolveFontFamily(const QString& face);

/// A font as the documents describe one: size in points at a fixed 96 pixels per inch,
/// weight 400 or 700, italic.
QFont MakeFont(const QString& face, std::int32_t points, std::int32_t weight, bool italic);

}  // namespace logivane
