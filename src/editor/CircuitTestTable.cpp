#include "editor/CircuitTestTable.h"

#include "document/cSaveFile.h"
#include "testtable/TestTableFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>

namespace logivane {

TCircuitTestTable::TCircuitTestTable() {
  // The layout a plain-text editor needs, set before any editor shows the document.
  FText.setDocumentLayout(new QPlainTextDocumentLayout(&FText));
}

QString TCircuitTestTable::PathBeside(const QString& circuitFile) {
  const QFileInfo circuit(circuitFile);
  return circuit.dir().filePath(circuit.completeBaseName() + QLatin1String(TestTableSuffix));
}

void TCircuitTestTable::Clear() {
  FText.clear();
  FText.clearUndoRedoStacks();
  FText.setModified(false);
}

bool TCircuitTestTable::LoadBeside(const QString& circuitFile, QString* error) {
  Clear();
  const QString fileName = PathBeside(circuitFile);
  if (!QFileInfo::exists(fileName)) {
    return true;
  }
  QString why;
  const std::optional<QString> text = ReadTestTableText(fileName, why);
  if (!text) {
    if (error) {
      *error = why;
    }
    return false;
  }
  FText.setPlainText(*text);
  FText.clearUndoRedoStacks();
  FText.setModified(false);
  return true;
}

bool TCircuitTestTable::SaveBeside(const QString& circuitFile, QString* error) {
  const QString fileName = PathBeside(circuitFile);
  if (QFileInfo::exists(fileName) ? !Modified() : FText.isEmpty()) {
    FText.setModified(false);  // an empty table where there is none is no change to keep
    return true;
  }
  // As the circuit is written: a table half written never replaces the one that was there.
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) {
      *error = file.errorString();
    }
    return false;
  }
  const QByteArray bytes = PlainText().toUtf8();
  if (!CommitWholeFile(file, file.write(bytes) == bytes.size(), error)) {
    return false;
  }
  FText.setModified(false);
  return true;
}

}  // namespace logivane
