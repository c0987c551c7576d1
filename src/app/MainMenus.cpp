#include "app/MainMenus.h"

#include "app/DeviceTools.h"
#include "app/LibraryFolder.h"
#include "app/MainUnit.h"
#include "app/RunCommands.h"
#include "app/TestTableCommands.h"
#include "document/cGrid.h"
#include "editor/DrawingClipboard.h"
#include "editor/LogivaneDrawing.h"
#include "windows/ControlLabels.h"
#include "windows/SchemedIcon.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace logivane {

namespace {

/// The clock-speed entries: name, caption and the timer interval, half the clock period.
struct TClockSpeed {
  const char* Name;
  const char* Caption;
  int Interval;
};

constexpr TClockSpeed ClockSpeeds[] = {
    {"HertzOne", QT_TRANSLATE_NOOP("TMainMenus", "1 Hertz"), 500},
    {"HertzTwo", QT_TRANSLATE_NOOP("TMainMenus", "2 Hertz"), 250},
    {"HertzFive", QT_TRANSLATE_NOOP("TMainMenus", "5 Hertz"), 100},
    {"HertzTen", QT_TRANSLATE_NOOP("TMainMenus", "10 Hertz"), 50},
    {"HertzFifty", QT_TRANSLATE_NOOP("TMainMenus", "50 Hertz"), 10},
};

}  // namespace

TMainMenus::TMainMenus(TMainForm& window, TLogivaneDrawing& drawing)
    : FWindow(window), FDrawing(drawing) {
}

void TMainMenus::Create() {
  CreateFileMenu();
  CreateEditMenu();
  CreateCircuitMenu();
  CreateViewMenu();
  CreateToolsMenu();
  CreateHelpMenu();
  CreateToolBars();
}

void TMainMenus::CreateFileMenu() {
  QMenu* menu = FWindow.NewMenu("MenuFile", tr("&File"), &FWindow);
  FWindow.menuBar()->addMenu(menu);
  auto add = [this, menu](const char* name, const QString& caption, auto command,
                          const QKeySequence& shortcut = {}) {
    QAction* action = FWindow.NewAction(name, caption, shortcut);
    QObject::connect(action, &QAction::triggered, &FWindow, command);
    menu->addAction(action);
    return action;
  };
  add("MenuNew", tr("&New Circuit"), &TMainForm::NewClick, QKeySequence(tr("Ctrl+N")));
  menu->addSeparator();
  add(
      "MenuOpen", tr("&Open"), [this] { FWindow.OpenClick(); }, QKeySequence(tr("Ctrl+O")));
  add("MenuSave", tr("&Save"), &TMainForm::SaveClick, QKeySequence(tr("Ctrl+S")));
  add("MenuSaveAs", tr("S&ave As..."), &TMainForm::SaveAsClick);
  menu->addSeparator();
  FReopenMenu = FWindow.NewMenu("MenuReopen", tr("&Reopen"), menu);
  for (int i = 0; i < 5; ++i) {
    QAction* entry = FReopenMenu->addAction(QString());
    entry->setObjectName(QStringLiteral("Reopen%1").arg(i + 1));
    // The entry's caption is the path, read when chosen, so the list may change under it.
    QObject::connect(entry, &QAction::triggered, &FWindow,
                     [this, entry] { FWindow.ReopenClick(entry->text()); });
  }
  QAction* reopen = menu->addMenu(FReopenMenu);
  reopen->setObjectName(QStringLiteral("MenuReopenEntry"));
  menu->addSeparator();
  add("MenuExportPicture", tr("&Export Picture..."), &TMainForm::ExportPictureClick);
  menu->addSeparator();
  add("MenuPrintSetup", tr("Print Set&up..."), &TMainForm::PrintSetupClick);
  add("MenuPrintPreview", tr("Print Pre&view..."), &TMainForm::PrintPreviewClick);
  add("MenuPrint", tr("&Print"), &TMainForm::PrintClick, QKeySequence(tr("Ctrl+P")));
  menu->addSeparator();
  add("MenuExit", tr("E&xit"), &TMainForm::close);
}

