#include "windows/HistoryExport.h"

#include "document/cSaveFile.h"
#include "document/cVcdWriter.h"
#include "simulation/cDevice.h"
#include "windows/HistoryTraces.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

namespace logivane {

namespace {

/// The row names, with a number added to repeated ones so that each signal can be told apart.
QStringList SignalNames(const std::vector<const THistoryDevice*>& rows) {
  QStringList names;
  QSet<QString> taken;
  for (const THistoryDevice* device : rows) {
    const QString base = THistoryPainter::RowName(*device);
    QString name = base;
    for (int copy = 2; taken.contains(name); ++copy) {
      name = base + QLatin1Char('_') + QString::number(copy);
    }
    taken.insert(name);
    names << name;
  }
  return names;
}

int CommonLength(const std::vector<const THistoryDevice*>& rows) {
  int length = rows.empty() ? 0 : THistoryDevice::HistoryLimit;
  for (const THistoryDevice* device : rows) {
    length = std::min(length, static_cast<int>(device->History.size()));
  }
  return length;
}

QString CsvField(const QString& text) {
  if (!text.contains(QRegularExpression(QStringLiteral("[\",\r\n]|^\\s|\\s$")))) {
    return text;
  }
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void WriteCsv(QIODevice& file, const std::vector<const THistoryDevice*>& rows, int length) {
  QString header = QStringLiteral("Step");
  for (const QString& name : SignalNames(rows)) {
    header += QLatin1Char(',') + CsvField(name);
  }
  file.write(header.toUtf8() + "\r\n");
  QByteArray line;
  for (int k = 1; k <= length; ++k) {
    line = QByteArray::number(k);
    for (const THistoryDevice* device : rows) {
      line += ',';
      line += device->History[k - 1] == QLatin1Char('0') ? '0' : '1';
    }
    file.write(line + "\r\n");
  }
}

void WriteVcd(QIODevice& file, const std::vector<const THistoryDevice*>& rows, int length) {
  TVcdWriter writer(file);
  for (const QString& name : SignalNames(rows)) {
    writer.AddSignal(name, 1);
  }
  writer.WriteHeader();
  std::vector<std::uint32_t> values(rows.size());
  for (int k = 1; k <= length; ++k) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      values[i] = rows[i]->History[k - 1] == QLatin1Char('0') ? 0 : 1;
    }
    writer.Record(k, values);
  }
}

}  // namespace

THistoryFormat FormatOfFile(const QString& fileName, THistoryFormat fallback) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("vcd")) {
    return THistoryFormat::ValueChangeDump;
  }
  return suffix == QLatin1String("csv") ? THistoryFormat::Csv : fallback;
}

QString WithExtension(const QString& fileName, THistoryFormat format) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("vcd") || suffix == QLatin1String("csv")) {
    return fileName;
  }
  return fileName +
         (format == THistoryFormat::Csv ? QStringLiteral(".csv") : QStringLiteral(".vcd"));
}

std::vector<const THistoryDevice*> ExportedRows(const std::vector<THistoryDevice*>& rows) {
  std::vector<const THistoryDevice*> exported;
  for (const THistoryDevice* device : rows) {
    if (!device->History.isEmpty()) {
      exported.push_back(device);
    }
  }
  return exported;
}

QString ExportHistory(const std::vector<const THistoryDevice*>& rows, const QString& fileName,
                      THistoryFormat format) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    return file.errorString();
  }
  const int length = CommonLength(rows);
  if (format == THistoryFormat::Csv) {
    WriteCsv(file, rows, length);
  } else {
    WriteVcd(file, rows, length);
  }
  QString error;
  CommitWholeFile(file, true, &error);
  return error;
}

}  // namespace logivane
