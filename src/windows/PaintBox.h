#pragma once

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace logivane {

/**
 * @brief A plain widget whose owner paints it: the owner sets `OnPaint`, which is given a
 * painter on the widget and the rectangle to repaint, and fills its background itself.
 */
class TPaintBox : public QWidget {
public:
  using TPaintHandler = std::function<void(QPainter& painter, const QRect& area)>;

  explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  TPaintHandler OnPaint;

protected:
  void paintEvent(QPaintEvent* event) override {
    if (OnPaint) {
      QPainter painter(this);
      OnPaint(painter, event->rect());
    }
  }
};

}  // namespace logivane
