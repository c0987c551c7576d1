#include "app/MainUnit.h"

#include "app/Autosave.h"
#include "app/CircuitFileCommands.h"
#include "app/DeviceDialogs.h"
#include "app/DeviceMenu.h"
#include "app/KeyboardEditing.h"
#include "app/LastSession.h"
#include "app/MainMenus.h"
#include "app/MemoryCommands.h"
#include "app/RecoveryCommands.h"
#include "app/RunCommands.h"
#include "app/Selection.h"
#include "app/Settings.h"
#include "app/TestTableCommands.h"
#include "app/UndoCommands.h"
#include "app/WindowPlacement.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "windows/ControlLabels.h"
#include "windows/EditMemoryDlg.h"
#include "windows/HelpWindow.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/PartsUnit.h"
#include "windows/TemplateForm.h"
#include "windows/TestTableWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace logivane {

namespace {

QString CircuitFilter() {
  return TMainForm::tr("Macro Files (*.lvm)");
}

QString OpenCircuitDialog(QWidget* parent, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, TMainForm::tr("Open Circuit"), folder,
                                      CircuitFilter());
}

QString SaveCircuitDialog(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, TMainForm::tr("Save Circuit"), folder, CircuitFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("lvm"));
  dialog.selectFile(QStringLiteral("Macro"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString SavePictureDialog(QWidget* parent, const QString& folder) {
  QFileDialog dialog(
      parent, TMainForm::tr("Export Picture"), folder,
      TMainForm::tr("PNG Images (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  // The type chosen in the filter becomes the extension of a name typed without one.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     dialog.setDefaultSuffix(filter.section(QStringLiteral("*."), 1).left(3));
                   });
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

/// Gives a tool window the bounds kept from an earlier run; without them only its size.
void RestoreToolWindow(QWidget& window, const QRect& bounds, bool stored) {
  if (stored) {
    RestorePlace(window, bounds);
  } else {
    window.resize(bounds.size());
  }
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      ChooseOpenFile(OpenCircuitDialog),
      ChooseSaveFile(SaveCircuitDialog),
      ChoosePictureFile(SavePictureDialog),
      FScroller(new QScrollArea),
      FDocument(new TCircuitDocument),
      FDrawing(new TLogivaneDrawing(nullptr, FDocument)),
      FLogicHistory(new TAnalyserForm(this)),
      FTemplateEditor(new TTemplateForm(this)),
      FParts(new TPartsForm(this)),
      FClock(new QTimer(this)),
      FStatusText(new QLabel) {
  setObjectName(QStringLiteral("MainForm"));
  FScroller->setObjectName(QStringLiteral("ScrollBox"));
  FScroller->setBackgroundRole(QPalette::Base);
  FScroller->setWidget(FDrawing);
  setCentralWidget(FScroller);
  FDocument->setParent(this);  // after the scroll box, so that it goes after the drawing
  FTestTables = std::make_unique<TTestTableCommands>(*this, *FDocument);
  FFiles = std::make_unique<TCircuitFileCommands>(*this, *FDocument, *FDrawing, *FTestTables);
  FSelection = std::make_unique<TSelection>(*FDocument, *FDrawing);
  FMenus = std::make_unique<TMainMenus>(*this, *FDrawing);
  FDeviceDialogs = std::make_unique<TDeviceDialogs>(*this, *FDrawing, *FSelection);
  FDevicePopup =
      std::make_unique<TDeviceMenu>(*this, *FDocument, *FDrawing, *FSelection, *FDeviceDialogs);
  FRun = std::make_unique<TRunCommands>(*this, *FDrawing);
  FKeys = std::make_unique<TKeyboardEditing>(*this, *FDrawing);
  FMemory = std::make_unique<TMemoryCommands>(*this, *FDocument, *FDrawing, *FSelection);
  FStatusText->setObjectName(QStringLiteral("StatusText"));
  FStatusText->setStyleSheet(QStringLiteral("color: red"));
  statusBar()->addWidget(FStatusText, 1);

  FClock->setObjectName(QStringLiteral("Clock"));
  FClock->setInterval(150);
  connect(FClock, &QTimer::timeout, this, [this] { FRun->RunCircuit(); });

  FMenus->Create();
  FKeys->Create();
  FDevicePopup->Create();
  FRun->Create();
  FMemory->Create();
  CreatePrintPreview();
  PlaceToolWindows();
  connect(FDocument, &TCircuitDocument::ModifiedChanged, this, &TMainForm::UpdateCaption);
  connect(FDrawing, &TLogivaneDrawing::OnObjectSelected, this,
          [this](Qt::MouseButton button) { ObjectSelected(button); });
  connect(FDrawing, &TLogivaneDrawing::OnMouseDown, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
            PlaceDevice(button, modifiers, {x, y});
          });
  connect(FDrawing, &TLogivaneDrawing::OnMouseMove, this, &TMainForm::ShowWiringHints);
  connect(FDocument, &TCircuitDocument::LevelChanged, this, &TMainForm::EnableLevelCommands);
  connect(FDrawing, &TLogivaneDrawing::OnObjectDblClick, this, &TMainForm::ObjectDoubleClicked);
  connect(&FDrawing->Handles(), &TLogivaneHandles::OnSetItem, this,
          [this] { FDevicePopup->Configure(); });
  FDrawing->installEventFilter(this);
  ConnectLogicHistory();
  ConnectPartsCentre();
  FUndo = new TUndoCommands(*this, *FDocument);
  ConnectEditCommands();
  FTestTables->Create();
  FRecovery = std::make_unique<TRecoveryCommands>(*this, *FDocument, *FFiles);

  StartFolder = QDir::currentPath();
  UpdateCaption();
  EnableLevelCommands();
  SpeedUpdateClick();
  ControlLabels::Label(*this);
}

TMainForm::~TMainForm() {
  // The contents window lets go of its memory before the drawing destroys the circuit.
  FMemory->Contents().SetMemory(nullptr);
  // The drawing outlives this part of the window and lets its selection go as it is destroyed.
  FDrawing->Handles().disconnect(this);
  FDrawing->disconnect(this);
}

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

// ---------------------------------------------------------------------------------------------
// Showing and closing

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FShown) {
    return;
  }
  FShown = true;
  SetLibraryRoot();
  QSettings store;
  const TProgramSettings settings = ReadSettings(store, screen()->availableGeometry().size());
  ApplySettings(settings);
  SpeedUpdateClick();
  RefreshLogicHistory();
  FDrawing->setFocus();  // where the editing keys work
  // The window is up before a bad file's message, so the message has something to sit on.
  QTimer::singleShot(0, this, [this, settings] { OpenStartCircuit(settings); });
}

void TMainForm::PlaceToolWindows() {
  // The Parts Centre at the right of the drawing with the memory's words below it, the Logic
  // History along the bottom, help in the middle, the Test Table at the bottom right.
  PlaceWhenFirstShown(*this, *FParts, Qt::AlignRight | Qt::AlignTop);
  PlaceWhenFirstShown(*this, FMemory->Contents(), Qt::AlignRight | Qt::AlignBottom);
  PlaceWhenFirstShown(*this, *FLogicHistory, Qt::AlignLeft | Qt::AlignBottom);
  PlaceWhenFirstShown(*this, THelpWindow::Shared(), Qt::AlignCenter);
  PlaceWhenFirstShown(*this, FTestTables->Window(), Qt::AlignRight | Qt::AlignBottom);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!QuerySave([this] { return SaveClick(); })) {
    event->ignore();
    return;
  }
  FClock->stop();
  QSettings store;
  // Read first, so that what no window of this program keeps yet is written back unchanged.
  TProgramSettings settings = ReadSettings(store, screen()->availableGeometry().size());
  CollectSettings(settings);
  WriteSettings(store, settings);
  FRecovery->Autosave().Discard();  // saved, or the user chose not to keep the changes
  event->accept();
}

