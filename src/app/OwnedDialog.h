#pragma once

#include <QWidget>

namespace logivane {

/// The window's one dialog of this class, created when first needed: the dialogs keep the
/// user's last choices (the sequence mode, the numeric format, the style of a text) between
/// showings.
template <class Dialog>
Dialog& OwnedDialog(QWidget& window) {
  auto* dialog = window.findChild<Dialog*>(QString(), Qt::FindDirectChildrenOnly);
  return dialog ? *dialog : *new Dialog(&window);
}

}  // namespace logivane