void TMainMenus::CreateEditMenu() {
  QMenu* menu = FWindow.NewMenu("MenuEdit", tr("&Edit"), &FWindow);
  FWindow.menuBar()->addMenu(menu);
  auto add = [this, menu](const char* name, const QString& caption, const QKeySequence& key,
                          auto command) {
    QAction* action = FWindow.NewAction(name, caption, key);
    QObject::connect(action, &QAction::triggered, &FWindow, command);
    menu->addAction(action);
    return action;
  };
  add("MenuUndo", tr("&Undo"), QKeySequence(tr("Ctrl+Z")), &TMainForm::UndoClick);
  add("MenuRedo", tr("&Redo"), QKeySequence(tr("Ctrl+Y")), &TMainForm::RedoClick)
      ->setShortcuts({QKeySequence(tr("Ctrl+Y")), QKeySequence(tr("Ctrl+Shift+Z"))});
  menu->addSeparator();
  add("MenuCut", tr("&Cut"), QKeySequence(tr("Ctrl+X")), [this] {
    FDrawing.Clipboard().CutSelection();
    FWindow.SpeedUpdateClick();
  });
  add("MenuCopy", tr("C&opy"), QKeySequence(tr("Ctrl+C")), [this] {
    FDrawing.Clipboard().CopySelection();
    FWindow.EnableEditCommands();
  });
  add("MenuPaste", tr("&Paste"), QKeySequence(tr("Ctrl+V")), [this] {
    FDrawing.Clipboard().PasteClipboard();
    FWindow.ChooseMode("SpeedPointer");
    FWindow.RefreshLogicHistory();  // pasted devices may be marked for it
  });
  menu->addSeparator();
  add("MenuDelete", tr("&Delete"), QKeySequence(Qt::Key_Delete), &TMainForm::DeleteClick);
  menu->addSeparator();
  add("EditSelectAll", tr("&Select All"), QKeySequence(tr("Ctrl+A")),
      &TMainForm::EditSelectAllClick);
}

void TMainMenus::CreateCircuitMenu() {
  QMenu* menu = FWindow.NewMenu("MenuCircuit", tr("&Circuit"), &FWindow);
  FWindow.menuBar()->addMenu(menu);
  auto add = [this, menu](const char* name, const QString& caption, int key, auto command) {
    QAction* action = FWindow.NewAction(name, caption, QKeySequence(key));
    QObject::connect(action, &QAction::triggered, &FWindow, command);
    menu->addAction(action);
  };
  add("MenuRun", tr("&Run"), Qt::Key_F9, [this] { FWindow.Run().MenuRunClick(); });
  add("MenuStop", tr("&Stop"), Qt::Key_F10, [this] { FWindow.Run().SpeedStopClick(); });
  add("MenuPause", tr("&Pause"), Qt::Key_F11, [this] { FWindow.Run().MenuPauseClick(); });
  add("MenuStepCircuit", tr("S&tep Circuit"), Qt::Key_F12,
      [this] { FWindow.Run().SpeedStepClick(); });
  add("MenuStepBack", tr("Step &Back"), (Qt::SHIFT | Qt::Key_F12).toCombined(),
      [this] { FWindow.Run().SpeedStepBackClick(); });

  QMenu* speeds = FWindow.NewMenu("ClockSpeed1", tr("&Clock Speed"), menu);
  menu->addMenu(speeds);
  for (const TClockSpeed& speed : ClockSpeeds) {
    QAction* entry = FWindow.NewAction(speed.Name, tr(speed.Caption));
    entry->setCheckable(true);
    QObject::connect(entry, &QAction::triggered, &FWindow,
                     [this, interval = speed.Interval] { FWindow.Clock().setInterval(interval); });
    speeds->addAction(entry);
  }
  QObject::connect(speeds, &QMenu::aboutToShow, &FWindow, [this] {
    for (const TClockSpeed& speed : ClockSpeeds) {
      FWindow.Action(speed.Name)->setChecked(speed.Interval == FWindow.Clock().interval());
    }
  });
}

