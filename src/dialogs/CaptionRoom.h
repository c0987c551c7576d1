#pragma once

class QWidget;

namespace logivane {

/// The width that the caption of `window` needs in the desktop's title bar, beside the
/// window's icon and buttons: a dialog no wider than its controls would have it cut short.
int CaptionRoom(const QWidget& window);

}  // namespace logivane
