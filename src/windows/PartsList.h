#pragma once

#include "windows/PartsLibrary.h"

#include <QListWidget>

#include <vector>

class QMimeData;

namespace logivane {

/**
 * @brief The Parts Centre's list of folders and macros, from which a macro file is dragged
 * onto the drawing.
 *
 * A drag carries the macro file's full path in a format of this program alone, so that the
 * drawing accepts drags from this list and from nothing else.
 */
class TPartsList : public QListWidget {
  Q_OBJECT
public:
  /// The format of a dragged macro file's path.
  static const QString MimeType;
  /// The path that `data` carries from a drag of this list; empty for any other drag.
  static QString DraggedFile(const QMimeData* data);

  explicit TPartsList(QWidget* parent = nullptr);

  /// Lists `entries` of `folder`, captioning macros by name or by file name.
  void Fill(const QString& folder, std::vector<TFileData> entries, bool byMacroName);
  /// Captions the macros again, by name or by file name.
  void Recaption(bool byMacroName);
  const QString& Folder() const { return FFolder; }
  /// The entry shown by `item`; null for none.
  const TFileData* Entry(const QListWidgetItem* item) const;
  const TFileData* SelectedEntry() const { return Entry(currentItem()); }
  QString FullPath(const TFileData& entry) const;

  /// Full path of the macro file being dragged; empty when no drag is under way.
  QString DragFile;

protected:
  void startDrag(Qt::DropActions supportedActions) override;
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;

private:
  QString FFolder;
  /// One per row, in row order.
  std::vector<TFileData> FEntries;
};

}  // namespace logivane
