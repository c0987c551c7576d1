#pragma once

#include "document/cCircuitFormat.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;

namespace logivane {

class TMacro;

/// How reading a circuit file ended.
enum class TCircuitReadOutcome { Read, Missing, LaterVersion, NotCircuitFile, Unreadable };

/// A circuit read from a file, or why there is none.
struct TCircuitReadResult {
  TCircuitReadOutcome Outcome = TCircuitReadOutcome::Unreadable;
  /// The text to show the user; empty when the circuit was read.
  QString Message;
  std::unique_ptr<TMacro> Circuit;
  QString MacroName;

  bool Succeeded() const { return Outcome == TCircuitReadOutcome::Read; }
};

/// Reads a whole circuit stream, accepting every revision the program has ever written.
TCircuitReadResult ReadCircuit(QIODevice& stream,
                               const std::function<void(int percent)>& onProgress = {});
/// Reads a circuit stream held in memory (a snapshot, a file already loaded).
TCircuitReadResult ReadCircuitBytes(QByteArray bytes);
/// Reads the circuit file `fileName`; a missing file is an outcome, not an exception.
TCircuitReadResult ReadCircuitFile(const QString& fileName,
                                   const std::function<void(int percent)>& onProgress = {});

/// What a library lists of a macro file without reading its circuit.
struct TMacroInfo {
  /// The macro's name, or the file's name less its extension when the file names none.
  QString MacroName;
  QString Datasheet;
  QString HelpTopic;
};

/**
 * @brief Reads the header and descriptors of a macro file, never the circuit behind them.
 *
 * Returns nothing for a file of another kind, of a revision this program does not list (a
 * later one included), or one that ends or breaks before its descriptors are complete.
 */
std::optional<TMacroInfo> ReadMacroInfo(const QString& fileName);

/// Writes `circuit` as a circuit stream under the current revision.
void WriteCircuit(QIODevice& stream, const TMacro& circuit, const QString& macroName);
/// The circuit stream of `circuit`, in memory. A caller that wrote the circuit before passes
/// the length it had, so that the bytes are not moved over and over as the stream grows.
QByteArray CircuitBytes(const TMacro& circuit, const QString& macroName = {},
                        qsizetype expectedSize = 0);
/**
 * @brief Saves `circuit` to `fileName` without ever leaving a partly written file behind.
 *
 * The bytes go to a temporary file beside the target, which replaces the target only once all
 * of them were written; on failure the old file is untouched and `error` says why.
 */
bool SaveCircuitFile(const QString& fileName, const TMacro& circuit, const QString& macroName,
                     QString* error = nullptr);

}  // namespace logivane