void TMainMenus::CreateViewMenu() {
  QMenu* menu = FWindow.NewMenu("MenuView", tr("&View"), &FWindow);
  FWindow.menuBar()->addMenu(menu);
  QAction* showGrid = FWindow.NewAction("MenuShowGrid", tr("&Show Grid"));
  showGrid->setCheckable(true);
  QObject::connect(showGrid, &QAction::triggered, &FWindow, [this](bool on) {
    FDrawing.Grid().ShowGrid = on;
    FDrawing.InvalidateAll();
  });
  QAction* snap = FWindow.NewAction("MenuSnapToGrid", tr("S&nap To Grid"));
  snap->setCheckable(true);
  QObject::connect(snap, &QAction::triggered, &FWindow,
                   [this](bool on) { FDrawing.Grid().SnapToGrid = on; });
  QAction* setup = FWindow.NewAction("MenuGridSetup", tr("&Grid Setup..."));
  QObject::connect(setup, &QAction::triggered, &FWindow, &TMainForm::GridSetupClick);
  menu->addActions({showGrid, snap, setup});
  menu->addSeparator();
  const auto zoom = [this, menu](const char* name, const QString& caption,
                                 const QList<QKeySequence>& keys, auto command) {
    QAction* action = FWindow.NewAction(name, caption);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, &FDrawing, command);
    menu->addAction(action);
  };
  zoom("MenuZoomIn", tr("Zoom &In"), {QKeySequence(tr("Ctrl++")), QKeySequence(tr("Ctrl+="))},
       [this] { FDrawing.SetZoom(FDrawing.ZoomStep(true)); });
  zoom("MenuZoomOut", tr("Zoom &Out"), {QKeySequence(tr("Ctrl+-"))},
       [this] { FDrawing.SetZoom(FDrawing.ZoomStep(false)); });
  zoom("MenuActualSize", tr("&Actual Size"), {QKeySequence(tr("Ctrl+0"))},
       [this] { FDrawing.SetZoom(1); });
  zoom("MenuZoomToFit", tr("Zoom to &Fit"), {}, [this] { FDrawing.ZoomToFit(); });
}

void TMainMenus::CreateToolsMenu() {
  QMenu* menu = FWindow.NewMenu("MenuTools", tr("&Tools"), &FWindow);
  FWindow.menuBar()->addMenu(menu);
  QAction* history = FWindow.NewAction("MenuLogicHistory", tr("Logic &History..."));
  history->setCheckable(true);
  QObject::connect(history, &QAction::triggered, &FWindow, &TMainForm::SpeedProbeWindowClick);
  menu->addAction(history);
  QAction* templateEditor = FWindow.NewAction("MenuTemplateEditor", tr("&Template Editor..."));
  QObject::connect(templateEditor, &QAction::triggered, &FWindow, &TMainForm::TemplateEditorClick);
  menu->addAction(templateEditor);
  QAction* testTable = FWindow.NewAction("MenuTestTable", tr("Te&st Table..."));
  QObject::connect(testTable, &QAction::triggered, &FWindow,
                   [this] { FWindow.TestTables().Show(); });
  menu->addAction(testTable);
  QMenu* options = FWindow.NewMenu("MenuOptions", tr("&Options"), menu);
  menu->addMenu(options);
  QAction* attach = FWindow.NewAction("MenuAttachDatasheet", tr("&Attach Datasheet..."));
  QObject::connect(attach, &QAction::triggered, &FWindow, &TMainForm::AttachDatasheetClick);
  options->addAction(attach);
  QAction* name = FWindow.NewAction("MenuNameMacro", tr("&Name Macro..."));
  QObject::connect(name, &QAction::triggered, &FWindow, &TMainForm::NameMacroClick);
  options->addAction(name);
  QAction* path = FWindow.NewAction("MenuDatasheetPath", tr("&Set Datasheet Path..."));
  QObject::connect(path, &QAction::triggered, &FWindow, &TMainForm::DatasheetPathClick);
  options->addAction(path);
  options->addSeparator();
  QAction* preferences = FWindow.NewAction("MenuPreferences", tr("&Preferences..."));
  QObject::connect(preferences, &QAction::triggered, &FWindow, &TMainForm::PreferencesClick);
  options->addAction(preferences);
}

