#include "app/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace logivane {

namespace {

/// A window is not made shorter than this to keep it clear of the bars.
constexpr int SmallestHeight = 120;
/// How much of a restored window must lie on a screen for the user to take hold of it.
constexpr QSize HoldingRoom(48, 24);
const QString PendingName = QStringLiteral("FirstPlace");

QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

/// The main window's frame from its top down to the lowest of its menu bar and tool bars:
/// covering any part of it hides a title-bar button, a menu or a tool.
QRect BarBand(const QMainWindow& main) {
  const QRect frame = main.frameGeometry();
  int bottom = main.geometry().top() - 1;
  QList<const QWidget*> bars{main.menuBar()};
  for (const QToolBar* bar : main.findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
    bars.append(bar);
  }
  for (const QWidget* bar : bars) {
    if (bar->isVisible()) {
      bottom = std::max(bottom, bar->mapToGlobal(QPoint(0, bar->height() - 1)).y());
    }
  }
  return {frame.left(), frame.top(), frame.width(), bottom - frame.top() + 1};
}

QRect AtCorner(QSize size, Qt::Alignment corner, const QRect& screen) {
  const int x = corner.testFlag(Qt::AlignRight) ? screen.right() + 1 - size.width()
                : corner.testFlag(Qt::AlignHCenter)
                    ? screen.left() + (screen.width() - size.width()) / 2
                    : screen.left();
  const int y = corner.testFlag(Qt::AlignBottom) ? screen.bottom() + 1 - size.height()
                : corner.testFlag(Qt::AlignVCenter)
                    ? screen.top() + (screen.height() - size.height()) / 2
                    : screen.top();
  return {QPoint(x, y), size};
}

/// Waits for the first showing of its window (its parent) to place it, then goes.
class TFirstPlace : public QObject {
public:
  TFirstPlace(QMainWindow& main, QWidget& window, Qt::Alignment corner)
      : QObject(&window), FMain(&main), FCorner(corner) {
    setObjectName(PendingName);
    window.installEventFilter(this);
  }

  QRect Place(const QWidget& window) const {
    if (!FMain) {
      return window.geometry();
    }
    // A window's frame is known only once it has been shown: it is taken to be the main
    // window's.
    const QMargins frame = FrameMargins(*FMain);
    const int minimumHeight =
        std::max(window.minimumSizeHint().height() + frame.top() + frame.bottom(), SmallestHeight);
    return ClearPlace(window.size().grownBy(frame), minimumHeight, FCorner,
                      FMain->screen()->availableGeometry(), BarBand(*FMain))
        .marginsRemoved(frame);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The show event comes before the window is on the screen, so it appears in its place.
    if (event->type() == QEvent::Show) {
      auto& window = static_cast<QWidget&>(*watched);
      window.setGeometry(Place(window));
      window.removeEventFilter(this);
      setParent(nullptr);
      deleteLater();
    }
    return false;
  }

private:
  QPointer<QMainWindow> FMain;
  Qt::Alignment FCorner;
};

TFirstPlace* Pending(const QWidget& window) {
  return static_cast<TFirstPlace*>(
      window.findChild<QObject*>(PendingName, Qt::FindDirectChildrenOnly));
}

bool OnSomeScreen(const QRect& bounds) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  return std::any_of(screens.begin(), screens.end(), [&bounds](const QScreen* screen) {
    const QSize shown = screen->availableGeometry().intersected(bounds).size();
    return shown.width() >= HoldingRoom.width() && shown.height() >= HoldingRoom.height();
  });
}

}  // namespace

void PlaceWhenFirstShown(QMainWindow& main, QWidget& window, Qt::Alignment corner) {
  delete Pending(window);
  new TFirstPlace(main, window, corner);
}

void RestorePlace(QWidget& window, const QRect& stored) {
  if (!OnSomeScreen(stored)) {
    window.resize(stored.size());
    return;
  }
  delete Pending(window);
  window.setGeometry(stored);
}

QRect PlacedGeometry(const QWidget& window) {
  const TFirstPlace* pending = Pending(window);
  return pending ? pending->Place(window) : window.geometry();
}

QRect ClearPlace(QSize size, int minimumHeight, Qt::Alignment corner, const QRect& screen,
                 const QRect& band) {
  const QRect place = AtCorner(size.boundedTo(screen.size()), corner, screen);
  if (!place.intersects(band)) {
    return place;
  }
  QRect below = place;
  below.moveTop(band.bottom() + 1);
  const QRect right = place.translated(band.right() + 1 - place.left(), 0);
  const QRect left = place.translated(band.left() - 1 - place.right(), 0);
  for (const QRect& candidate : {below, right, left}) {
    if (screen.contains(candidate)) {
      return candidate;
    }
  }
  below.setBottom(screen.bottom());
  return below.height() >= minimumHeight ? below : place;
}

}  // namespace logivane
