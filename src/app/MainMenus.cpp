// The main window's actions, menus, tool bars and context menus. Every action carries the name
// by which the commands and the tests find it; the commands themselves live in the files named
// after their menus.
#include "app/DeviceTools.h"
#include "app/MainUnit.h"
#include "document/cGrid.h"
#include "editor/LogivaneDrawing.h"

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
    {"HertzOne", "1 Hertz", 500}, {"HertzTwo", "2 Hertz", 250},   {"HertzFive", "5 Hertz", 100},
    {"HertzTen", "10 Hertz", 50}, {"HertzFifty", "50 Hertz", 10},
};

QIcon ToolIcon(const char* name) {
  return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

}  // namespace

QAction* TMainForm::NewAction(const char* name, const QString& caption,
                              const QKeySequence& shortcut) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(shortcut);
  return action;
}

QAction* TMainForm::Action(const char* name) const {
  return findChild<QAction*>(QLatin1String(name));
}

QMenu* TMainForm::NewMenu(const char* name, const QString& caption, QWidget* parent) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(QLatin1String(name));
  return menu;
}

void TMainForm::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreateCircuitMenu();
  CreateViewMenu();
  CreateToolsMenu();
  CreateHelpMenu();
  CreateToolBars();
  CreateDeviceMenu();
  CreateTagMenu();
}

void TMainForm::CreateFileMenu() {
  QMenu* menu = NewMenu("MenuFile", tr("&File"), this);
  menuBar()->addMenu(menu);
  auto add = [this, menu](const char* name, const QString& caption, auto command,
                          const QKeySequence& shortcut = {}) {
    QAction* action = NewAction(name, caption, shortcut);
    connect(action, &QAction::triggered, this, command);
    menu->addAction(action);
    return action;
  };
  add("MenuNew", tr("&New Circuit"), &TMainForm::NewClick, QKeySequence(tr("Ctrl+N")));
  menu->addSeparator();
  add("MenuOpen", tr("&Open"), &TMainForm::OpenClick, QKeySequence(tr("Ctrl+O")));
  add("MenuSave", tr("&Save"), &TMainForm::SaveClick, QKeySequence(tr("Ctrl+S")));
  add("MenuSaveAs", tr("S&ave As..."), &TMainForm::SaveAsClick);
  menu->addSeparator();
  FReopenMenu = NewMenu("MenuReopen", tr("&Reopen"), menu);
  for (int i = 0; i < 5; ++i) {
    QAction* entry = FReopenMenu->addAction(QString());
    entry->setObjectName(QStringLiteral("Reopen%1").arg(i + 1));
    // The entry's caption is the path, read when chosen, so the list may change under it.
    connect(entry, &QAction::triggered, this, [this, entry] { ReopenClick(entry->text()); });
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

void TMainForm::CreateEditMenu() {
  QMenu* menu = NewMenu("MenuEdit", tr("&Edit"), this);
  menuBar()->addMenu(menu);
  auto add = [this, menu](const char* name, const QString& caption, const QKeySequence& key,
                          auto command) {
    QAction* action = NewAction(name, caption, key);
    connect(action, &QAction::triggered, this, command);
    menu->addAction(action);
    return action;
  };
  add("MenuUndo", tr("&Undo"), QKeySequence(tr("Ctrl+Z")), &TMainForm::UndoClick);
  add("MenuRedo", tr("&Redo"), QKeySequence(tr("Ctrl+Y")), &TMainForm::RedoClick)
      ->setShortcuts({QKeySequence(tr("Ctrl+Y")), QKeySequence(tr("Ctrl+Shift+Z"))});
  menu->addSeparator();
  add("MenuCut", tr("&Cut"), QKeySequence(tr("Ctrl+X")), [this] {
    FDrawing->CutSelection();
    SpeedUpdateClick();
  });
  add("MenuCopy", tr("C&opy"), QKeySequence(tr("Ctrl+C")), [this] {
    FDrawing->CopySelection();
    EnableEditCommands();
  });
  add("MenuPaste", tr("&Paste"), QKeySequence(tr("Ctrl+V")), [this] {
    FDrawing->PasteClipboard();
    ChooseMode("SpeedPointer");
    RefreshLogicHistory();  // pasted devices may be marked for it
  });
  menu->addSeparator();
  add("MenuDelete", tr("&Delete"), QKeySequence(Qt::Key_Delete), &TMainForm::DeleteClick);
  menu->addSeparator();
  add("EditSelectAll", tr("&Select All"), QKeySequence(tr("Ctrl+A")),
      &TMainForm::EditSelectAllClick);
}

void TMainForm::CreateCircuitMenu() {
  QMenu* menu = NewMenu("MenuCircuit", tr("&Circuit"), this);
  menuBar()->addMenu(menu);
  auto add = [this, menu](const char* name, const QString& caption, int key, auto command) {
    QAction* action = NewAction(name, caption, QKeySequence(key));
    connect(action, &QAction::triggered, this, command);
    menu->addAction(action);
  };
  add("MenuRun", tr("&Run"), Qt::Key_F9, &TMainForm::MenuRunClick);
  add("MenuStop", tr("&Stop"), Qt::Key_F10, &TMainForm::SpeedStopClick);
  add("MenuPause", tr("&Pause"), Qt::Key_F11, &TMainForm::MenuPauseClick);
  add("MenuStepCircuit", tr("S&tep Circuit"), Qt::Key_F12, &TMainForm::SpeedStepClick);

  QMenu* speeds = NewMenu("ClockSpeed1", tr("&Clock Speed"), menu);
  menu->addMenu(speeds);
  for (const TClockSpeed& speed : ClockSpeeds) {
    QAction* entry = NewAction(speed.Name, tr(speed.Caption));
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this,
            [this, interval = speed.Interval] { FClock->setInterval(interval); });
    speeds->addAction(entry);
  }
  connect(speeds, &QMenu::aboutToShow, this, [this] {
    for (const TClockSpeed& speed : ClockSpeeds) {
      Action(speed.Name)->setChecked(speed.Interval == FClock->interval());
    }
  });
}

void TMainForm::CreateViewMenu() {
  QMenu* menu = NewMenu("MenuView", tr("&View"), this);
  menuBar()->addMenu(menu);
  connect(menu, &QMenu::aboutToShow, this, &TMainForm::RefreshViewMenu);
  QAction* showGrid = NewAction("MenuShowGrid", tr("&Show Grid"));
  showGrid->setCheckable(true);
  connect(showGrid, &QAction::triggered, this, [this](bool on) {
    FDrawing->Grid().ShowGrid = on;
    FDrawing->InvalidateAll();
  });
  QAction* snap = NewAction("MenuSnapToGrid", tr("S&nap To Grid"));
  snap->setCheckable(true);
  connect(snap, &QAction::triggered, this, [this](bool on) { FDrawing->Grid().SnapToGrid = on; });
  QAction* setup = NewAction("MenuGridSetup", tr("&Grid Setup..."));
  connect(setup, &QAction::triggered, this, &TMainForm::GridSetupClick);
  menu->addActions({showGrid, snap, setup});
  menu->addSeparator();
  const auto zoom = [this, menu](const char* name, const QString& caption,
                                 const QList<QKeySequence>& keys, auto command) {
    QAction* action = NewAction(name, caption);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, FDrawing, command);
    menu->addAction(action);
  };
  zoom("MenuZoomIn", tr("Zoom &In"), {QKeySequence(tr("Ctrl++")), QKeySequence(tr("Ctrl+="))},
       [this] { FDrawing->SetZoom(FDrawing->ZoomStep(true)); });
  zoom("MenuZoomOut", tr("Zoom &Out"), {QKeySequence(tr("Ctrl+-"))},
       [this] { FDrawing->SetZoom(FDrawing->ZoomStep(false)); });
  zoom("MenuActualSize", tr("&Actual Size"), {QKeySequence(tr("Ctrl+0"))},
       [this] { FDrawing->SetZoom(1); });
  zoom("MenuZoomToFit", tr("Zoom to &Fit"), {}, [this] { FDrawing->ZoomToFit(); });
}

