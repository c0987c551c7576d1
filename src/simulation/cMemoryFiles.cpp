#include "simulation/cMemoryFiles.h"

#include "document/cSaveFile.h"
#include "simulation/cIntelHex.h"
#include "simulation/cMemory.h"
#include "simulation/cMemoryImage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace logivane {

namespace {

/// Far more than the HEX text of the largest memory; a larger file is not read into memory.
constexpr qint64 MaxHexFileSize = 16 * 1024 * 1024;

QString Tr(const char* text) {
  return QCoreApplication::translate("TMemoryFiles", text);
}

TMemoryMapResult BadImage(const QString& message) {
  return {TMemoryMapStatus::BadImage, message};
}

/// The file's bytes, no more than one past `limit`, so that callers can tell a file too long.
TMemoryMapResult ReadUpTo(const QString& fileName, qint64 limit, QByteArray& bytes) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    return {TMemoryMapStatus::FileError, file.errorString()};
  }
  bytes = file.read(limit + 1);
  if (file.error() != QFileDevice::NoError) {
    return {TMemoryMapStatus::FileError, file.errorString()};
  }
  return {};
}

TMemoryMapResult ReadBinary(const QString& fileName, const TMemoryDevice& memory,
                            QByteArray& image) {
  QByteArray bytes;
  if (TMemoryMapResult result = ReadUpTo(fileName, image.size(), bytes); !result.Ok()) {
    return result;
  }
  if (bytes.size() > image.size()) {
    return BadImage(
        Tr("The file is longer than the memory, which holds %1 bytes.").arg(image.size()));
  }
  if (bytes.size() % ImageBytesPerWord(memory.DataWidth()) != 0) {
    return BadImage(Tr("The file ends in the middle of a word: a memory of %1-bit words takes "
                       "two bytes for each.")
                        .arg(memory.DataWidth()));
  }
  image.replace(0, bytes.size(), bytes);
  return {};
}

TMemoryMapResult ReadHex(const QString& fileName, QByteArray& image) {
  QByteArray text;
  if (TMemoryMapResult result = ReadUpTo(fileName, MaxHexFileSize, text); !result.Ok()) {
    return result;
  }
  if (text.size() > MaxHexFileSize) {
    return BadImage(Tr("The file is far too large for an Intel HEX file of a memory."));
  }
  if (const std::optional<THexError> error = ReadIntelHex(text, image)) {
    return BadImage(error->Message);
  }
  return {};
}

}  // namespace

TMemoryFileFormat MemoryFileFormat(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("hex") || suffix == QLatin1String("ihx")) {
    return TMemoryFileFormat::IntelHex;
  }
  if (suffix == QLatin1String("bin")) {
    return TMemoryFileFormat::Binary;
  }
  return TMemoryFileFormat::Map;
}

TMemoryMapResult LoadMemoryFile(const QString& fileName, TMemoryDevice& memory) {
  const TMemoryFileFormat format = MemoryFileFormat(fileName);
  if (format == TMemoryFileFormat::Map) {
    return LoadMemoryMap(fileName, memory);
  }
  // The file goes onto a copy of the words, which replaces them only once all of it is read.
  QByteArray image = WordsToImage(memory.Contents(), memory.DataWidth());
  const TMemoryMapResult result = format == TMemoryFileFormat::IntelHex
                                      ? ReadHex(fileName, image)
                                      : ReadBinary(fileName, memory, image);
  if (!result.Ok()) {
    return result;
  }
  const std::vector<std::uint16_t> words = ImageToWords(image, memory.DataWidth());
  for (std::size_t address = 0; address < words.size(); ++address) {
    memory.SetWord(words[address], static_cast<std::int32_t>(address));
  }
  return {};
}

TMemoryMapResult SaveMemoryFile(const QString& fileName, const TMemoryDevice& memory) {
  const TMemoryFileFormat format = MemoryFileFormat(fileName);
  if (format == TMemoryFileFormat::Map) {
    return SaveMemoryMap(fileName, memory);
  }
  const QByteArray image = WordsToImage(memory.Contents(), memory.DataWidth());
  const QByteArray bytes = format == TMemoryFileFormat::IntelHex ? WriteIntelHex(image) : image;
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    return {TMemoryMapStatus::FileError, file.errorString()};
  }
  QString error;
  if (!CommitWholeFile(file, file.write(bytes) == bytes.size(), &error)) {
    return {TMemoryMapStatus::FileError, error};
  }
  return {};
}

}  // namespace logivane
