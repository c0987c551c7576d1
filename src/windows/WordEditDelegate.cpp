#include "windows/WordEditDelegate.h"

#include "windows/MemoryContentsModel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace logivane {

namespace {

/// Refuses any text that is not all digits of the model's base or that is too long, so a
/// refused key or paste leaves the editor as it was.
class TWordValidator : public QValidator {
public:
  TWordValidator(const TMemoryContentsModel& model, QObject* parent)
      : QValidator(parent), FModel(model) {}

  State validate(QString& text, int& /*pos*/) const override {
    if (text.size() > FModel.DigitLimit() ||
        !std::all_of(text.begin(), text.end(), [this](QChar c) { return FModel.IsDigit(c); })) {
      return Invalid;
    }
    text = text.toUpper();
    return Acceptable;
  }

private:
  const TMemoryContentsModel& FModel;
};

}  // namespace

TWordEditDelegate::TWordEditDelegate(const TMemoryContentsModel& model, QObject* parent)
    : QStyledItemDelegate(parent), FModel(model) {
}

QWidget* TWordEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& /*index*/) const {
  auto* editor = new QLineEdit(parent);
  editor->setObjectName(QStringLiteral("WordEditor"));
  editor->setFrame(false);
  editor->setValidator(new TWordValidator(FModel, editor));
  return editor;
}

void TWordEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line = static_cast<QLineEdit*>(editor);
  // Set without the validator's say, so that a word wider than the data width shows whole.
  line->setText(index.data(Qt::EditRole).toString());
  line->selectAll();
}

void TWordEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
  // Only a changed text is stored: the text of a word wider than the data width is longer than
  // an edit may be, and must not be refused or cut just because it was looked at.
  const QString text = static_cast<QLineEdit*>(editor)->text();
  if (text.compare(index.data(Qt::EditRole).toString(), Qt::CaseInsensitive) != 0) {
    model->setData(index, text, Qt::EditRole);
  }
}

bool TWordEditDelegate::eventFilter(QObject* watched, QEvent* event) {
  auto* editor = qobject_cast<QLineEdit*>(watched);
  if (editor && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      // Store the word; the view, which receives the key next, moves to the next address.
      emit commitData(editor);
      emit closeEditor(editor, NoHint);
      return false;
    }
  }
  return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace logivane