void TMainForm::CreateToolsMenu() {
  QMenu* menu = NewMenu("MenuTools", tr("&Tools"), this);
  menuBar()->addMenu(menu);
  QAction* history = NewAction("MenuLogicHistory", tr("Logic &History..."));
  history->setCheckable(true);
  connect(history, &QAction::triggered, this, &TMainForm::SpeedProbeWindowClick);
  menu->addAction(history);
  QAction* templateEditor = NewAction("MenuTemplateEditor", tr("&Template Editor..."));
  connect(templateEditor, &QAction::triggered, this, &TMainForm::TemplateEditorClick);
  menu->addAction(templateEditor);
  QMenu* options = NewMenu("MenuOptions", tr("&Options"), menu);
  menu->addMenu(options);
  QAction* attach = NewAction("MenuAttachDatasheet", tr("&Attach Datasheet..."));
  connect(attach, &QAction::triggered, this, &TMainForm::AttachDatasheetClick);
  options->addAction(attach);
  QAction* name = NewAction("MenuNameMacro", tr("&Name Macro..."));
  connect(name, &QAction::triggered, this, &TMainForm::NameMacroClick);
  options->addAction(name);
  QAction* path = NewAction("MenuDatasheetPath", tr("&Set Datasheet Path..."));
  connect(path, &QAction::triggered, this, &TMainForm::DatasheetPathClick);
  options->addAction(path);
}

