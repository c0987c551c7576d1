#include "app/Settings.h"

#include "dialogs/PreferencesDlg.h"

#include <QSettings>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>

namespace logivane {

namespace {

const QString Root = QStringLiteral("3.04/");
constexpr int FileHistoryLength = 5;
/// The themes as the store names them, in the order of TTheme: words, so that the store reads
/// the same whatever the program's language.
const std::array<QString, 3> ThemeNames{QStringLiteral("System"), QStringLiteral("Light"),
                                        QStringLiteral("Dark")};

/// Reads the values of one group; once one of them is missing or unreadable the whole group is
/// taken as unreadable, as a damaged group cannot be trusted value by value.
class TGroupReader {
public:
  TGroupReader(QSettings& store, const char* group) : FStore(store) {
    FStore.beginGroup(Root + QLatin1String(group));
  }
  ~TGroupReader() { FStore.endGroup(); }
  TGroupReader(const TGroupReader&) = delete;
  TGroupReader& operator=(const TGroupReader&) = delete;

  int Integer(const char* name) {
    const QVariant value = FStore.value(QLatin1String(name));
    bool ok = value.isValid();
    const int number = ok ? value.toString().toInt(&ok) : 0;
    FSound = FSound && ok;
    return number;
  }
  bool Boolean(const char* name) { return Integer(name) != 0; }
  QRect Bounds() {
    const int top = Integer("Top");
    const int left = Integer("Left");
    return {left, top, Integer("Width"), Integer("Height")};
  }
  bool Sound() const { return FSound; }

private:
  QSettings& FStore;
  bool FSound = true;
};

void WriteBounds(QSettings& store, const QRect& r) {
  store.setValue(QStringLiteral("Top"), r.top());
  store.setValue(QStringLiteral("Left"), r.left());
  store.setValue(QStringLiteral("Width"), r.width());
  store.setValue(QStringLiteral("Height"), r.height());
}

int InRange(int value, int low, int high, int otherwise) {
  return value >= low && value <= high ? value : otherwise;
}

void ReadWindow(QSettings& store, TProgramSettings& settings, const TProgramSettings& defaults) {
  TGroupReader group(store, "Window");
  const bool maximized = group.Boolean("Maximized");
  if (group.Sound() && maximized) {
    settings.Maximized = true;
    return;
  }
  const QRect bounds = group.Bounds();
  if (group.Sound()) {
    settings.Window = bounds;
  } else {
    settings.Window = defaults.Window;
  }
}

void ReadView(QSettings& store, TProgramSettings& settings) {
  // The zoom came later than the grid values: a store without it keeps them.
  const QVariant zoom = store.value(Root + QStringLiteral("View/Zoom"));
  if (zoom.isValid()) {
    settings.ZoomPercent = InRange(zoom.toInt(), 25, 400, 100);
  }
  TGroupReader group(store, "View");
  const bool showGrid = group.Boolean("Show Grid");
  const bool snap = group.Boolean("Snap");
  const int spacing = group.Integer("Snap Size");
  const int frequency = group.Integer("Display Size");
  const int angle = group.Integer("Angle");
  if (!group.Sound()) {
    return;  // the defaults stand for all five
  }
  settings.ShowGrid = showGrid;
  settings.SnapToGrid = snap;
  // The ranges of the grid dialog; note that a bad display size gives 2, not the default.
  settings.Spacing = InRange(spacing, 5, 60, 5);
  settings.DisplayFrequency = InRange(frequency, 1, 5, 2);
  settings.AngleStep = InRange(angle, 5, 90, 10);
}

void ReadClock(QSettings& store, TProgramSettings& settings) {
  TGroupReader group(store, "Clock");
  const int interval = group.Integer("Interval");
  if (!group.Sound()) {
    return;
  }
  const std::initializer_list<int> speeds = {500, 250, 100, 50, 10};
  settings.ClockInterval =
      std::find(speeds.begin(), speeds.end(), interval) != speeds.end() ? interval : 100;
}

void ReadToolWindow(QSettings& store, const char* name, QRect& bounds, bool& stored, bool& visible,
                    bool* statusVisible) {
  TGroupReader group(store, name);
  const QRect read = group.Bounds();
  const bool shown = group.Boolean("Visible");
  const bool status = statusVisible ? group.Boolean("Status Visible") : false;
  if (!group.Sound()) {
    return;
  }
  bounds = read;
  stored = true;
  visible = shown;
  if (statusVisible) {
    *statusVisible = status;
  }
}

void ReadFileHistory(QSettings& store, TProgramSettings& settings) {
  store.beginGroup(Root + QStringLiteral("File History"));
  for (int i = 1; i <= FileHistoryLength; ++i) {
    const QVariant entry = store.value(QString::number(i));
    if (entry.isValid() && !entry.toString().isEmpty()) {
      settings.FileHistory.append(entry.toString());
    }
  }
  store.endGroup();
}

/// The options are read one by one: each has a sensible default of its own.
void ReadOptions(QSettings& store, TProgramSettings& settings) {
  store.beginGroup(Root + QStringLiteral("Options"));
  bool ok = false;
  const int interval = store.value(QStringLiteral("Autosave Interval")).toString().toInt(&ok);
  if (ok) {
    settings.AutosaveInterval = InRange(interval, 0, MaxAutosaveInterval, 60);
  }
  settings.ReopenLastCircuit = store.value(QStringLiteral("Reopen Last Circuit")).toInt() != 0;
  const int depth = store.value(QStringLiteral("History Depth")).toString().toInt(&ok);
  if (ok) {
    settings.HistoryDepth = InRange(depth, 1, TStepHistory::MaxDepth, TStepHistory::DefaultDepth);
  }
  const auto theme = std::find(ThemeNames.begin(), ThemeNames.end(),
                               store.value(QStringLiteral("Theme")).toString());
  if (theme != ThemeNames.end()) {
    settings.Theme = static_cast<TTheme>(theme - ThemeNames.begin());
  }
  store.endGroup();
  settings.Language = ReadLanguage(store);

  store.beginGroup(Root + QStringLiteral("Last Session"));
  settings.LastCircuit = store.value(QStringLiteral("File")).toString();
  const QStringList path =
      store.value(QStringLiteral("Level")).toString().split(u'/', Qt::SkipEmptyParts);
  for (const QString& step : path) {
    const int index = step.toInt(&ok);
    if (!ok || index < 0) {
      settings.LastLevelPath.clear();  // a damaged path shows the root
      break;
    }
    settings.LastLevelPath.append(index);
  }
  store.endGroup();
}

void WriteOptions(QSettings& store, const TProgramSettings& settings) {
  store.beginGroup(Root + QStringLiteral("Options"));
  store.setValue(QStringLiteral("Autosave Interval"), settings.AutosaveInterval);
  store.setValue(QStringLiteral("Reopen Last Circuit"), int(settings.ReopenLastCircuit));
  store.setValue(QStringLiteral("History Depth"), settings.HistoryDepth);
  store.setValue(QStringLiteral("Language"), settings.Language);
  store.setValue(QStringLiteral("Theme"), ThemeNames[static_cast<std::size_t>(settings.Theme)]);
  store.endGroup();

  store.beginGroup(Root + QStringLiteral("Last Session"));
  store.setValue(QStringLiteral("File"), settings.LastCircuit);
  QStringList path;
  for (const int index : settings.LastLevelPath) {
    path.append(QString::number(index));
  }
  store.setValue(QStringLiteral("Level"), path.join(u'/'));
  store.endGroup();
}

}  // namespace

QString ReadLanguage(QSettings& store) {
  const QString code = store.value(Root + QStringLiteral("Options/Language")).toString();
  const auto known = [&code](const char* language) {
    return code == QLatin1String(language);
  };
  return std::any_of(std::begin(LanguageCodes), std::end(LanguageCodes), known) ? code : QString();
}

TProgramSettings DefaultSettings(QSize screen) {
  TProgramSettings settings;
  const int w = screen.width() / 8;
  const int h = screen.height() / 8;
  settings.Window = QRect(w, h, w * 6, h * 6);
  settings.PartsCentre = QRect(screen.width() - 200 - 16, 16, 200, 360);
  return settings;
}

TProgramSettings ReadSettings(QSettings& store, QSize screen) {
  const TProgramSettings defaults = DefaultSettings(screen);
  TProgramSettings settings = defaults;
  ReadWindow(store, settings, defaults);
  ReadView(store, settings);
  ReadClock(store, settings);
  ReadToolWindow(store, "Parts Centre", settings.PartsCentre, settings.PartsCentreStored,
                 settings.PartsCentreVisible, &settings.PartsCentreStatusVisible);
  ReadToolWindow(store, "Logic History", settings.LogicHistory, settings.LogicHistoryStored,
                 settings.LogicHistoryVisible, nullptr);
  // Read apart from the group: stores of earlier versions have no such value.
  settings.LogicHistoryBusValues =
      store.value(Root + QStringLiteral("Logic History/Show Bus Values")).toInt() != 0;
  ReadFileHistory(store, settings);
  settings.DatasheetFolder =
      store.value(Root + QStringLiteral("Folders/Datasheet Path")).toString();
  ReadOptions(store, settings);
  return settings;
}
void WriteSettings(QSettings& store, const TProgramSettings& settings) {
  store.beginGroup(Root + QStringLiteral("Window"));
  store.setValue(QStringLiteral("Maximized"), int(settings.Maximized));
  if (!settings.Maximized) {
    WriteBounds(store, settings.Window);
  }
  store.endGroup();

  store.beginGroup(Root + QStringLiteral("View"));
  store.setValue(QStringLiteral("Show Grid"), int(settings.ShowGrid));
  store.setValue(QStringLiteral("Snap"), int(settings.SnapToGrid));
  store.setValue(QStringLiteral("Snap Size"), settings.Spacing);
  store.setValue(QStringLiteral("Display Size"), settings.DisplayFrequency);
  store.setValue(QStringLiteral("Angle"), settings.AngleStep);
  if (settings.ZoomPercent) {
    store.setValue(QStringLiteral("Zoom"), *settings.ZoomPercent);
  }
  store.endGroup();

  store.setValue(Root + QStringLiteral("Clock/Interval"), settings.ClockInterval);

  store.beginGroup(Root + QStringLiteral("Parts Centre"));
  store.setValue(QStringLiteral("Visible"), int(settings.PartsCentreVisible));
  WriteBounds(store, settings.PartsCentre);
  store.setValue(QStringLiteral("Status Visible"), int(settings.PartsCentreStatusVisible));
  store.endGroup();

  store.beginGroup(Root + QStringLiteral("Logic History"));
  store.setValue(QStringLiteral("Visible"), int(settings.LogicHistoryVisible));
  WriteBounds(store, settings.LogicHistory);
  store.setValue(QStringLiteral("Show Bus Values"), int(settings.LogicHistoryBusValues));
  store.endGroup();

  store.remove(Root + QStringLiteral("File History"));
  store.beginGroup(Root + QStringLiteral("File History"));
  for (int i = 0; i < std::min<int>(settings.FileHistory.size(), FileHistoryLength); ++i) {
    store.setValue(QString::number(i + 1), settings.FileHistory[i]);
  }
  store.endGroup();

  store.setValue(Root + QStringLiteral("Folders/Datasheet Path"), settings.DatasheetFolder);
  WriteOptions(store, settings);
  store.sync();
}

}  // namespace logivane
