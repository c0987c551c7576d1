#pragma once

#include "simulation/cStepHistory.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TPreferencesDialog;
}

namespace logivane {

/// The look of the windows and the drawing; the numbers are the places in the Theme box.
enum class TTheme { System, Light, Dark };

/// What the Preferences dialog edits: the program's choices that are no part of a circuit.
struct TPreferences {
  /// Seconds between two recovery copies of a circuit with unsaved changes; 0 writes none.
  int AutosaveInterval = 60;
  /// Whether a start without a file opens the circuit that was open at exit.
  bool ReopenLastCircuit = false;
  /// How many steps Step Back can go back.
  int HistoryDepth = TStepHistory::DefaultDepth;
  /// The language of the texts: a code of `LanguageCodes`, empty for the system's language.
  QString Language;
  TTheme Theme = TTheme::System;

  bool operator==(const TPreferences&) const = default;
};

/// The languages the program speaks, by the code that the settings keep; empty follows the
/// system.
inline constexpr const char* LanguageCodes[] = {"", "en", "de", "fr", "es"};

/**
 * @brief The "Preferences" dialog of Tools > Options.
 *
 * Its choices are grouped by subject: "Files", "Simulation", "Language" and "Appearance".
 */
class TPreferencesDialog : public QDialog {
  Q_OBJECT
public:
  /// `longestAutosave` is the largest interval, in seconds, that the autosave box takes.
  explicit TPreferencesDialog(int longestAutosave, QWidget* parent = nullptr);
  ~TPreferencesDialog() override;

  void SetValues(const TPreferences& values);
  TPreferences Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the controls back and returns
  /// true, on Cancel leaves `values` alone and returns false.
  bool Edit(TPreferences& values);

private:
  std::unique_ptr<Ui::TPreferencesDialog> FUi;
};

}  // namespace logivane
