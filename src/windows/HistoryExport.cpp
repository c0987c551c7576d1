#include "windows/HistoryExport.h"

#include "document/cSaveFile.h"
#include "document/cVcdWriter.h"
#include "document/cWaveDromWriter.h"
#include "simulation/cDevice.h"
#include "windows/HistoryTraces.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace logivane {

namespace {

struct TFormatSuffix {
  THistoryFormat Format;
  const char* Suffix;
};

constexpr TFormatSuffix Suffixes[] = {{THistoryFormat::ValueChangeDump, "vcd"},
                                      {THistoryFormat::Csv, "csv"},
                                      {THistoryFormat::WaveDrom, "json"}};

const TFormatSuffix* FormatOfSuffix(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  const auto* found =
      std::find_if(std::begin(Suffixes), std::end(Suffixes),
                   [&suffix](const TFormatSuffix& s) { return suffix == s.Suffix; });
  return found == std::end(Suffixes) ? nullptr : found;
}

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

/// Sample `k`, counted from 1, of every row.
void SampleValues(const std::vector<const THistoryDevice*>& rows, int k,
                  std::vector<std::uint32_t>& values) {
  values.resize(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    values[i] = rows[i]->SampleValue(k - 1);
  }
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
  std::vector<std::uint32_t> values;
  QByteArray line;
  for (int k = 1; k <= length; ++k) {
    SampleValues(rows, k, values);
    line = QByteArray::number(k);
    for (const std::uint32_t value : values) {
      line += ',' + QByteArray::number(value);
    }
    file.write(line + "\r\n");
  }
}

void WriteVcd(QIODevice& file, const std::vector<const THistoryDevice*>& rows, int length) {
  TVcdWriter writer(file);
  const QStringList names = SignalNames(rows);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    writer.AddSignal(names[static_cast<qsizetype>(i)], rows[i]->SampleWidth());
  }
  writer.WriteHeader();
  std::vector<std::uint32_t> values;
  for (int k = 1; k <= length; ++k) {
    SampleValues(rows, k, values);
    writer.Record(k, values);
  }
}

void WriteWaveDrom(QIODevice& file, const std::vector<const THistoryDevice*>& rows, int length) {
  TWaveDromWriter writer;
  const QStringList names = SignalNames(rows);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    writer.AddSignal(names[static_cast<qsizetype>(i)], rows[i]->SampleWidth());
  }
  std::vector<std::uint32_t> values;
  for (int k = 1; k <= length; ++k) {
    SampleValues(rows, k, values);
    writer.Record(values);
  }
  writer.Write(file);
}

}  // namespace

THistoryFormat FormatOfFile(const QString& fileName, THistoryFormat fallback) {
  const TFormatSuffix* named = FormatOfSuffix(fileName);
  return named ? named->Format : fallback;
}

QString SuffixOf(THistoryFormat format) {
  const auto* found = std::find_if(std::begin(Suffixes), std::end(Suffixes),
                                   [format](const TFormatSuffix& s) { return s.Format == format; });
  return QLatin1String(found->Suffix);
}

QString WithExtension(const QString& fileName, THistoryFormat format) {
  return FormatOfSuffix(fileName) ? fileName : fileName + QLatin1Char('.') + SuffixOf(format);
}

std::vector<const THistoryDevice*> ExportedRows(const std::vector<THistoryDevice*>& rows) {
  std::vector<const THistoryDevice*> exported;
  for (const THistoryDevice* device : rows) {
    if (device->SampleCount() > 0) {
      exported.push_back(device);
    }
  }
  return exported;
}

int ExportedSampleCount(const std::vector<const THistoryDevice*>& rows, int shownSamples) {
  int length = rows.empty() ? 0 : std::clamp(shownSamples, 0, THistoryDevice::HistoryLimit);
  for (const THistoryDevice* device : rows) {
    length = std::min(length, device->SampleCount());
  }
  return length;
}

QString ExportHistory(const std::vector<const THistoryDevice*>& rows, const QString& fileName,
                      THistoryFormat format, int shownSamples) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    return file.errorString();
  }
  const int length = ExportedSampleCount(rows, shownSamples);
  switch (format) {
    case THistoryFormat::Csv:
      WriteCsv(file, rows, length);
      break;
    case THistoryFormat::WaveDrom:
      WriteWaveDrom(file, rows, length);
      break;
    case THistoryFormat::ValueChangeDump:
      WriteVcd(file, rows, length);
      break;
  }
  QString error;
  CommitWholeFile(file, true, &error);
  return error;
}

}  // namespace logivane
