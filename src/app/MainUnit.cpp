#include "app/MainUnit.h"

#include "app/Settings.h"
#include "document/cGrid.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTimer>
#include <QToolBar>

namespace logivane {

namespace {

const char* const CircuitFilter = "Logivane files (*.lvm)";

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      FScroller(new QScrollArea),
      FDrawing(new TLogivaneDrawing),
      FClock(new QTimer(this)) {
  setObjectName(QStringLiteral("MainForm"));
  FScroller->setObjectName(QStringLiteral("ScrollBox"));
  FScroller->setWidget(FDrawing);
  setCentralWidget(FScroller);
  FClock->setObjectName(QStringLiteral("Clock"));
  FClock->setInterval(150);
  connect(FClock, &QTimer::timeout, this, &TMainForm::RunCircuit);
  connect(FDrawing, &TLogivaneDrawing::OnModifiedChanged, this, &TMainForm::UpdateCaption);
  FDrawing->installEventFilter(this);
  CreateActions();
  FDrawing->SetSelectMode(true);
  UpdateCaption();
  resize(1000, 700);
}

void TMainForm::CreateActions() {
  QToolBar* bar = addToolBar(tr("Tools"));
  bar->setObjectName(QStringLiteral("ToolBar"));
  // Every action lives on the window, so its shortcut works wherever the focus is; those with
  // a caption are also on the tool bar.
  auto add = [this, bar](const char* name, const QString& text, QKeySequence key, auto slot) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    if (!text.isEmpty()) {
      bar->addAction(action);
    }
    return action;
  };
  add("MenuOpen", tr("&Open..."), QKeySequence::Open, &TMainForm::OpenClick);
  add("MenuSave", tr("&Save"), QKeySequence::Save, &TMainForm::SaveClick);
  bar->addSeparator();

  auto* modes = new QActionGroup(this);
  auto mode = [&](const char* name, const QString& text, void (TLogivaneDrawing::*set)(bool)) {
    QAction* action = add(name, text, {}, [this, set] { (FDrawing->*set)(true); });
    action->setCheckable(true);
    modes->addAction(action);
    return action;
  };
  mode("SpeedPointer", tr("Object Selector"), &TLogivaneDrawing::SetSelectMode)->setChecked(true);
  mode("SpeedWireTool", tr("Wiring Tool"), &TLogivaneDrawing::SetWireMode);
  mode("SpeedInteraction", tr("Object Interaction"), &TLogivaneDrawing::SetInteractMode);
  mode("SpeedProbe", tr("Logic Probe"), &TLogivaneDrawing::SetProbeMode);
  bar->addSeparator();

  QAction* run = add("SpeedRun", tr("Run"), Qt::Key_F9, [this](bool on) {
    FDrawing->HideNotice();
    FDrawing->ResetCircuit();
    if (on) {
      FClock->start();
    } else {
      FClock->stop();
    }
  });
  run->setCheckable(true);
  add("SpeedStep", tr("Step"), Qt::Key_F12, [this] { FDrawing->Step(); });