void TMainForm::ApplySettings(const TProgramSettings& settings) {
  if (settings.Maximized) {
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    RestorePlace(*this, settings.Window);
  }
  TGrid& grid = FDrawing->Grid();
  grid.ShowGrid = settings.ShowGrid;
  grid.SnapToGrid = settings.SnapToGrid;
  grid.Spacing = settings.Spacing;
  grid.DisplayFrequency = settings.DisplayFrequency;
  grid.AngleStep = settings.AngleStep;
  FMenus->RefreshViewMenu();
  // A window that opens shows the drawing from its top left corner, where circuits start,
  // whatever the zoom: zooming about the middle would hide the left of every circuit.
  FDrawing->SetZoom(settings.ZoomPercent
                        ? *settings.ZoomPercent / 100.0
                        : TLogivaneDrawing::ZoomForScreen(screen()->logicalDotsPerInch()),
                    QPoint(0, 0));
  FClock->setInterval(settings.ClockInterval);
  ApplyPreferences({settings.AutosaveInterval, settings.ReopenLastCircuit, settings.HistoryDepth,
                    settings.Language, settings.Theme});
  FileHistory = settings.FileHistory;
  EnableLevelCommands();
  DatasheetFolder = settings.DatasheetFolder;
  RestoreToolWindow(*FParts, settings.PartsCentre, settings.PartsCentreStored);
  FParts->SetStatusVisible(settings.PartsCentreStatusVisible);
  FParts->setVisible(settings.PartsCentreVisible);
  RestoreToolWindow(*FLogicHistory, settings.LogicHistory, settings.LogicHistoryStored);
  FLogicHistory->SetShowBusValues(settings.LogicHistoryBusValues);
  if (settings.LogicHistoryVisible != FLogicHistory->isVisible()) {
    SpeedProbeWindowClick();
  }
  FDrawing->InvalidateAll();
}

