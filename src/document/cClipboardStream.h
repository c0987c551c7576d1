#pragma once

#include "document/cCircuitFormat.h"
#include "document/cSerializeReader.h"

#include <QByteArray>

#include <memory>

namespace logivane {

class TSerialize;

/**
 * @brief The stream through which cut, copy and paste make their deep copies.
 *
 * It is a circuit stream without descriptors: the header, then one object with everything it
 * links to. Writing objects and reading them straight back gives fresh objects with the same
 * links between them. It stays in memory; nothing else reads it.
 */
QByteArray ClipboardBytes(const TSerialize& object);

/// Reads a stream of `ClipboardBytes` back; throws the reader's errors when it cannot.
template <class T>
std::unique_ptr<T> ReadClipboardBytes(QByteArray bytes) {
  TSerializeReader reader(std::move(bytes));
  reader.ExpectedVersion = CircuitFile::Version;  // any revision
  reader.ReadHeader();
  return reader.ReadRoot<T>();
}

}  // namespace logivane
