#pragma once

#include <QRect>

class QMainWindow;
class QWidget;

namespace logivane {

// Where the main window's tool windows appear. A window is placed the first time it is shown,
// beside the main window as it is then: on the main window's screen, wholly inside the part of
// it that the desktop leaves free, and clear of the main window's title bar, menus and tool bars.
// A place kept from an earlier run is restored as it was, unless it lies on no screen any more
// (another monitor set-up), and then the window is placed anew when it is shown.

/// Places `window` at `corner` of the screen (a combination of a horizontal and a vertical
/// Qt::Alignment flag) when it is first shown, moved clear of `main`'s bars if need be.
void PlaceWhenFirstShown(QMainWindow& main, QWidget& window, Qt::Alignment corner);

/// Puts `window` at `stored`, its geometry (without the frame) in an earlier run. A place on no
/// screen keeps only its size, and the window is placed when first shown.
void RestorePlace(QWidget& window, const QRect& stored);

/// The geometry of `window`, or the one that it would get if it were first shown now.
QRect PlacedGeometry(const QWidget& window);

/// The frame of a window of `size` at `corner` of `screen`, clear of `band`: moved below it,
/// else beside it, else shortened to fit below it, but not under `minimumHeight`; failing all
/// of these, at the corner.
QRect ClearPlace(QSize size, int minimumHeight, Qt::Alignment corner, const QRect& screen,
                 const QRect& band);

}  // namespace logivane
