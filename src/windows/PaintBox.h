#pragma once

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace logivane {

/**
 * @brief A plain widget whose owner paints it: the owner sets `OnPaint`, which is given a
 * painter on the widget and the rectangle to repaint, and fills its background itself. An owner
 * that takes clicks sets `OnClick`.
 */
class TPaintBox : public QWidget {
public:
  using TPaintHandler = std::function<void(QPainter& painter, const QRect& area)>;

  explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  using TClickHandler = std::function<void(QPoint position)>;

  TPaintHandler OnPaint;
  /// Called with the point, in the box, where the left button was pressed.
  TClickHandler OnClick;

protected:
  void paintEvent(QPaintEvent* event) override {
    if (OnPaint) {
      QPainter painter(this);
      OnPaint(painter, event->rect());
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (OnClick && event->button() == Qt::LeftButton) {
      OnClick(event->position().toPoint());
      return;
    }
    QWidget::mousePressEvent(event);
  }
};

}  // namespace logivane
