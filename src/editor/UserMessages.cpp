#include "editor/UserMessages.h"

#include <QApplication>

namespace logivane::UserMessages {

namespace {

THandler& Handler() {
  static THandler handler;
  return handler;
}

QMessageBox::StandardButton Box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
  if (Handler()) {
    return Handler()(icon, text, buttons);
  }
  QMessageBox box(icon, QApplication::applicationName(), text, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  Box(parent, icon, text, QMessageBox::Ok);
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) {
  return Box(parent, icon, text, buttons);
}

void SetHandler(THandler handler) {
  Handler() = std::move(handler);
}

}  // namespace logivane::UserMessages
