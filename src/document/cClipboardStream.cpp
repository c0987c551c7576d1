#include "document/cClipboardStream.h"

#include "document/cSerializeWriter.h"

#include <QBuffer>

namespace logivane {

QByteArray ClipboardBytes(const TSerialize& object) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  TSerializeWriter writer(buffer);
  writer.Version = CircuitFile::Version;
  writer.Revision = CircuitFile::Revision;
  writer.WriteHeader();
  writer.WriteObject(&object);
  writer.Flush();
  return bytes;
}

}  // namespace logivane
