#include "app/Theme.h"

#include "document/cColourScheme.h"
#include "editor/LogivaneDrawing.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/SchemedIcon.h"

#include <QApplication>
#include <QStyle>
#include <QToolButton>

#include <optional>
#include <utility>

namespace logivane {

namespace {

/// The desktop's look as the program found it, before any theme replaced it.
struct TDesktopLook {
  QString Style;
  QPalette Palette;
};

const TDesktopLook& DesktopLook() {
  static const TDesktopLook look{QApplication::style()->name(), QApplication::palette()};
  return look;
}

/// Sets the style only when it changes: a new style repolishes every widget.
void UseStyle(const QString& name) {
  if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0) {
    QApplication::setStyle(name);
  }
}

bool IsOverflowButton(const QToolButton& button) {
  return button.objectName() == QLatin1String("qt_toolbar_ext_button") ||
         button.objectName() == QLatin1String("qt_menubar_ext_button");
}

/// Makes `widget` show itself in the new look where a change of palette alone would not.
void Repaint(QWidget& widget) {
  // A widget with a style sheet keeps the palette it was polished with; polishing it again
  // gives it the new one.
  if (const QString sheet = widget.styleSheet(); !sheet.isEmpty()) {
    widget.setStyleSheet(QString());
    widget.setStyleSheet(sheet);
  }
  // The style draws the arrow of a tool bar's or menu bar's overflow button black, as on white.
  if (auto* more = qobject_cast<QToolButton*>(&widget); more && IsOverflowButton(*more)) {
    more->setIcon(SchemedIcon(
        more->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, more)));
  }
  // The drawings keep what they painted in a buffer, and the Logic History its background.
  if (auto* drawing = qobject_cast<TLogivaneDrawing*>(&widget)) {
    drawing->InvalidateAll();
  } else if (auto* history = qobject_cast<TAnalyserForm*>(&widget)) {
    history->FollowScheme();
  }
}

}  // namespace

QPalette DarkPalette() {
  const QColor window(53, 53, 53);
  const QColor base(35, 35, 35);
  const QColor text(230, 230, 230);
  const QColor disabled(127, 127, 127);
  const QColor highlight(42, 130, 218);
  QPalette palette;
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, window);
  palette.setColor(QPalette::ToolTipBase, base);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, disabled);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, window);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, Qt::red);
  palette.setColor(QPalette::Light, QColor(80, 80, 80));
  palette.setColor(QPalette::Midlight, QColor(66, 66, 66));
  palette.setColor(QPalette::Mid, QColor(44, 44, 44));
  palette.setColor(QPalette::Dark, QColor(25, 25, 25));
  palette.setColor(QPalette::Shadow, QColor(20, 20, 20));
  palette.setColor(QPalette::Link, highlight.lighter(130));
  palette.setColor(QPalette::LinkVisited, QColor(170, 130, 220));
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, Qt::white);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Disabled, role, disabled);
  }
  palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
  return palette;
}

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

void ApplyTheme(TTheme theme) {
  // Each window applies its preferences when it opens, and Preferences on every OK; only a
  // change of theme is worth repolishing every widget for.
  static std::optional<TTheme> applied;
  if (std::exchange(applied, theme) == theme) {
    return;
  }
  const TDesktopLook& desktop = DesktopLook();
  const bool system = theme == TTheme::System;
  const bool dark = system ? IsDarkPalette(desktop.Palette) : theme == TTheme::Dark;
  TColourScheme::SetScreen(dark ? TColourScheme::Dark() : TColourScheme::Light());
  UseStyle(system ? desktop.Style : QStringLiteral("Fusion"));
  if (system) {
    QApplication::setPalette(desktop.Palette);
  } else {
    QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());
  }
  for (QWidget* widget : QApplication::allWidgets()) {
    Repaint(*widget);
  }
}

}  // namespace logivane
