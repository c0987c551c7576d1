#include "simulation/cMemoryMap.h"

#include "document/cSaveFile.h"
#include "simulation/cMemory.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

namespace logivane {

namespace {

constexpr qint64 WordSize = 4;
constexpr qint64 HeaderSize = 2 * WordSize;

TMemoryMapResult Failure(TMemoryMapStatus status, const QString& message) {
  return {status, message};
}

std::uint32_t WordAt(const QByteArray& bytes, qint64 offset) {
  return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QByteArray MapBytes(const TMemoryDevice& memory) {
  const qint64 count = memory.WordCount();
  QByteArray bytes(HeaderSize + WordSize * count, Qt::Uninitialized);
  char* out = bytes.data();
  qToLittleEndian<quint32>(MemoryMapMagic, out);
  qToLittleEndian<quint32>(static_cast<quint32>(count), out + WordSize);
  for (qint64 i = 0; i < count; ++i) {
    qToLittleEndian<quint32>(memory.Contents()[static_cast<std::size_t>(i)],
                             out + HeaderSize + WordSize * i);
  }
  return bytes;
}

}  // namespace

TMemoryMapResult SaveMemoryMap(const QString& fileName, const TMemoryDevice& memory) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    return Failure(TMemoryMapStatus::FileError, file.errorString());
  }
  const QByteArray bytes = MapBytes(memory);
  QString error;
  if (!CommitWholeFile(file, file.write(bytes) == bytes.size(), &error)) {
    return Failure(TMemoryMapStatus::FileError, error);
  }
  return {};
}

TMemoryMapResult LoadMemoryMap(const QString& fileName, TMemoryDevice& memory) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    return Failure(TMemoryMapStatus::FileError, file.errorString());
  }
  const QByteArray header = file.read(HeaderSize);
  if (header.size() < WordSize || WordAt(header, 0) != MemoryMapMagic) {
    return Failure(
        TMemoryMapStatus::NotAMemoryMap,
        QCoreApplication::translate("TMemoryMap", "This is not a valid Memory Map file."));
  }
  const QString truncated =
      QCoreApplication::translate("TMemoryMap", "This Memory Map file is incomplete.");
  if (header.size() < HeaderSize) {
    return Failure(TMemoryMapStatus::Truncated, truncated);
  }
  // The count is lowered to the memory's size first; only the words that will be loaded must
  // be in the file.
  const qint64 loaded = std::min<qint64>(WordAt(header, WordSize), memory.WordCount());
  if (file.size() - HeaderSize < WordSize * loaded) {
    return Failure(TMemoryMapStatus::Truncated, truncated);
  }
  const QByteArray words = file.read(WordSize * loaded);
  if (words.size() != WordSize * loaded) {
    return Failure(TMemoryMapStatus::FileError, file.errorString());
  }
  for (qint64 i = 0; i < loaded; ++i) {
    memory.SetWord(static_cast<std::int32_t>(WordAt(words, WordSize * i) & 0xFFFF),
                   static_cast<std::int32_t>(i));
  }
  return {};
}

}  // namespace logivane
