#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct chmFile;

namespace logivane {

/// One entry of a help file's table of contents: its caption, the page it opens (empty for a
/// heading without a page) and how deep it sits, 0 at the top.
struct THelpContentsEntry {
  QString Name;
  QString Local;
  int Depth = 0;

  bool operator==(const THelpContentsEntry&) const = default;
};

/// Reads the entries of a sitemap contents file (the ".hhc" of a compiled help file): every
/// `<OBJECT type="text/sitemap">` with its "Name" and "Local" params, in document order, its
/// depth counted in the `<UL>` lists around it.
std::vector<THelpContentsEntry> ParseSitemap(const QByteArray& sitemap);

/**
 * @brief A compiled HTML help file (".chm") opened for reading: its pages, its table of
 * contents and its default page.
 *
 * Page names are the archive's paths; a leading "/" and a "#fragment" may be given or left
 * out.
 */
class THelpFile {
public:
  /// Null when `fileName` is missing or is no compiled help file.
  static std::unique_ptr<THelpFile> Open(const QString& fileName);
  ~THelpFile();
  THelpFile(const THelpFile&) = delete;
  THelpFile& operator=(const THelpFile&) = delete;

  const QString& FileName() const { return FFileName; }
  bool Contains(const QString& page) const;
  /// The bytes of `page`, or nothing when the file has no such page.
  std::optional<QByteArray> Read(const QString& page) const;
  const std::vector<THelpContentsEntry>& Contents() const { return FContents; }
  /// The page shown when no topic is asked for.
  const QString& DefaultTopic() const { return FDefaultTopic; }

  /// The archive path of `page`: with a leading "/", without a fragment.
  static QString ArchivePath(const QString& page);

private:
  THelpFile(chmFile* archive, const QString& fileName);
  void ReadSystemFile();
  /// The bytes of the object at `path` inside the archive, taken as it stands.
  std::optional<QByteArray> ReadObject(const QByteArray& path) const;

  chmFile* FArchive;
  QString FFileName;
  std::vector<THelpContentsEntry> FContents;
  QString FDefaultTopic;
};

}  // namespace logivane
