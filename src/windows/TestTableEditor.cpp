#include "windows/TestTableEditor.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>
#include <functional>

namespace logivane {

namespace {

/// Space on either side of the numbers, in pixels.
constexpr int MarginPadding = 4;

/// Hands its painting to the editor beside it.
class TNumberMargin : public QWidget {
public:
  TNumberMargin(QWidget* parent, std::function<void(QPaintEvent&)> paint)
      : QWidget(parent), FPaint(std::move(paint)) {}

protected:
  void paintEvent(QPaintEvent* event) override { FPaint(*event); }

private:
  std::function<void(QPaintEvent&)> FPaint;
};

}  // namespace

TTestTableEditor::TTestTableEditor(QWidget* parent)
    : QPlainTextEdit(parent),
      FMargin(new TNumberMargin(this, [this](QPaintEvent& event) { PaintNumbers(event); })) {
  FMargin->setObjectName(QStringLiteral("LineNumbers"));
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // Columns lined up with tabs stay lined up with the header written with spaces.
  setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4);
  connect(this, &QPlainTextEdit::blockCountChanged, this, &TTestTableEditor::FitMargin);
  connect(this, &QPlainTextEdit::updateRequest, this, &TTestTableEditor::ScrollMargin);
  connect(this, &QPlainTextEdit::cursorPositionChanged, FMargin, qOverload<>(&QWidget::update));
  FitMargin();
}

int TTestTableEditor::NumberMarginWidth() const {
  const int digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
  // Room for three digits at least, so that the text does not shift while a table grows.
  return 2 * MarginPadding +
         fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(3, digits);
}

void TTestTableEditor::MoveCursorTo(int line, int column) {
  const QTextBlock block = document()->findBlockByNumber(std::max(0, line - 1));
  if (!block.isValid()) {
    return;
  }
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                      std::clamp(column - 1, 0, std::max(0, block.length() - 1)));
  setTextCursor(cursor);
  ensureCursorVisible();
  setFocus();
}

void TTestTableEditor::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect inside = contentsRect();
  FMargin->setGeometry(inside.left(), inside.top(), NumberMarginWidth(), inside.height());
}

void TTestTableEditor::FitMargin() {
  setViewportMargins(NumberMarginWidth(), 0, 0, 0);
  const QRect inside = contentsRect();
  FMargin->setGeometry(inside.left(), inside.top(), NumberMarginWidth(), inside.height());
}

void TTestTableEditor::ScrollMargin(const QRect& area, int dy) {
  if (dy != 0) {
    FMargin->scroll(0, dy);
  } else {
    FMargin->update(0, area.y(), FMargin->width(), area.height());
  }
}

void TTestTableEditor::PaintNumbers(QPaintEvent& event) {
  QPainter painter(FMargin);
  painter.fillRect(event.rect(), palette().color(QPalette::Window));
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  const int currentLine = textCursor().blockNumber();
  QTextBlock block = firstVisibleBlock();
  qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
  const int lineHeight = fontMetrics().height();
  while (block.isValid() && top <= event.rect().bottom()) {
    if (block.isVisible() && top + lineHeight >= event.rect().top()) {
      // The cursor's line stands out, so that an error's line is found at a glance.
      painter.setPen(palette().color(
          block.blockNumber() == currentLine ? QPalette::Active : QPalette::Disabled,
          QPalette::Text));
      painter.drawText(QRectF(0, top, FMargin->width() - MarginPadding, lineHeight),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(block.blockNumber() + 1));
    }
    top += blockBoundingRect(block).height();
    block = block.next();
  }
}

}  // namespace logivane
