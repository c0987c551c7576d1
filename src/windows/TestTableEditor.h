#pragma once

#include <QPlainTextEdit>

namespace logivane {

/**
 * @brief The text of a test table: a plain-text editor in a fixed-pitch font, so that the
 * columns of a table line up, with the line numbers in a margin, since every error of a table
 * is reported by its line.
 */
class TTestTableEditor : public QPlainTextEdit {
  Q_OBJECT
public:
  explicit TTestTableEditor(QWidget* parent = nullptr);

  /// Puts the cursor on `line` at `column` (both from 1) and gives the editor the focus.
  void MoveCursorTo(int line, int column);
  /// The width of the margin that shows the line numbers.
  int NumberMarginWidth() const;

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void PaintNumbers(QPaintEvent& event);
  void FitMargin();
  void ScrollMargin(const QRect& area, int dy);

  /// Painted by the editor, which knows where its lines lie.
  QWidget* FMargin = nullptr;
};

}  // namespace logivane
