#pragma once

#include <QString>

#include <limits>
#include <vector>

namespace logivane {

class THistoryDevice;

enum class THistoryFormat { ValueChangeDump, Csv, WaveDrom };

/// The format that the extension of `fileName` names, or `fallback` when it names none.
THistoryFormat FormatOfFile(const QString& fileName, THistoryFormat fallback);
/// The extension of files of `format`, without its dot.
QString SuffixOf(THistoryFormat format);
/// `fileName` with the extension of `format` added when it has none of ours.
QString WithExtension(const QString& fileName, THistoryFormat format);

/// The rows that have samples to export: empty rows (rails, seven-segment displays) are left
/// out.
std::vector<const THistoryDevice*> ExportedRows(const std::vector<THistoryDevice*>& rows);

/// The samples that an export of `rows` writes, from the first: only those that all rows have,
/// so no signal is given values it never had, and none after sample `shownSamples`, the state
/// the circuit shows when it went back to an earlier step. The samples after it are a future
/// that the circuit may not take again.
int ExportedSampleCount(const std::vector<const THistoryDevice*>& rows, int shownSamples);

/**
 * @brief Writes the recorded samples of `rows`, as many as `ExportedSampleCount` gives, to
 * `fileName`: as a Value Change Dump with sample k at time k, as CSV with a header row and then
 * one row per sample, a column per signal, or as WaveDrom JSON with one wave column per
 * sample. Every signal gets a distinct name. A numeric display is a signal as wide as its
 * lines: a vector in the dump, its unsigned value in decimal in CSV, a bus in WaveDrom.
 *
 * The file is replaced only once it is completely written. Returns an empty string on success,
 * otherwise why the file could not be written.
 */
QString ExportHistory(const std::vector<const THistoryDevice*>& rows, const QString& fileName,
                      THistoryFormat format, int shownSamples = std::numeric_limits<int>::max());

}  // namespace logivane
