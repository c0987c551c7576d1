#pragma once

class QAction;
class QWidget;

namespace logivane {

/**
 * @brief Names for assistive technology and hints that teach the keys.
 *
 * A screen reader reads a tool button's accessible name, and a person who prefers the keyboard
 * learns a command's key from its hint, so both come from the action the button gives: the name
 * from its caption, the hint ending with its shortcut. Both follow the action when its caption,
 * hint or shortcut change.
 */
namespace ControlLabels {

/// Ends the hint of `action` with the shortcut of `command`, the action itself when none: a
/// tool button gives the same command as a menu entry that owns the key.
void ShowShortcut(QAction& action, const QAction* command = nullptr);

/// Labels every action and control of `window`: each action's hint names its shortcut, each
/// tool button takes its action's caption as its accessible name, and a control without a name
/// takes its hint. Run once the window has made its actions and tool bars.
void Label(QWidget& window);

}  // namespace ControlLabels

}  // namespace logivane
