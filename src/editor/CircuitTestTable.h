#pragma once

#include <QString>
#include <QTextDocument>

namespace logivane {

/**
 * @brief The test table of the circuit being edited, kept beside the circuit's file as
 * NAME.lvtest: read with the circuit, written with it, and asked about like it when changed.
 *
 * The text is a document of its own, which the Test Table window edits, so that the table
 * lives as long as the circuit whether or not the window is open. An untitled circuit keeps
 * its table here until the circuit is saved.
 */
class TCircuitTestTable {
public:
  TCircuitTestTable();

  /// "adder.lvtest" for "adder.lvm".
  static QString PathBeside(const QString& circuitFile);

  /// The table's text, which the window edits; its modified flag is the table's.
  QTextDocument& Text() { return FText; }
  QString PlainText() const { return FText.toPlainText(); }
  bool Modified() const { return FText.isModified(); }

  /// Starts an empty table, as a new circuit has.
  void Clear();
  /// Reads the table beside `circuitFile`; without one the table is empty. False, with
  /// `error` saying why, when a table is there but cannot be read or is no UTF-8 text.
  bool LoadBeside(const QString& circuitFile, QString* error = nullptr);
  /// Writes the table beside `circuitFile` when it changed or when that file has none yet,
  /// and never writes an empty table where none was. False, with `error`, when writing fails.
  bool SaveBeside(const QString& circuitFile, QString* error = nullptr);

private:
  QTextDocument FText;
};

}  // namespace logivane
