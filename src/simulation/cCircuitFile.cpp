#include "simulation/cCircuitFile.h"

#include "document/cSaveFile.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cMacro.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace logivane {

namespace {

const char* const LaterVersionMessage =
    QT_TRANSLATE_NOOP("TCircuitFile", "You need a later version of Logivane to read this file.");
const char* const NotCircuitMessage =
    QT_TRANSLATE_NOOP("TCircuitFile", "This is not a valid Logivane file.");
const char* const UnreadableMessage =
    QT_TRANSLATE_NOOP("TCircuitFile", "An error has occurred trying to read this Logivane file.");

/// `message` is the English text, which reaches the user in the chosen language.
TCircuitReadResult Failure(TCircuitReadOutcome outcome, const char* message) {
  TCircuitReadResult result;
  result.Outcome = outcome;
  result.Message = QCoreApplication::translate("TCircuitFile", message);
  return result;
}

/// Reads what follows the header, by the revision the header carries.
void ReadBody(TSerializeReader& reader, TCircuitReadResult& result) {
  if (reader.Revision == 34) {
    reader.ReadDescriptors();
    reader.GetStringDescriptor(CircuitFile::MacroNameId, result.MacroName);
  } else if (reader.Revision == 30) {
    reader.ReadBoolean();
    result.MacroName = reader.ReadString();
    reader.ReadString();   // the datasheet, which the circuit carries itself
    reader.ReadInteger();  // a help topic number of its time
  }
  result.Circuit = reader.ReadRoot<TMacro>();
  // The circuit's own record keeps no help topic; the file keeps it beside, so that opening
  // and saving again gives the same file.
  if (reader.Revision == 34) {
    reader.GetStringDescriptor(CircuitFile::HelpTopicId, result.Circuit->HelpTopic);
  }
}

}  // namespace

TCircuitReadResult ReadCircuit(QIODevice& stream, const std::function<void(int)>& onProgress) {
  TSerializeReader reader(stream);
  reader.ExpectedVersion = CircuitFile::Version;
  reader.OnProgress = onProgress;
  try {
    reader.ReadHeader();
    if (reader.Revision > CircuitFile::Revision) {
      return Failure(TCircuitReadOutcome::LaterVersion, LaterVersionMessage);
    }
    TCircuitReadResult result;
    ReadBody(reader, result);
    result.Outcome = TCircuitReadOutcome::Read;
    return result;
  } catch (const EInvalidFileType&) {
    return Failure(TCircuitReadOutcome::NotCircuitFile, NotCircuitMessage);
  } catch (const std::exception&) {
    return Failure(TCircuitReadOutcome::Unreadable, UnreadableMessage);
  }
}

TCircuitReadResult ReadCircuitBytes(QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadCircuit(buffer);
}

TCircuitReadResult ReadCircuitFile(const QString& fileName,
                                   const std::function<void(int)>& onProgress) {
  QFile file(fileName);
  if (!QFileInfo(fileName).isFile()) {
    TCircuitReadResult missing =
        Failure(TCircuitReadOutcome::Missing,
                QT_TRANSLATE_NOOP("TCircuitFile", "Unable to locate the Logivane file '%1'"));
    missing.Message = missing.Message.arg(QFileInfo(fileName).fileName());
    return missing;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    return Failure(TCircuitReadOutcome::Unreadable, UnreadableMessage);
  }
  return ReadCircuit(file, onProgress);
}

std::optional<TMacroInfo> ReadMacroInfo(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  // The header and descriptors of any revision are short; a damaged or foreign file that seems
  // to go on must not make the listing read megabytes.
  constexpr qint64 HeaderLimit = 64 * 1024;
  TSerializeReader reader(file.read(HeaderLimit));
  reader.ExpectedVersion = CircuitFile::Version;
  TMacroInfo info;
  try {
    reader.ReadHeader();
    switch (reader.Revision) {
      case 0:
      case 20:
        break;
      case 30:
        reader.ReadBoolean();
        info.MacroName = reader.ReadString();
        info.Datasheet = reader.ReadString();
        info.HelpTopic = QString::number(reader.ReadInteger());
        break;
      case CircuitFile::Revision:
        reader.ReadDescriptors();
        reader.GetStringDescriptor(CircuitFile::MacroNameId, info.MacroName);
        reader.GetStringDescriptor(CircuitFile::DatasheetId, info.Datasheet);
        reader.GetStringDescriptor(CircuitFile::HelpTopicId, info.HelpTopic);
        break;
      default:
        return std::nullopt;
    }
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (info.MacroName.isEmpty()) {
    info.MacroName = QFileInfo(fileName).completeBaseName();
  }
  return info;
}

void WriteCircuit(QIODevice& stream, const TMacro& circuit, const QString& macroName) {
  TSerializeWriter writer(stream);
  writer.Version = CircuitFile::Version;
  writer.Revision = CircuitFile::Revision;
  writer.WriteHeader();
  writer.AddStringDescriptor(CircuitFile::MacroNameId, macroName);
  writer.AddStringDescriptor(CircuitFile::DatasheetId, circuit.Datasheet);
  writer.AddStringDescriptor(CircuitFile::HelpTopicId, circuit.HelpTopic);
  writer.WriteDescriptors();
  writer.WriteObject(&circuit);
  writer.Flush();
}

QByteArray CircuitBytes(const TMacro& circuit, const QString& macroName, qsizetype expectedSize) {
  QByteArray bytes;
  bytes.reserve(expectedSize + expectedSize / 16);  // an edit seldom adds more
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  WriteCircuit(buffer, circuit, macroName);
  return bytes;
}

bool SaveCircuitFile(const QString& fileName, const TMacro& circuit, const QString& macroName,
                     QString* error) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) {
      *error = file.errorString();
    }
    return false;
  }
  bool written = true;
  try {
    WriteCircuit(file, circuit, macroName);
  } catch (const std::exception&) {
    written = false;
  }
  return CommitWholeFile(file, written, error);
}

}  // namespace logivane
