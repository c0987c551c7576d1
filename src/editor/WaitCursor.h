#pragma once

#include <QApplication>
#include <QCursor>

namespace logivane {

/// Shows the hourglass for as long as it lives: long operations of the editor hold one.
class TWaitCursor {
public:
  TWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace logivane
