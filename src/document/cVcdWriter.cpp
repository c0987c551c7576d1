#include "document/cVcdWriter.h"

#include <QIODevice>

#include <algorithm>

namespace logivane {

namespace {

/// Short identifier codes made of the printable characters the format allows.
QByteArray CodeFor(std::size_t index) {
  constexpr char First = '!';
  constexpr int Range = '~' - '!' + 1;
  QByteArray code;
  do {
    code += static_cast<char>(First + index % Range);
    index /= Range;
  } while (index > 0);
  return code;
}

/// Names may not contain blanks; anything unprintable becomes an underscore too.
QByteArray SafeName(const QString& name) {
  QByteArray safe = name.toLatin1();
  for (char& c : safe) {
    if (c <= ' ' || c > '~') {
      c = '_';
    }
  }
  return safe.isEmpty() ? QByteArray("_") : safe;
}

}  // namespace

TVcdWriter::TVcdWriter(QIODevice& stream) : FStream(stream) {
}

void TVcdWriter::AddSignal(const QString& name, int width) {
  TSignal signal;
  signal.Name = SafeName(name);
  signal.Code = CodeFor(FSignals.size());
  signal.Width = std::clamp(width, 1, 32);
  FSignals.push_back(std::move(signal));
}

void TVcdWriter::WriteHeader() {
  FStream.write("$version Logivane $end\n$timescale 1 s $end\n$scope module circuit $end\n");
  for (const TSignal& signal : FSignals) {
    FStream.write("$var wire " + QByteArray::number(signal.Width) + ' ' + signal.Code + ' ' +
                  signal.Name + " $end\n");
  }
  FStream.write("$upscope $end\n$enddefinitions $end\n");
}

void TVcdWriter::WriteValue(const TSignal& signal) {
  if (signal.Width == 1) {
    FStream.write((signal.Value & 1 ? "1" : "0") + signal.Code + '\n');
    return;
  }
  QByteArray bits(signal.Width, '0');
  for (int bit = 0; bit < signal.Width; ++bit) {
    if (signal.Value >> bit & 1) {
      bits[signal.Width - 1 - bit] = '1';
    }
  }
  FStream.write('b' + bits + ' ' + signal.Code + '\n');
}

void TVcdWriter::Record(std::int64_t step, const std::vector<std::uint32_t>& values) {
  bool stamped = false;
  for (std::size_t i = 0; i < FSignals.size() && i < values.size(); ++i) {
    TSignal& signal = FSignals[i];
    const std::uint32_t mask =
        signal.Width == 32 ? 0xFFFFFFFFu : (std::uint32_t(1) << signal.Width) - 1;
    const std::uint32_t value = values[i] & mask;
    if (signal.Dumped && signal.Value == value) {
      continue;
    }
    if (!stamped) {
      FStream.write('#' + QByteArray::number(static_cast<qint64>(step)) + '\n');
      stamped = true;
    }
    signal.Value = value;
    signal.Dumped = true;
    WriteValue(signal);
  }
}

}  // namespace logivane
