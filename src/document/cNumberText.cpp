#include "document/cNumberText.h"

#include <stdexcept>

namespace logivane {

namespace {

constexpr char16_t HexDigits[] = u"0123456789ABCDEF";

}  // namespace

std::int32_t BinToInt(const QString& text) {
  // Unsigned arithmetic wraps by definition, so any length of text is safe.
  std::uint32_t value = 0;
  std::uint32_t weight = 1;
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') {
      throw std::invalid_argument("'" + text.toStdString() + "' is not a valid binary number");
    }
    value += static_cast<std::uint32_t>(c - u'0') * weight;
    weight <<= 1;
  }
  return static_cast<std::int32_t>(value);
}

QString IntToBin(std::int32_t value, int digits) {
  QString bits;
  for (std::int32_t v = value; v > 0; v >>= 1) {
    bits.prepend(v & 1 ? u'1' : u'0');
  }
  if (bits.size() < digits) {
    bits.prepend(QString(digits - bits.size(), u'0'));
  }
  return bits;
}

QString BinToHex(const QString& text) {
  QString hex;
  int group = 0;
  int bits = 0;
  bool pending = false;  // characters scanned since the last digit was emitted
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    pending = true;
    const QChar c = text[i];
    if (c != u'0' && c != u'1') {
      continue;
    }
    group |= (c == u'1' ? 1 : 0) << bits;
    if (++bits == 4) {
      hex.prepend(QChar(HexDigits[group]));
      group = 0;
      bits = 0;
      pending = false;
    }
  }
  if (pending) {
    hex.prepend(QChar(HexDigits[group]));
  }
  return hex;
}

QChar HexDigit(std::uint32_t value, int digits, int index) {
  const int shift = 4 * (digits - 1 - index);
  return QChar(HexDigits[shift >= 0 && shift < 32 ? value >> shift & 0xF : 0]);
}

QString BusHex(std::uint32_t value, int width) {
  const int digits = HexDigitCount(width);
  QString hex(digits, u'0');
  for (int i = 0; i < digits; ++i) {
    hex[i] = HexDigit(value, digits, i);
  }
  return hex;
}

QString HexToBin(const QString& text) {
  QString bits;
  for (const QChar c : text.toUpper()) {
    const int code = c.unicode();
    const int value = code >= 'A' && code <= 'F' ? code - 55 : code - 48;
    bits += IntToBin(value, 4);
  }
  return bits;
}

}  // namespace logivane
