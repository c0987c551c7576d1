// The translations are complete: every text that the sources give to translate is in each
// language's file, translated, with the same placeholders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>

namespace logivane::test {
namespace {

struct TEntry {
  QString Translation;
  bool Finished = true;
};

/// The messages of a .ts file by context and source text.
using TMessages = std::map<std::pair<QString, QString>, TEntry>;

TMessages ReadTs(const QString& fileName) {
  QFile file(fileName);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
  TMessages messages;
  QXmlStreamReader xml(&file);
  QString context, source;
  while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
    if (!xml.isStartElement()) {
      continue;
    }
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      TEntry& entry = messages[{context, source}];
      entry.Finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      entry.Translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

QSet<QString> Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%\\d"));
  QSet<QString> found;
  for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
    found.insert(match.captured());
  }
  return found;
}

const QString TranslationsDir = QStringLiteral(LOGIVANE_SOURCE_DIR "/translations/");
const char* const Languages[] = {"de", "fr", "es"};

TEST(TranslationFilesTest, EveryEntryIsTranslatedWithItsPlaceholders) {
  for (const char* language : Languages) {
    const TMessages messages =
        ReadTs(TranslationsDir + QStringLiteral("logivane_%1.ts").arg(QLatin1String(language)));
    EXPECT_GT(messages.size(), 400u) << language;
    for (const auto& [key, entry] : messages) {
      const std::string where = std::string(language) + ": " + key.second.toStdString();
      EXPECT_TRUE(entry.Finished) << where;
      EXPECT_FALSE(entry.Translation.isEmpty()) << where;
      EXPECT_EQ(Placeholders(entry.Translation), Placeholders(key.second)) << where;
      EXPECT_EQ(entry.Translation.count(QLatin1Char('&')) > 0,
                key.second.count(QLatin1Char('&')) > 0)
          << where << " (a menu entry keeps its Alt letter)";
    }
  }
}

TEST(TranslationFilesTest, EveryTextOfTheSourcesIsInEachLanguage) {
  if (!QFileInfo(QStringLiteral(LOGIVANE_LUPDATE)).isExecutable()) {
    GTEST_SKIP() << "lupdate is missing; install qt6-l10n-tools";
  }
  QTemporaryDir folder;
  const QString found = folder.filePath(QStringLiteral("found.ts"));
  QProcess lupdate;
  lupdate.setWorkingDirectory(QStringLiteral(LOGIVANE_SOURCE_DIR "/src"));
  lupdate.start(QStringLiteral(LOGIVANE_LUPDATE),
                {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                 QStringLiteral("."), QStringLiteral("-ts"), found});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const TMessages sources = ReadTs(found);
  ASSERT_GT(sources.size(), 400u);
  for (const char* language : Languages) {
    const TMessages messages =
        ReadTs(TranslationsDir + QStringLiteral("logivane_%1.ts").arg(QLatin1String(language)));
    for (const auto& [key, entry] : sources) {
      EXPECT_TRUE(messages.count(key))
          << language << " lacks " << key.first.toStdString() << ": " << key.second.toStdString();
    }
  }
}

}  // namespace
}  // namespace logivane::test
