#pragma once

#include "editor/UserMessages.h"

#include <QStringList>

namespace logivane::test {

/// While it lives, the texts of the program's message boxes are recorded here instead of shown,
/// and a question is answered with `Answer` when it offers that button, else with OK.
class TRecordedMessages : public QStringList {
public:
  TRecordedMessages() {
    UserMessages::SetHandler([this](QMessageBox::Icon, const QString& text, auto buttons) {
      append(text);
      return buttons.testFlag(Answer) ? Answer : QMessageBox::Ok;
    });
  }
  ~TRecordedMessages() { UserMessages::SetHandler({}); }
  TRecordedMessages(const TRecordedMessages&) = delete;
  TRecordedMessages& operator=(const TRecordedMessages&) = delete;

  QMessageBox::StandardButton Answer = QMessageBox::Yes;
};

}  // namespace logivane::test