void TMainForm::CollectSettings(TProgramSettings& settings) const {
  settings.Maximized = isMaximized();
  if (!settings.Maximized) {
    settings.Window = geometry();
  }
  const TGrid& grid = FDrawing->Grid();
  settings.ShowGrid = grid.ShowGrid;
  settings.SnapToGrid = grid.SnapToGrid;
  settings.Spacing = grid.Spacing;
  settings.DisplayFrequency = grid.DisplayFrequency;
  settings.AngleStep = grid.AngleStep;
  settings.ZoomPercent = qRound(FDrawing->Zoom() * 100);
  settings.ClockInterval = FClock->interval();
  settings.FileHistory = FileHistory;
  settings.DatasheetFolder = DatasheetFolder;
  settings.AutosaveInterval = FPreferences.AutosaveInterval;
  settings.ReopenLastCircuit = FPreferences.ReopenLastCircuit;
  settings.HistoryDepth = FPreferences.HistoryDepth;
  settings.Language = FPreferences.Language;
  settings.Theme = FPreferences.Theme;
  KeepLastSession(*FDocument, settings);
  settings.PartsCentreVisible = FParts->isVisible();
  settings.PartsCentre = PlacedGeometry(*FParts);
  settings.PartsCentreStatusVisible = FParts->StatusVisible();
  settings.LogicHistoryVisible = FLogicHistory->isVisible();
  settings.LogicHistory = PlacedGeometry(*FLogicHistory);
  settings.LogicHistoryBusValues = FLogicHistory->ShowBusValues();
}

void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    statusBar()->setSizeGripEnabled(!isMaximized());
  }
  QMainWindow::changeEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Keys

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The drawing has the focus, but its scroll box would take the arrow keys for scrolling. The
  // Delete key reaches the Delete command first, which abandons a trace when nothing is
  // selected, as it always is while tracing.
  if (watched == FDrawing && event->type() == QEvent::KeyPress) {
    return HandleKey(static_cast<const QKeyEvent&>(*event));
  }
  if (watched == FDrawing && PartsDragEvent(event)) {
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(*event)) {
    QMainWindow::keyPressEvent(event);
  }
}

bool TMainForm::HandleKey(const QKeyEvent& event) {
  if (FKeys->HandleKey(event)) {
    return true;
  }
  if (FDrawing->Tracing() && (event.key() == Qt::Key_Escape || event.key() == Qt::Key_Delete)) {
    AbandonTrace();
    return true;
  }
  return FDrawing->MoveSelectionByKey(event.key());
}

}  // namespace logivane
