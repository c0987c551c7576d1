#include "windows/ControlLabels.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QToolButton>
#include <QWidget>

namespace logivane::ControlLabels {

namespace {

/// On an action, the part of its hint that the shortcut added, so that a changed key replaces
/// it; on a button, that it is named already.
constexpr const char* AddedKey = "logivaneShortcutHint";

/// What a screen reader says for a caption: no mnemonic marks, no padding.
QString Spoken(QString caption) {
  caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
  caption.remove(QLatin1Char('&'));
  caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return caption.trimmed();
}

void RefreshHint(QAction& action, const QAction& command) {
  const QString added = action.property(AddedKey).toString();
  QString hint = action.toolTip();
  if (!added.isEmpty() && hint.endsWith(added)) {
    hint.chop(added.size());
  }
  const QString key = command.shortcut().toString(QKeySequence::NativeText);
  const QString suffix = key.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(key);
  action.setProperty(AddedKey, suffix);
  if (hint + suffix != action.toolTip()) {
    action.setToolTip(hint + suffix);  // emits `changed`, which finds nothing left to do
  }
}

void NameButton(QToolButton& button) {
  const QAction* action = button.defaultAction();
  QString name = Spoken(action ? action->text() : button.text());
  if (name.isEmpty()) {
    name = Spoken(action ? action->toolTip() : button.toolTip());
  }
  if (name.isEmpty() && button.objectName() == QLatin1String("qt_toolbar_ext_button")) {
    name = QCoreApplication::translate("ControlLabels", "More tool buttons");
  } else if (name.isEmpty() && button.objectName() == QLatin1String("qt_menubar_ext_button")) {
    name = QCoreApplication::translate("ControlLabels", "More menus");
  }
  button.setAccessibleName(name);
  button.setAccessibleDescription(action ? action->toolTip() : button.toolTip());
}

}  // namespace

void ShowShortcut(QAction& action, const QAction* command) {
  if (action.property(AddedKey).isValid()) {
    return;  // already followed
  }
  const QPointer<const QAction> source = command ? command : &action;
  RefreshHint(action, *source);
  auto refresh = [&action, source] {
    if (source) {
      RefreshHint(action, *source);
    }
  };
  QObject::connect(&action, &QAction::changed, &action, refresh);
  if (command) {
    QObject::connect(command, &QAction::changed, &action, refresh);
  }
}

void Label(QWidget& window) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (!action->isSeparator()) {
      ShowShortcut(*action);
    }
  }
  for (QToolButton* button : window.findChildren<QToolButton*>()) {
    if (button->property(AddedKey).isValid()) {
      continue;  // a tool window of `window`, labelled already
    }
    button->setProperty(AddedKey, true);
    NameButton(*button);
    if (QAction* action = button->defaultAction()) {
      QObject::connect(action, &QAction::changed, button, [button] { NameButton(*button); });
    }
  }
  // A control that a label names is read with the label's text; the others by their hint.
  QSet<const QWidget*> labelled;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    labelled.insert(label->buddy());
  }
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().isEmpty() &&
        !labelled.contains(control)) {
      control->setAccessibleName(Spoken(control->toolTip()));
    }
  }
}

}  // namespace logivane::ControlLabels
