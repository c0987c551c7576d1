#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QString>

class QWidget;

namespace logivane {

class TCircuitDocument;
class TFileStatusDialog;
class TLogivaneDrawing;
class TMacro;
class TTestTableCommands;

/**
 * @brief Reads and writes the files of the document that a window shows: it shows how far a
 * read has got, and tells the user why a file could not be read or written.
 *
 * The circuit's test table goes with it: read from beside the file opened, and written beside
 * the file the circuit is saved to.
 */
class TCircuitFileCommands {
  Q_DECLARE_TR_FUNCTIONS(TCircuitFileCommands)
public:
  TCircuitFileCommands(QWidget& window, TCircuitDocument& document, TLogivaneDrawing& drawing,
                       TTestTableCommands& testTable);

  /// Reads `fileName` as the document with its test table, and resets the circuit.
  bool Load(const QString& fileName);
  /// Reads the recovery copy `copyPath` as the document, with unsaved changes, under the name of
  /// the circuit's own file `fileName` (empty when it had none), so that Save writes there.
  bool Recover(const QString& copyPath, const QString& fileName);
  /// Writes the level shown to `fileName`, and at the root level the test table beside it.
  bool Save(const QString& fileName);
  /// Adds the macro of `fileName` to the level shown, centred on `at`, as one edit, and selects
  /// it; null when it could not be read.
  TMacro* Insert(const QString& fileName, QPoint at);

private:
  /// Reads `fileName` as the document and resets the circuit; says why when it cannot.
  bool Read(const QString& fileName);

  QWidget& FWindow;
  TCircuitDocument& FDocument;
  TLogivaneDrawing& FDrawing;
  TTestTableCommands& FTestTable;
  /// Made on the first read; the window owns it.
  TFileStatusDialog* FStatus = nullptr;
};

}  // namespace logivane
