#include "dialogs/CaptionRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace logivane {

int CaptionRoom(const QWidget& window) {
  // Title bars set their captions in bold, with the icon and three buttons (with some space
  // between them) on either side.
  constexpr int Buttons = 5;
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window.windowTitle()) +
         Buttons * window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
}

}  // namespace logivane