  add("MenuCut", {}, QKeySequence::Cut, [this] { FDrawing->CutSelection(); });
  add("MenuCopy", {}, QKeySequence::Copy, [this] { FDrawing->CopySelection(); });
  add("MenuPaste", {}, QKeySequence::Paste, [this] { FDrawing->PasteClipboard(); });
  add("EditSelectAll", {}, QKeySequence::SelectAll, [this] { FDrawing->SelectAll(); });
  add("MenuExit", {}, QKeySequence::Quit, &TMainForm::close);
}

void TMainForm::UpdateCaption() {
  const QString name =
      FDrawing->FileName.isEmpty() ? tr("Untitled") : QFileInfo(FDrawing->FileName).fileName();
  setWindowTitle(QStringLiteral("Logivane - ") + name);
}

bool TMainForm::OpenFile(const QString& fileName) {
  const bool opened = FDrawing->LoadFromFile(fileName);
  UpdateCaption();
  return opened;
}

void TMainForm::OpenClick() {
  if (!QuerySave()) {
    return;
  }
  const QString fileName = QFileDialog::getOpenFileName(this, tr("Open"), {}, tr(CircuitFilter));
  if (!fileName.isEmpty()) {
    OpenFile(fileName);
  }
}

void TMainForm::SaveClick() {
  QString fileName = FDrawing->FileName;
  if (fileName.isEmpty()) {
    fileName = QFileDialog::getSaveFileName(this, tr("Save As"), {}, tr(CircuitFilter));
  }
  if (!fileName.isEmpty()) {
    FDrawing->SaveToFile(fileName);
    UpdateCaption();
  }
}

bool TMainForm::QuerySave() {
  if (!FDrawing->Modified()) {
    return true;
  }
  const auto answer =
      UserMessages::Ask(this, tr("Do you want to save the changes to the current circuit?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) {
    SaveClick();
    return !FDrawing->Modified();
  }
  return answer == QMessageBox::No;
}

void TMainForm::RunCircuit() {
  const SimResult result = FDrawing->Step();
  if (result.Race || result.Contention) {
    FClock->stop();
    findChild<QAction*>(QStringLiteral("SpeedRun"))->setChecked(false);
  }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The drawing has the focus, but its scroll box would take the arrow keys for scrolling.
  if (watched == FDrawing && event->type() == QEvent::KeyPress) {
    return HandleKey(*static_cast<QKeyEvent*>(event));
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(*event)) {
    QMainWindow::keyPressEvent(event);
  }
}

bool TMainForm::HandleKey(const QKeyEvent& event) {
  // A traced wire is abandoned by Delete or Escape, before any shortcut sees the key.
  if ((event.key() == Qt::Key_Escape || event.key() == Qt::Key_Delete) && FDrawing->Tracing() &&
      FDrawing->WireMode()) {
    FDrawing->SetWireMode(false);
    FDrawing->SetWireMode(true);
    return true;
  }
  switch (event.key()) {
    case Qt::Key_Left:
      FDrawing->MoveSelectionBy(-1, 0);
      return true;
    case Qt::Key_Up:
      FDrawing->MoveSelectionBy(0, -1);
      return true;
    case Qt::Key_Right:
      FDrawing->MoveSelectionBy(1, 0);
      return true;
    case Qt::Key_Down:
      FDrawing->MoveSelectionBy(0, 1);
      return true;
    case Qt::Key_Delete:
      FDrawing->DeleteSelection();
      return true;
    default:
      return false;
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (QuerySave()) {
    SaveSettings();
    event->accept();
  } else {
    event->ignore();
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  if (!FSettingsLoaded) {
    FSettingsLoaded = true;
    LoadSettings();
  }
  QMainWindow::showEvent(event);
}

void TMainForm::LoadSettings() {
  QSettings store;
  const TProgramSettings settings = ReadSettings(store, screen()->availableGeometry().size());
  if (settings.Maximized) {
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    setGeometry(settings.Window);
  }
  TGrid& grid = FDrawing->Grid();
  grid.ShowGrid = settings.ShowGrid;
  grid.SnapToGrid = settings.SnapToGrid;
  grid.Spacing = settings.Spacing;
  grid.DisplayFrequency = settings.DisplayFrequency;
  grid.AngleStep = settings.AngleStep;
  FClock->setInterval(settings.ClockInterval);
}

void TMainForm::SaveSettings() {
  // Read first, so that what this window does not manage yet is written back unchanged.
  QSettings store;
  TProgramSettings settings = ReadSettings(store, screen()->availableGeometry().size());
  settings.Maximized = isMaximized();
  settings.Window = geometry();
  const TGrid& grid = FDrawing->Grid();
  settings.ShowGrid = grid.ShowGrid;
  settings.SnapToGrid = grid.SnapToGrid;
  settings.Spacing = grid.Spacing;
  settings.DisplayFrequency = grid.DisplayFrequency;
  settings.AngleStep = grid.AngleStep;
  settings.ClockInterval = FClock->interval();
  WriteSettings(store, settings);
}

}  // namespace logivane
