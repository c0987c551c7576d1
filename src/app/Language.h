#pragma once

#include <QHash>
#include <QMutex>
#include <QString>
#include <QTranslator>

#include <memory>
#include <optional>

class QWidget;

namespace logivane {

/**
 * @brief The program's own translator. It also remembers, for every text it was asked for, the
 * English text and context it came from, so that captions already on the screen can be put into
 * another language without each window keeping its English captions.
 */
class TCaptionTranslator : public QTranslator {
public:
  /// Where a shown text came from.
  struct TOrigin {
    QByteArray Context;
    QByteArray Source;
    QByteArray Disambiguation;
  };

  QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                    int n = -1) const override;
  /// Asked even in English, where it has no file, so that it sees every text.
  bool isEmpty() const override { return false; }

  /// Translates from `file` from now on; none translates nothing, as in English.
  void SetFile(std::unique_ptr<QTranslator> file);
  std::optional<TOrigin> OriginOf(const QString& shown) const;

private:
  /// The texts come from any thread: files are read and simulated away from the windows.
  mutable QMutex FMutex;
  std::unique_ptr<QTranslator> FFile;
  mutable QHash<QString, TOrigin> FOrigins;
};

/**
 * @brief The language of the program's texts and of Qt's own: installs the translations for a
 * language code ("de", "fr", "es", "en", or empty for the system's language) and puts the
 * captions of the open windows into it.
 */
class TLanguage {
public:
  static TLanguage& Shared();

  /// Installs the translations of `code` and relabels every open window.
  void Apply(const QString& code);
  /// The language in use: "en" when no translation of ours is.
  QString Current() const { return FCurrent; }
  /// Puts the captions of `root` and its children that came from a translation into the current
  /// language; texts of the user's, such as file names, stay as they are.
  void Relabel(QWidget& root) const;

private:
  TLanguage() = default;
  /// The translation of `shown` into the current language, if it came from a translation.
  std::optional<QString> Again(const QString& shown) const;

  TCaptionTranslator FOwn;
  std::unique_ptr<QTranslator> FQt;
  QString FCurrent = QStringLiteral("en");
  bool FInstalled = false;
};

}  // namespace logivane
