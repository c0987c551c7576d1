#include "simulation/cIntelHex.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace logivane {

namespace {

enum THexRecordType : std::uint8_t {
  DataRecord = 0x00,
  EndRecord = 0x01,
  SegmentRecord = 0x02,
  SegmentStartRecord = 0x03,
  LinearRecord = 0x04,
  LinearStartRecord = 0x05,
};

/// Byte count, two address bytes, type and checksum.
constexpr qsizetype RecordOverhead = 5;
constexpr int DataPerRecord = 16;

QString Tr(const char* text) {
  return QCoreApplication::translate("TIntelHex", text);
}

QString HexByte(unsigned value) {
  return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

/// One line, from the colon on, taken apart and checked on its own.
struct TRecord {
  std::uint8_t Type = 0;
  std::uint16_t Offset = 0;
  QByteArray Data;
};

class THexReader {
public:
  explicit THexReader(QByteArray& image) : FImage(image) {}

  /// Takes in line `number`; sets `ended` when it is the end record.
  std::optional<THexError> Line(int number, QByteArrayView line, bool& ended) {
    FLine = number;
    line = line.trimmed();
    if (line.isEmpty()) {
      return std::nullopt;
    }
    TRecord record;
    if (auto error = Parse(line, record)) {
      return error;
    }
    switch (record.Type) {
      case DataRecord:
        return Store(record);
      case EndRecord:
        ended = true;
        return std::nullopt;
      case SegmentRecord:
      case LinearRecord:
        if (record.Data.size() != 2) {
          return Fail(Tr("an extended address record must hold two bytes."));
        }
        FBase = static_cast<std::int64_t>(ByteAt(record.Data, 0) << 8 | ByteAt(record.Data, 1))
                << (record.Type == SegmentRecord ? 4 : 16);
        return std::nullopt;
      case SegmentStartRecord:
      case LinearStartRecord:
        return std::nullopt;  // a start address means nothing to a memory
      default:
        return Fail(Tr("record type %1 is unknown.").arg(HexByte(record.Type)));
    }
  }

  /// `reason` as the user reads it, after the number of the line at fault.
  THexError Fail(const QString& reason) const {
    return {FLine, Tr("Line %1: %2").arg(FLine).arg(reason)};
  }

private:
  static unsigned ByteAt(const QByteArray& bytes, qsizetype index) {
    return static_cast<std::uint8_t>(bytes[index]);
  }

  std::optional<THexError> Parse(QByteArrayView line, TRecord& record) const {
    if (line.front() != ':') {
      return Fail(Tr("a record must begin with a colon."));
    }
    const QByteArrayView digits = line.sliced(1);
    if (digits.size() % 2 != 0 || !AllHex(digits)) {
      return Fail(Tr("a record holds only hexadecimal digits, two for each byte."));
    }
    const QByteArray bytes = QByteArray::fromHex(digits.toByteArray());
    if (bytes.size() < RecordOverhead) {
      return Fail(Tr("the record is cut short before its checksum."));
    }
    const qsizetype count = ByteAt(bytes, 0);
    if (bytes.size() != count + RecordOverhead) {
      return Fail(Tr("the record says it holds %1 data bytes, but it holds %2.")
                      .arg(count)
                      .arg(bytes.size() - RecordOverhead));
    }
    unsigned sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
      sum += ByteAt(bytes, i);
    }
    const unsigned expected = (0x100 - (sum & 0xFF)) & 0xFF;
    if (ByteAt(bytes, bytes.size() - 1) != expected) {
      return Fail(Tr("the checksum is %1, but the record adds up to %2.")
                      .arg(HexByte(ByteAt(bytes, bytes.size() - 1)), HexByte(expected)));
    }
    record.Offset = static_cast<std::uint16_t>(ByteAt(bytes, 1) << 8 | ByteAt(bytes, 2));
    record.Type = static_cast<std::uint8_t>(ByteAt(bytes, 3));
    record.Data = bytes.sliced(4, count);
    return std::nullopt;
  }

  static bool AllHex(QByteArrayView digits) {
    for (const char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) {
        return false;
      }
    }
    return true;
  }

  std::optional<THexError> Store(const TRecord& record) {
    const std::int64_t first = FBase + record.Offset;
    if (first + record.Data.size() > FImage.size()) {
      const std::int64_t beyond = std::max<std::int64_t>(first, FImage.size());
      return Fail(Tr("the data at address %1 lies beyond the memory, which holds %2 bytes.")
                      .arg(QStringLiteral("0x") +
                           QStringLiteral("%1").arg(beyond, 4, 16, QLatin1Char('0')).toUpper())
                      .arg(FImage.size()));
    }
    for (qsizetype i = 0; i < record.Data.size(); ++i) {
      FImage[static_cast<qsizetype>(first) + i] = record.Data[i];
    }
    return std::nullopt;
  }

  QByteArray& FImage;
  std::int64_t FBase = 0;
  int FLine = 0;
};

QByteArray Record(std::uint8_t type, unsigned offset, QByteArrayView data) {
  QByteArray bytes;
  bytes.append(static_cast<char>(data.size()));
  bytes.append(static_cast<char>(offset >> 8 & 0xFF));
  bytes.append(static_cast<char>(offset & 0xFF));
  bytes.append(static_cast<char>(type));
  bytes.append(data);
  unsigned sum = 0;
  for (const char byte : bytes) {
    sum += static_cast<std::uint8_t>(byte);
  }
  bytes.append(static_cast<char>(0x100 - (sum & 0xFF)));
  return ':' + bytes.toHex().toUpper() + "\r\n";
}

}  // namespace

std::optional<THexError> ReadIntelHex(QByteArrayView text, QByteArray& image) {
  THexReader reader(image);
  int number = 0;
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) {
      end = text.size();
    }
    bool ended = false;
    if (auto error = reader.Line(++number, text.sliced(start, end - start), ended)) {
      return error;
    }
    if (ended) {
      return std::nullopt;
    }
    start = end + 1;
  }
  const int last = std::max(number, 1);
  return THexError{last, Tr("Line %1: the file ends without an end record (type 01); it may be "
                            "incomplete.")
                             .arg(last)};
}

QByteArray WriteIntelHex(QByteArrayView image) {
  QByteArray text;
  for (qsizetype address = 0; address < image.size(); address += DataPerRecord) {
    if (address > 0 && address % 0x10000 == 0) {
      const auto upper = static_cast<unsigned>(address >> 16);
      const char base[] = {static_cast<char>(upper >> 8), static_cast<char>(upper & 0xFF)};
      text += Record(LinearRecord, 0, QByteArrayView(base, 2));
    }
    text +=
        Record(DataRecord, static_cast<unsigned>(address & 0xFFFF),
               image.sliced(address, std::min<qsizetype>(DataPerRecord, image.size() - address)));
  }
  return text + Record(EndRecord, 0, {});
}

}  // namespace logivane
