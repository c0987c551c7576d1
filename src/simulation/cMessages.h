#pragma once

#include <QString>

namespace logivane {

/**
 * @brief Where the model sends the errors that the user must acknowledge.
 *
 * The model never opens a window: the application installs a sink that shows a message box,
 * command-line tools one that prints.
 */
class TMessageSink {
public:
  virtual ~TMessageSink() = default;
  /// An error box with one OK button.
  virtual void ShowError(const QString& text) = 0;
};

/// Keeps the last error; the sink in force until the application installs its own.
class TStoredMessages : public TMessageSink {
public:
  void ShowError(const QString& text) override { LastError = text; }

  QString LastError;
};

/// The sink in force: a process-wide `TStoredMessages`.
TMessageSink& MessageSink();

}  // namespace logivane
