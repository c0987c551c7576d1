#pragma once

#include <QStyledItemDelegate>

namespace logivane {

class TMemoryContentsModel;

/**
 * @brief Edits one word of a memory in the base that its model shows.
 *
 * The editor takes only digits of that base, and no more of them than the data width allows,
 * whether typed or pasted. Enter, Up and Down store the word; Up and Down then move to the
 * neighbouring address. A word that the user opened but did not change is left alone, so a
 * word wider than the data width survives being looked at.
 */
class TWordEditDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit TWordEditDelegate(const TMemoryContentsModel& model, QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  const TMemoryContentsModel& FModel;
};

}  // namespace logivane
