#include "testtable/TestTableFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

namespace logivane {

std::optional<QString> ReadTestTableText(const QString& fileName, QString& error) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QCoreApplication::translate("TTestTable", "Unable to read the test table '%1': %2")
                .arg(fileName, file.errorString());
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = QCoreApplication::translate("TTestTable", "Unable to read the test table '%1': %2")
                .arg(fileName, file.errorString());
    return std::nullopt;
  }
  QStringDecoder decoder(QStringDecoder::Utf8);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) {
    error = QCoreApplication::translate("TTestTable", "The test table '%1' is not UTF-8 text.")
                .arg(fileName);
    return std::nullopt;
  }
  return text;
}

}  // namespace logivane
