#pragma once

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <QBuffer>
#include <QByteArray>

#include <functional>

namespace logivane::test {

/// The bytes that `write` puts into a fresh stream.
inline QByteArray Written(const std::function<void(TSerializeWriter&)>& write) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    TSerializeWriter writer(buffer);
    write(writer);
  }
  return bytes;
}

inline QByteArray WrittenObject(const TSerialize& object) {
  return Written([&](TSerializeWriter& writer) { writer.WriteObject(&object); });
}

template <class T>
std::unique_ptr<T> ReadBack(const QByteArray& bytes) {
  TSerializeReader reader(bytes);
  return reader.ReadRoot<T>();
}

inline QByteArray Hex(const char* text) {
  return QByteArray::fromHex(text);
}

}  // namespace logivane::test
