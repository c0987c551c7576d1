#include "windows/HelpFile.h"

#include <chm_lib.h>

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>

namespace logivane {

namespace {

/// The codes of the "#SYSTEM" records that name the contents file and the default page.
constexpr quint16 SystemContentsFile = 0;
constexpr quint16 SystemDefaultTopic = 2;

QString Attribute(const QString& attributes, const QString& name) {
  const QRegularExpression pattern(
      QStringLiteral(R"re(\b%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re").arg(name),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(attributes);
  for (int group = 1; group <= 3; ++group) {
    if (match.hasCaptured(group)) {
      return match.captured(group);
    }
  }
  return {};
}

/// Sitemaps escape the few characters that HTML must; names carry no markup of their own.
QString Unescaped(QString text) {
  text.replace(QLatin1String("&lt;"), QLatin1String("<"));
  text.replace(QLatin1String("&gt;"), QLatin1String(">"));
  text.replace(QLatin1String("&quot;"), QLatin1String("\""));
  text.replace(QLatin1String("&#39;"), QLatin1String("'"));
  return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

int FindContentsFile(chmFile*, chmUnitInfo* unit, void* context) {
  const QString path = QString::fromUtf8(unit->path);
  if (path.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
    *static_cast<QString*>(context) = path;
    return CHM_ENUMERATOR_SUCCESS;
  }
  return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

std::vector<THelpContentsEntry> ParseSitemap(const QByteArray& sitemap) {
  static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                      QRegularExpression::CaseInsensitiveOption);
  std::vector<THelpContentsEntry> entries;
  std::optional<THelpContentsEntry> entry;
  int depth = -1;  // the outermost list holds the top entries
  for (const QRegularExpressionMatch& match : tag.globalMatch(QString::fromUtf8(sitemap))) {
    const bool closing = !match.captured(1).isEmpty();
    const QString name = match.captured(2).toLower();
    const QString attributes = match.captured(3);
    if (name == QLatin1String("ul")) {
      depth += closing ? -1 : 1;
    } else if (name == QLatin1String("object")) {
      if (closing && entry) {
        entries.push_back(*entry);
        entry.reset();
      } else if (!closing && Attribute(attributes, QStringLiteral("type")).toLower() ==
                                 QLatin1String("text/sitemap")) {
        entry = THelpContentsEntry{{}, {}, std::max(depth, 0)};
      }
    } else if (entry) {
      const QString param = Attribute(attributes, QStringLiteral("name")).toLower();
      const QString value = Unescaped(Attribute(attributes, QStringLiteral("value")));
      if (param == QLatin1String("name")) {
        entry->Name = value;
      } else if (param == QLatin1String("local")) {
        entry->Local = value;
      }
    }
  }
  return entries;
}

std::unique_ptr<THelpFile> THelpFile::Open(const QString& fileName) {
  if (!QFile::exists(fileName)) {
    return nullptr;
  }
  chmFile* archive = chm_open(QFile::encodeName(fileName).constData());
  if (!archive) {
    return nullptr;
  }
  std::unique_ptr<THelpFile> file(new THelpFile(archive, fileName));
  file->ReadSystemFile();
  return file;
}

THelpFile::THelpFile(chmFile* archive, const QString& fileName)
    : FArchive(archive), FFileName(fileName) {
}

THelpFile::~THelpFile() {
  chm_close(FArchive);
}

QString THelpFile::ArchivePath(const QString& page) {
  QString path = page.section(QLatin1Char('#'), 0, 0);
  return path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
}

bool THelpFile::Contains(const QString& page) const {
  chmUnitInfo unit;
  const QByteArray path = ArchivePath(page).toUtf8();
  return chm_resolve_object(FArchive, path.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> THelpFile::Read(const QString& page) const {
  return ReadObject(ArchivePath(page).toUtf8());
}

std::optional<QByteArray> THelpFile::ReadObject(const QByteArray& path) const {
  chmUnitInfo unit;
  if (chm_resolve_object(FArchive, path.constData(), &unit) != CHM_RESOLVE_SUCCESS) {
    return std::nullopt;
  }
  QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
  const LONGINT64 read = chm_retrieve_object(
      FArchive, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, bytes.size());
  if (read != static_cast<LONGINT64>(bytes.size())) {
    return std::nullopt;
  }
  return bytes;
}

void THelpFile::ReadSystemFile() {
  // "#SYSTEM" is a version word followed by records: a 16-bit code, a 16-bit length and that
  // many bytes, a string ending in a zero for the two records read here.
  QString contentsFile;
  // Read as it stands: a page name would lose everything from its "#" on.
  const QByteArray system = ReadObject(QByteArrayLiteral("/#SYSTEM")).value_or(QByteArray());
  for (qsizetype at = 4; at + 4 <= system.size();) {
    const auto code = qFromLittleEndian<quint16>(system.constData() + at);
    const auto length = qFromLittleEndian<quint16>(system.constData() + at + 2);
    at += 4;
    if (at + length > system.size()) {
      break;
    }
    const QString text = QString::fromUtf8(system.mid(at, length)).section(QChar(0), 0, 0);
    if (code == SystemContentsFile) {
      contentsFile = text;
    } else if (code == SystemDefaultTopic) {
      FDefaultTopic = text;
    }
    at += length;
  }
  if (contentsFile.isEmpty() || !Contains(contentsFile)) {
    chm_enumerate(FArchive, CHM_ENUMERATE_NORMAL, FindContentsFile, &contentsFile);
  }
  if (!contentsFile.isEmpty()) {
    FContents = ParseSitemap(Read(contentsFile).value_or(QByteArray()));
  }
  if (FDefaultTopic.isEmpty() || !Contains(FDefaultTopic)) {
    const auto page = std::find_if(FContents.begin(), FContents.end(),
                                   [](const THelpContentsEntry& e) { return !e.Local.isEmpty(); });
    FDefaultTopic = page != FContents.end() ? page->Local : QString();
  }
}

}  // namespace logivane
