#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTextStream>

namespace logivane::examples {

/// Writes a generated file whole, replacing one of the same name; says on `err` when it cannot.
inline bool WriteGeneratedFile(const QString& fileName, const QByteArray& bytes, QTextStream& err) {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
      !file.flush()) {
    err << "Unable to write '" << fileName << "'.\n";
    return false;
  }
  return true;
}

}  // namespace logivane::examples
