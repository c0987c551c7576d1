#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace logivane {

/**
 * @brief Every message box of the program goes through here, so that tests can read the text
 * and give the answer instead of a person.
 */
namespace UserMessages {

using THandler = std::function<QMessageBox::StandardButton(
    QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)>;

/// A message with an OK button.
void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text);
/// A question; returns the button chosen.
QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::Icon icon = QMessageBox::Question);
/// Replaces the message boxes by `handler`; an empty one brings the boxes back.
void SetHandler(THandler handler);

}  // namespace UserMessages

}  // namespace logivane