void TMainMenus::CreateHelpMenu() {
  QMenu* menu = FWindow.NewMenu("MenuHelp", tr("&Help"), &FWindow);
  FWindow.menuBar()->addMenu(menu);
  QAction* topics = FWindow.NewAction("MenuHelpTopics", tr("&Help Topics..."));
  QObject::connect(topics, &QAction::triggered, &FWindow, &TMainForm::HelpTopicsClick);
  menu->addAction(topics);
  QAction* examples = FWindow.NewAction("MenuExamples", tr("&Examples..."));
  // The examples that come with the program, offered in the Open dialog.
  QObject::connect(examples, &QAction::triggered, &FWindow, [this] {
    FWindow.OpenClick(DataFolder(FWindow.StartFolder, QStringLiteral("examples")));
  });
  menu->addAction(examples);
  // F1 belongs to no menu: what it shows depends on the selection.
  QAction* context = FWindow.NewAction("HelpKey", tr("Help"), QKeySequence(Qt::Key_F1));
  // Kept to this window: a tool window takes the main window's shortcuts too, and there this
  // F1 would clash with the tool window's own, so that neither would answer.
  context->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(context, &QAction::triggered, &FWindow, &TMainForm::HelpKeyClick);
  FWindow.addAction(context);
  QAction* about = FWindow.NewAction("MenuAbout", tr("&About..."));
  QObject::connect(about, &QAction::triggered, &FWindow, [this] {
    QMessageBox::about(&FWindow, tr("About Logivane"),
                       tr("<h3>Logivane</h3><p>Design logic circuits, run them step by step and "
                          "watch every wire change.</p><p>Place gates, flip-flops, sources and "
                          "displays from the tool bars, wire them with the Wiring Tool, and "
                          "press Run.</p>"));
  });
  menu->addAction(about);
}

QToolBar* TMainMenus::NewToolBar(const char* name, const QString& title) {
  QToolBar* bar = FWindow.addToolBar(title);
  bar->setObjectName(QLatin1String(name));
  bar->setMovable(false);
  bar->setIconSize(QSize(24, 24));
  return bar;
}

