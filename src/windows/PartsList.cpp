#include "windows/PartsList.h"

#include "editor/DrawingCursors.h"

#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QStyle>

namespace logivane {

namespace {

/// The macro's icon; one with a datasheet wears a small page in its corner.
QIcon MacroIcon(bool withDatasheet) {
  static const QIcon plain(QStringLiteral(":/icons/parts-centre.png"));
  static const QIcon documented = [] {
    QPixmap pixmap = plain.pixmap(32, 32);
    QPainter painter(&pixmap);
    const QRectF page(18.5, 15.5, 12, 15);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.setPen(QPen(QColor(0, 0, 160), 1));
    for (double y = page.top() + 4; y < page.bottom() - 2; y += 3) {
      painter.drawLine(QPointF(page.left() + 2.5, y), QPointF(page.right() - 2.5, y));
    }
    painter.end();
    return QIcon(pixmap);
  }();
  return withDatasheet ? documented : plain;
}

}  // namespace

const QString TPartsList::MimeType = QStringLiteral("application/x-logivane-macro-file");

QString TPartsList::DraggedFile(const QMimeData* data) {
  return data && data->hasFormat(MimeType) ? QString::fromUtf8(data->data(MimeType)) : QString();
}

TPartsList::TPartsList(QWidget* parent) : QListWidget(parent) {
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TPartsList::Fill(const QString& folder, std::vector<TFileData> entries, bool byMacroName) {
  clear();
  FFolder = folder;
  FEntries = std::move(entries);
  setUpdatesEnabled(false);
  for (const TFileData& entry : FEntries) {
    auto* item = new QListWidgetItem(this);
    if (!entry.IsMacro()) {
      item->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
      item->setText(entry.FileName);
      item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
    }
  }
  Recaption(byMacroName);
  setUpdatesEnabled(true);
}

void TPartsList::Recaption(bool byMacroName) {
  for (int row = 0; row < count(); ++row) {
    const TFileData& entry = FEntries[static_cast<std::size_t>(row)];
    if (entry.IsMacro()) {
      item(row)->setIcon(MacroIcon(!entry.Datasheet.isEmpty()));
      item(row)->setText(byMacroName ? entry.MacroName : entry.ShortName());
      item(row)->setToolTip(entry.StatusText());
    }
  }
}

const TFileData* TPartsList::Entry(const QListWidgetItem* item) const {
  const int index = item ? row(item) : -1;
  return index >= 0 && index < static_cast<int>(FEntries.size())
             ? &FEntries[static_cast<std::size_t>(index)]
             : nullptr;
}

QString TPartsList::FullPath(const TFileData& entry) const {
  return QDir(FFolder).filePath(entry.FileName);
}

QMimeData* TPartsList::mimeData(const QList<QListWidgetItem*>& items) const {
  const TFileData* entry = items.size() == 1 ? Entry(items.front()) : nullptr;
  if (!entry || !entry->IsMacro()) {
    return nullptr;
  }
  auto* data = new QMimeData;
  data->setData(MimeType, FullPath(*entry).toUtf8());
  return data;
}

void TPartsList::startDrag(Qt::DropActions /*supportedActions*/) {
  QMimeData* data = mimeData(selectedItems());
  if (!data) {
    return;
  }
  DragFile = DraggedFile(data);
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  drag->setPixmap(currentItem()->icon().pixmap(iconSize()));
  drag->setDragCursor(EditorCursor(TCursorId::PartDrag).pixmap(), Qt::CopyAction);
  drag->exec(Qt::CopyAction);
  DragFile.clear();
}

}  // namespace logivane