void TMainForm::CreateHelpMenu() {
  QMenu* menu = NewMenu("MenuHelp", tr("&Help"), this);
  menuBar()->addMenu(menu);
  QAction* topics = NewAction("MenuHelpTopics", tr("&Help Topics..."));
  connect(topics, &QAction::triggered, this, &TMainForm::HelpTopicsClick);
  menu->addAction(topics);
  // F1 belongs to no menu: what it shows depends on the selection.
  QAction* context = NewAction("HelpKey", tr("Help"), QKeySequence(Qt::Key_F1));
  connect(context, &QAction::triggered, this, &TMainForm::HelpKeyClick);
  addAction(context);
  QAction* about = NewAction("MenuAbout", tr("&About..."));
  connect(about, &QAction::triggered, this, [this] {
    QMessageBox::about(this, tr("About Logivane"),
                       tr("<h3>Logivane</h3><p>Design logic circuits, run them step by step and "
                          "watch every wire change.</p><p>Place gates, flip-flops, sources and "
                          "displays from the tool bars, wire them with the Wiring Tool, and "
                          "press Run.</p>"));
  });
  menu->addAction(about);
}

QToolBar* TMainForm::NewToolBar(const char* name, const QString& title) {
  QToolBar* bar = addToolBar(title);
  bar->setObjectName(QLatin1String(name));
  bar->setMovable(false);
  bar->setIconSize(QSize(24, 24));
  return bar;
}

void TMainForm::CreateToolBars() {
  // Tool buttons are actions of their own, apart from the menu entries: the run commands of
  // the menu press the two-state buttons, whose state is the run state.
  auto button = [this](QToolBar& bar, const char* name, const char* icon, const QString& hint,
                       auto command) {
    QAction* action = NewAction(name, hint);
    action->setIcon(ToolIcon(icon));
    action->setToolTip(hint);
    connect(action, &QAction::triggered, this, command);
    bar.addAction(action);
    return action;
  };
  QToolBar* files = NewToolBar("FileToolBar", tr("File"));
  button(*files, "SpeedNew", "new", tr("New"), &TMainForm::NewClick);
  button(*files, "SpeedOpen", "open", tr("Open"), &TMainForm::OpenClick);
  button(*files, "SpeedSave", "save", tr("Save"), &TMainForm::SaveClick);
  files->addSeparator();
  // The clipboard buttons give the Edit menu's commands.
  for (const auto& [name, icon, hint, entry] :
       {std::tuple{"SpeedCut", "cut", tr("Cut"), "MenuCut"},
        std::tuple{"SpeedCopy", "copy", tr("Copy"), "MenuCopy"},
        std::tuple{"SpeedPaste", "paste", tr("Paste"), "MenuPaste"}}) {
    QAction* command = Action(entry);
    button(*files, name, icon, hint, [command] { command->trigger(); })->setEnabled(false);
  }
  files->addSeparator();
  button(*files, "SpeedUndo", "undo", tr("Undo"), &TMainForm::UndoClick);
  button(*files, "SpeedRedo", "redo", tr("Redo"), &TMainForm::RedoClick);
  files->addSeparator();
  button(*files, "SpeedPrint", "print", tr("Print"), &TMainForm::PrintClick);
  addToolBarBreak();

  auto* tools = new QActionGroup(this);
  FDeviceToolBar = NewToolBar("DeviceToolBar", tr("Devices"));
  for (const TDeviceTool& tool : DeviceTools()) {
    QAction* action =
        button(*FDeviceToolBar, tool.Name, tool.Icon, tr(tool.Hint), &TMainForm::SpeedUpdateClick);
    action->setCheckable(true);
    tools->addAction(action);
    if (tool.EndsGroup) {
      FDeviceToolBar->addSeparator();
    }
  }
  QAction* wire = button(*FDeviceToolBar, "SpeedWireTool", "wire", tr("Wiring Tool"),
                         &TMainForm::SpeedWireToolClick);
  wire->setCheckable(true);
  tools->addAction(wire);
  addToolBarBreak();

  QToolBar* run = NewToolBar("RunToolBar", tr("Run"));
  button(*run, "SpeedRun", "run", tr("Run"), &TMainForm::SpeedRunClick)->setCheckable(true);
  button(*run, "SpeedStop", "stop", tr("Stop"), &TMainForm::SpeedStopClick);
  button(*run, "SpeedPause", "pause", tr("Pause"), [] {})->setCheckable(true);
  QAction* step = button(*run, "SpeedStep", "step", tr("Step"), &TMainForm::SpeedStepClick);
  QMenu* stepMenu = NewMenu("PopupStep", QString(), this);
  QAction* half = stepMenu->addAction(tr("&Half Clock Cycle"), this, [this] { HalfCycle = true; });
  half->setObjectName(QStringLiteral("PopHalfCycle"));
  QAction* full = stepMenu->addAction(tr("&Full Clock Cycle"), this, [this] { HalfCycle = false; });
  full->setObjectName(QStringLiteral("PopFullCycle"));
  for (QAction* entry : {half, full}) {
    entry->setCheckable(true);
  }
  connect(stepMenu, &QMenu::aboutToShow, this, [this, half, full] {
    half->setChecked(HalfCycle);
    full->setChecked(!HalfCycle);
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
  Action("SpeedPointer")->setChecked(true);
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
}

}  // namespace logivane
