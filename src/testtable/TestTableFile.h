#pragma once

#include <QString>

#include <optional>

namespace logivane {

/// The extension of a table kept beside its circuit: `NAME.lvtest`.
inline constexpr const char* TestTableSuffix = ".lvtest";

/// The text of the table file `fileName`, which is UTF-8 with or without a byte order mark;
/// none, with `error` saying why, when it cannot be read or is no UTF-8 text.
std::optional<QString> ReadTestTableText(const QString& fileName, QString& error);

}  // namespace logivane
