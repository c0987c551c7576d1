#pragma once

#include <QString>

#include <vector>

namespace logivane {

class THistoryDevice;

enum class THistoryFormat { ValueChangeDump, Csv };

/// The format that the extension of `fileName` names, or `fallback` when it names none.
THistoryFormat FormatOfFile(const QString& fileName, THistoryFormat fallback);
/// `fileName` with the extension of `format` added when it has none of ours.
QString WithExtension(const QString& fileName, THistoryFormat format);

/// The rows that have samples to export: empty rows (rails, displays) are left out.
std::vector<const THistoryDevice*> ExportedRows(const std::vector<THistoryDevice*>& rows);

/**
 * @brief Writes the recorded samples of `rows` to `fileName`: as a Value Change Dump with
 * sample k at time k, or as CSV with a header row and then one row per sample, a column per
 * signal. Every signal gets a distinct name. Only the samples that all rows have are written,
 * so no signal is given values it never had.
 *
 * The file is replaced only once it is completely written. Returns an empty string on success,
 * otherwise why the file could not be written.
 */
QString ExportHistory(const std::vector<const THistoryDevice*>& rows, const QString& fileName,
                      THistoryFormat format);

}  // namespace logivane
