#include "document/cWaveDromWriter.h"

#include "document/cNumberText.h"

#include <QIODevice>

#include <algorithm>

namespace logivane {

namespace {

/// `text` as a JSON string: quotes and backslashes escaped, control characters as \u codes.
QByteArray JsonString(const QString& text) {
  QByteArray json = "\"";
  for (const char c : text.toUtf8()) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      json += "\\u00" + QByteArray::number(static_cast<int>(c), 16).rightJustified(2, '0');
    } else {
      json += c;
    }
  }
  return json + '"';
}

}  // namespace

void TWaveDromWriter::AddSignal(const QString& name, int width) {
  TSignal signal;
  signal.Name = name;
  signal.Width = std::clamp(width, 1, 32);
  FSignals.push_back(std::move(signal));
}

void TWaveDromWriter::Record(const std::vector<std::uint32_t>& values) {
  for (std::size_t i = 0; i < FSignals.size() && i < values.size(); ++i) {
    TSignal& signal = FSignals[i];
    const std::uint32_t mask =
        signal.Width == 32 ? 0xFFFFFFFFu : (std::uint32_t(1) << signal.Width) - 1;
    const std::uint32_t value = values[i] & mask;
    if (!signal.Wave.isEmpty() && value == signal.Value) {
      signal.Wave += '.';
    } else if (signal.Width == 1) {
      signal.Wave += value ? '1' : '0';
    } else {
      signal.Wave += '=';
      signal.Data << BusHex(value, signal.Width);
    }
    signal.Value = value;
  }
}

void TWaveDromWriter::Write(QIODevice& stream) const {
  stream.write("{\"signal\": [");
  const char* separator = "\n  ";
  for (const TSignal& signal : FSignals) {
    QByteArray line = separator;
    line += "{\"name\": " + JsonString(signal.Name) + ", \"wave\": \"" + signal.Wave + '"';
    if (signal.Width > 1) {
      QByteArrayList data;
      for (const QString& value : signal.Data) {
        data << JsonString(value);
      }
      line += ", \"data\": [" + data.join(", ") + ']';
    }
    stream.write(line + '}');
    separator = ",\n  ";
  }
  stream.write("\n]}\n");
}

}  // namespace logivane
