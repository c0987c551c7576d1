#pragma once

#include "dialogs/PreferencesDlg.h"
#include "simulation/cStepHistory.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

namespace logivane {

/**
 * @brief Everything the program keeps from one run to the next, as the settings store holds it
 * under "3.04": the main window's place, the grid, the clock, the two tool windows, the recent
 * files and the datasheet folder.
 */
struct TProgramSettings {
  bool Maximized = false;
  /// Left, top, width and height of the main window.
  QRect Window;

  bool ShowGrid = true;
  bool SnapToGrid = true;
  int Spacing = 5;
  int DisplayFrequency = 4;
  int AngleStep = 10;
  /// The drawing's zoom in percent, 25 to 400; none until the user has had one, when the
  /// drawing starts at the zoom that suits the screen.
  std::optional<int> ZoomPercent;

  /// Milliseconds between two simulation steps.
  int ClockInterval = 100;

  /// The bounds of the two tool windows. Unless they were read from the store, only their
  /// sizes count: the windows are then placed when first shown.
  QRect PartsCentre;
  bool PartsCentreStored = false;
  bool PartsCentreVisible = false;
  bool PartsCentreStatusVisible = false;

  QRect LogicHistory{16, 16, 500, 186};
  bool LogicHistoryStored = false;
  bool LogicHistoryVisible = false;
  /// The Logic History draws numeric displays as bus lanes.
  bool LogicHistoryBusValues = false;

  /// The most recent first, at most five.
  QStringList FileHistory;
  QString DatasheetFolder;

  /// Seconds between two recovery copies of a circuit with unsaved changes; 0 writes none.
  int AutosaveInterval = 60;
  /// Whether a start without a file opens the circuit that was open at exit.
  bool ReopenLastCircuit = false;
  /// How many steps Step Back can go back.
  int HistoryDepth = TStepHistory::DefaultDepth;
  TTheme Theme = TTheme::System;
  /// The circuit open at exit, if it had a file, and the macro level then shown: for each level
  /// below the root, its index among its parent's devices.
  QString LastCircuit;
  QList<int> LastLevelPath;
  /// The language of the texts, a code of `LanguageCodes`; empty follows the system.
  QString Language;

  bool operator==(const TProgramSettings&) const = default;
};

/// The longest autosave interval the options take, in seconds: an hour.
constexpr int MaxAutosaveInterval = 3600;

/// The settings of a first run on a screen of `screen` size.
TProgramSettings DefaultSettings(QSize screen);

/// Reads the settings from `store`. A group that is missing, or any of whose values is
/// missing or unreadable, gives the defaults for all of its values; values out of range are
/// replaced. Nothing that the store holds can make reading fail.
TProgramSettings ReadSettings(QSettings& store, QSize screen);

/// The language kept in `store`: a code of `LanguageCodes`, or empty for the system's language.
QString ReadLanguage(QSettings& store);

/// Writes `settings` to `store`. A maximised window leaves its stored bounds as they were.
void WriteSettings(QSettings& store, const TProgramSettings& settings);

}  // namespace logivane