void TMainMenus::CreateToolBars() {
  // Tool buttons are actions of their own, apart from the menu entries: the run commands of
  // the menu press the two-state buttons, whose state is the run state.
  auto button = [this](QToolBar& bar, const char* name, const char* icon, const QString& hint,
                       auto command) {
    QAction* action = FWindow.NewAction(name, hint);
    action->setIcon(SchemedIcon(QLatin1String(icon)));
    action->setToolTip(hint);
    QObject::connect(action, &QAction::triggered, &FWindow, command);
    bar.addAction(action);
    return action;
  };
  QToolBar* files = NewToolBar("FileToolBar", tr("File"));
  button(*files, "SpeedNew", "new", tr("New"), &TMainForm::NewClick);
  button(*files, "SpeedOpen", "open", tr("Open"), [this] { FWindow.OpenClick(); });
  button(*files, "SpeedSave", "save", tr("Save"), &TMainForm::SaveClick);
  files->addSeparator();
  // The clipboard buttons give the Edit menu's commands.
  for (const auto& [name, icon, hint, entry] :
       {std::tuple{"SpeedCut", "cut", tr("Cut"), "MenuCut"},
        std::tuple{"SpeedCopy", "copy", tr("Copy"), "MenuCopy"},
        std::tuple{"SpeedPaste", "paste", tr("Paste"), "MenuPaste"}}) {
    QAction* command = FWindow.Action(entry);
    button(*files, name, icon, hint, [command] { command->trigger(); })->setEnabled(false);
  }
  files->addSeparator();
  button(*files, "SpeedUndo", "undo", tr("Undo"), &TMainForm::UndoClick);
  button(*files, "SpeedRedo", "redo", tr("Redo"), &TMainForm::RedoClick);
  files->addSeparator();
  button(*files, "SpeedPrint", "print", tr("Print"), &TMainForm::PrintClick);
  FWindow.addToolBarBreak();

  auto* tools = new QActionGroup(&FWindow);
  QToolBar* devices = NewToolBar("DeviceToolBar", tr("Devices"));
  for (const TDeviceTool& tool : DeviceTools()) {
    QAction* action =
        button(*devices, tool.Name, tool.Icon, tr(tool.Hint), &TMainForm::SpeedUpdateClick);
    action->setCheckable(true);
    tools->addAction(action);
    if (tool.EndsGroup) {
      devices->addSeparator();
    }
  }
  QAction* wire =
      button(*devices, "SpeedWireTool", "wire", tr("Wiring Tool"), &TMainForm::SpeedWireToolClick);
  wire->setCheckable(true);
  tools->addAction(wire);
  FWindow.addToolBarBreak();

  QToolBar* run = NewToolBar("RunToolBar", tr("Run"));
  //: Starts the simulation
  button(*run, "SpeedRun", "run", tr("Run"), [this] {
    FWindow.Run().SpeedRunClick();
  })->setCheckable(true);
  button(*run, "SpeedStop", "stop", tr("Stop"), [this] { FWindow.Run().SpeedStopClick(); });
  button(*run, "SpeedPause", "pause", tr("Pause"), [] {})->setCheckable(true);
  button(*run, "SpeedStepBack", "step-back", tr("Step Back"),
         [this] { FWindow.Run().SpeedStepBackClick(); });
  QAction* step =
      //: Runs the simulation for one clock step
      button(*run, "SpeedStep", "step", tr("Step"), [this] { FWindow.Run().SpeedStepClick(); });
  QMenu* stepMenu = FWindow.NewMenu("PopupStep", QString(), &FWindow);
  QAction* half =
      stepMenu->addAction(tr("&Half Clock Cycle"), &FWindow, [this] { FWindow.HalfCycle = true; });
  half->setObjectName(QStringLiteral("PopHalfCycle"));
  QAction* full =
      stepMenu->addAction(tr("&Full Clock Cycle"), &FWindow, [this] { FWindow.HalfCycle = false; });
  full->setObjectName(QStringLiteral("PopFullCycle"));
  for (QAction* entry : {half, full}) {
    entry->setCheckable(true);
  }
  QObject::connect(stepMenu, &QMenu::aboutToShow, &FWindow, [this, half, full] {
    half->setChecked(FWindow.HalfCycle);
    full->setChecked(!FWindow.HalfCycle);
  });
  step->setMenu(stepMenu);
  if (auto* stepButton = qobject_cast<QToolButton*>(run->widgetForAction(step))) {
    stepButton->setPopupMode(QToolButton::MenuButtonPopup);
  }
  run->addSeparator();
  for (const auto& [name, icon, hint] :
       {std::tuple{"SpeedPointer", "pointer", tr("Object Selector")},
        std::tuple{"SpeedInteraction", "interaction", tr("Object Interaction")},
        std::tuple{"SpeedProbe", "probe", tr("Logic Probe")}}) {
    QAction* action = button(*run, name, icon, hint, &TMainForm::SpeedUpdateClick);
    action->setCheckable(true);
    tools->addAction(action);
  }
  FWindow.Action("SpeedPointer")->setChecked(true);
  run->addSeparator();
  QAction* parts = button(*run, "SpeedPartsCentre", "parts-centre", tr("Parts Centre  "),
                          &TMainForm::SpeedPartsCentreClick);
  parts->setToolTip(tr("Show Parts Centre"));
  QAction* close = button(*run, "SpeedCloseMacro", "close-macro", tr("Close Macro  "),
                          &TMainForm::SpeedCloseMacroClick);
  close->setToolTip(tr("Close Macro"));
  close->setVisible(false);
  for (QAction* captioned : {parts, close}) {
    if (auto* widget = qobject_cast<QToolButton*>(run->widgetForAction(captioned))) {
      widget->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
  }
  ShowMenuShortcuts();
}

void TMainMenus::ShowMenuShortcuts() {
  // The buttons give the menus' commands, whose entries own the keys.
  for (const auto& [button, entry] :
       {std::pair{"SpeedNew", "MenuNew"}, std::pair{"SpeedOpen", "MenuOpen"},
        std::pair{"SpeedSave", "MenuSave"}, std::pair{"SpeedCut", "MenuCut"},
        std::pair{"SpeedCopy", "MenuCopy"}, std::pair{"SpeedPaste", "MenuPaste"},
        std::pair{"SpeedUndo", "MenuUndo"}, std::pair{"SpeedRedo", "MenuRedo"},
        std::pair{"SpeedPrint", "MenuPrint"}, std::pair{"SpeedRun", "MenuRun"},
        std::pair{"SpeedStop", "MenuStop"}, std::pair{"SpeedPause", "MenuPause"},
        std::pair{"SpeedStepBack", "MenuStepBack"}, std::pair{"SpeedStep", "MenuStepCircuit"}}) {
    ControlLabels::ShowShortcut(*FWindow.Action(button), FWindow.Action(entry));
  }
}

void TMainMenus::RefreshViewMenu() {
  FWindow.Action("MenuShowGrid")->setChecked(FDrawing.Grid().ShowGrid);
  FWindow.Action("MenuSnapToGrid")->setChecked(FDrawing.Grid().SnapToGrid);
}

}  // namespace logivane
