// Template files: a macro's symbol and outline pins, without the links to its tags.

#include "document/cSaveFile.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cMacro.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace logivane {

namespace {

constexpr std::uint16_t TemplateVersion = 60697;
constexpr std::uint8_t TemplateRevision = 20;

const char* const NotATemplate =
    QT_TRANSLATE_NOOP("TMacroTemplate", "This is not a valid Logivane Template file.");
const char* const ReadFailed =
    QT_TRANSLATE_NOOP("TMacroTemplate", "An error has occurred trying to read this Logivane file.");
const char* const WriteFailed = QT_TRANSLATE_NOOP(
    "TMacroTemplate", "An error has occurred trying to write this Logivane file.");

/// A symbol is drawn and hit tested as graphic objects.
void CheckSymbol(const TSerializeList& symbol) {
  for (TSerialize* item : symbol) {
    if (!dynamic_cast<TGraphicObject*>(item)) {
      throw EReadError::InvalidValue();
    }
  }
}

/// The outline pins must be plain macro pins, free of wires and partners.
void CheckTemplatePins(const TGraphicList& pins) {
  if (pins.ClassName() != TGraphicList::StaticClassName) {
    throw EReadError::InvalidValue();
  }
  for (int i = 0; i < pins.Count(); ++i) {
    auto* pin = dynamic_cast<TMacroPin*>(pins.Child(i));
    if (!pin || pin->Wire) {
      throw EReadError::InvalidValue();
    }
    pin->Unlink();  // associations are never carried by a template
  }
}

}  // namespace

bool TMacro::SaveTemplate(const QString& fileName, TMessageSink& messages) const {
  // Declared before the writer, which touches every object it wrote when it goes.
  TGraphicList pins;
  for (int i = 0; i < PinCount(); ++i) {
    float x, y;
    Pin(i)->GetCentre(x, y);
    auto pin = std::make_unique<TMacroPin>();
    pin->Translate(x, y);
    pin->Remap();
    pins.Add(std::move(pin));
  }

  QSaveFile file(fileName);
  bool written = file.open(QIODevice::WriteOnly);
  if (written) {
    try {
      TSerializeWriter writer(file);
      writer.Version = TemplateVersion;
      writer.Revision = TemplateRevision;
      writer.WriteHeader();
      writer.WriteObject(&Objects());
      writer.WriteObject(&pins);
      writer.Flush();
    } catch (const EWriteError&) {
      written = false;
    }
  }
  // An old file of that name stays as it was unless the new one was written in full.
  if (!CommitWholeFile(file, written)) {
    messages.ShowError(QCoreApplication::translate("TMacroTemplate", WriteFailed));
    return false;
  }
  return true;
}

bool TMacro::LoadTemplate(const QString& fileName, TMessageSink& messages) {
  std::unique_ptr<TSerializeList> symbol;
  std::unique_ptr<TGraphicList> pins;
  try {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
      throw EReadError::PastEnd();
    }
    TSerializeReader reader(file);
    reader.ExpectedVersion = TemplateVersion;
    reader.ReadHeader();
    symbol = reader.ReadRoot<TSerializeList>();
    CheckSymbol(*symbol);
    pins = reader.ReadRoot<TGraphicList>();
    CheckTemplatePins(*pins);
  } catch (const EInvalidFileType&) {
    messages.ShowError(QCoreApplication::translate("TMacroTemplate", NotATemplate));
    return false;
  } catch (const std::exception&) {
    messages.ShowError(QCoreApplication::translate("TMacroTemplate", ReadFailed));
    return false;
  }
  SetObjects(std::move(symbol));
  SetPins(std::move(pins));
  return true;
}

}  // namespace logivane
