#include "windows/PartsUnit.h"

#include "dialogs/HelpTopics.h"
#include "editor/UserMessages.h"
#include "ui_PartsUnit.h"
#include "windows/ControlLabels.h"
#include "windows/MountedVolumes.h"
#include "windows/PartsList.h"
#include "windows/SchemedIcon.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

namespace logivane {

TPartsForm::TPartsForm(QWidget* parent)
    : QMainWindow(parent, Qt::Tool), FUi(std::make_unique<Ui::TPartsForm>()) {
  FUi->setupUi(this);
  setObjectName(QStringLiteral("PartsForm"));
  FUi->SpeedEditMacro->setIcon(SchemedIcon(QStringLiteral("open")));
  FUi->SpeedChangeLevel->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  FUi->SpeedRoot->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
  FUi->SpeedDrive->setIcon(style()->standardIcon(QStyle::SP_DriveHDIcon));

  FDriveMenu = new QMenu(this);
  FDriveMenu->setObjectName(QStringLiteral("DriveMenu"));
  FUi->SpeedDrive->setMenu(FDriveMenu);
  if (auto* button = qobject_cast<QToolButton*>(FUi->ToolBar->widgetForAction(FUi->SpeedDrive))) {
    button->setPopupMode(QToolButton::InstantPopup);
  }

  FEntryMenu = new QMenu(this);
  FEntryMenu->setObjectName(QStringLiteral("EntryMenu"));
  FEntryMenu->addAction(FUi->PopDelete);
  FEntryMenu->addSeparator()->setObjectName(QStringLiteral("PopDeleteSeparator"));
  FEntryMenu->addAction(FUi->PopPlaceInCircuit);
  FEntryMenu->addAction(FUi->PopEditMacro);
  FEntryMenu->addAction(FUi->PopViewDatasheet);
  // The Delete key reaches the list's entries only, never the drawing's.
  FUi->PopDelete->setShortcutContext(Qt::WidgetShortcut);
  FUi->List->addAction(FUi->PopDelete);

  auto* views = new QActionGroup(this);
  for (QAction* view : {FUi->MenuMacroName, FUi->MenuLargeIcons, FUi->MenuSmallIcons}) {
    views->addAction(view);
  }
  connect(FUi->MenuMacroName, &QAction::triggered, this,
          [this] { SetView(TPartsView::MacroName); });
  connect(FUi->MenuLargeIcons, &QAction::triggered, this,
          [this] { SetView(TPartsView::LargeIcons); });
  connect(FUi->MenuSmallIcons, &QAction::triggered, this,
          [this] { SetView(TPartsView::SmallIcons); });
  connect(FUi->MenuStatusBar, &QAction::triggered, this, &TPartsForm::SetStatusVisible);
  connect(FUi->MenuView, &QMenu::aboutToShow, this,
          [this] { FUi->MenuStatusBar->setChecked(StatusVisible()); });
  ConnectHelpTopic(*FUi->MenuHelpTopics, QStringLiteral("partscentre.htm"));
  connect(FUi->MenuClose, &QAction::triggered, this, &QWidget::close);
  connect(FUi->SpeedChangeLevel, &QAction::triggered, this, &TPartsForm::UpOneLevelClick);
  connect(FUi->SpeedRoot, &QAction::triggered, this, &TPartsForm::RootClick);
  connect(FUi->SpeedEditMacro, &QAction::triggered, this, &TPartsForm::EditMacroClick);
  connect(FUi->PopEditMacro, &QAction::triggered, this, &TPartsForm::EditMacroClick);
  connect(FUi->PopPlaceInCircuit, &QAction::triggered, this, &TPartsForm::PlaceMacroClick);
  connect(FUi->PopDelete, &QAction::triggered, this, &TPartsForm::DeleteClick);
  connect(FUi->PopViewDatasheet, &QAction::triggered, this, &TPartsForm::ViewDatasheetClick);
  connect(FUi->List, &QListWidget::currentItemChanged, this, &TPartsForm::EntryChanged);
  FUi->List->viewport()->installEventFilter(this);
  FUi->List->installEventFilter(this);
  SetView(TPartsView::MacroName);
  UpdateButtons();
  ControlLabels::Label(*this);
}

TPartsForm::~TPartsForm() = default;

TPartsList& TPartsForm::List() const {
  return *FUi->List;
}

// ---------------------------------------------------------------------------------------------
// Browsing

void TPartsForm::SetRoot(const QString& folder) {
  FRootFolder = QDir::cleanPath(QDir(folder).absolutePath());
  FCurrentFolder = FRootFolder;
  ChangeFolder(FRootFolder);
}

void TPartsForm::Refresh() {
  ChangeFolder(FCurrentFolder);
}

namespace {

bool CanEnter(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isExecutable() && info.isReadable();
}

}  // namespace

bool TPartsForm::ChangeFolder(const QString& dir) {
  if (!CanEnter(FCurrentFolder)) {
    // The folder listed has vanished: show the working folder rather than what it held.
    ShowFolder(QDir::currentPath());
    return false;
  }
  const QString target = QDir::cleanPath(QDir(FCurrentFolder).absoluteFilePath(dir));
  if (dir.isEmpty() || !CanEnter(target)) {
    return false;
  }
  ShowFolder(target);
  return true;
}

void TPartsForm::ShowFolder(const QString& folder) {
  FCurrentFolder = folder;
  Populate();
  FUi->SpeedChangeLevel->setEnabled(FCurrentFolder != FRootFolder &&
                                    !QDir(FCurrentFolder).isRoot());
  UpdateButtons();
}

void TPartsForm::SetShippedFolders(const QStringList& folders) {
  FShippedFolders.clear();
  for (const QString& folder : folders) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty()) {
      FShippedFolders << canonical;
    }
  }
}

bool TPartsForm::IsShipped(const QString& folder) const {
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  return !canonical.isEmpty() && std::ranges::any_of(FShippedFolders, [&](const QString& shipped) {
    return canonical == shipped || canonical.startsWith(shipped + u'/');
  });
}

void TPartsForm::Populate() {
  std::vector<TFileData> entries = ListLibraryFolder(FCurrentFolder);
  if (IsShipped(FCurrentFolder)) {
    for (TFileData& entry : entries) {
      entry.ReadOnly = true;
    }
  }
  List().Fill(FCurrentFolder, std::move(entries), FView == TPartsView::MacroName);
  FUi->StatusBar->clearMessage();
}

void TPartsForm::UpOneLevelClick() {
  ChangeFolder(QStringLiteral(".."));
  UpdateButtons();
}

void TPartsForm::RootClick() {
  ChangeFolder(FRootFolder);
}

void TPartsForm::UpdateButtons() {
  const TFileData* entry = List().SelectedEntry();
  const bool macro = entry && entry->IsMacro();
  FUi->SpeedEditMacro->setEnabled(macro);
  FUi->PopEditMacro->setEnabled(macro);
  FUi->PopPlaceInCircuit->setEnabled(macro && OnPlaceMacro);
  FUi->PopDelete->setEnabled(macro && !entry->ReadOnly);
}

void TPartsForm::EntryChanged(QListWidgetItem* item) {
  const TFileData* entry = List().Entry(item);
  FUi->StatusBar->showMessage(entry ? entry->StatusText() : QString());
  UpdateButtons();
}

// ---------------------------------------------------------------------------------------------
// Views

void TPartsForm::SetView(TPartsView view) {
  FView = view;
  TPartsList& list = List();
  const bool icons = view == TPartsView::LargeIcons;
  list.setViewMode(icons ? QListView::IconMode : QListView::ListMode);
  list.setMovement(QListView::Static);
  list.setDragEnabled(true);  // the view mode and a static movement switch dragging off
  list.setFlow(icons ? QListView::LeftToRight : QListView::TopToBottom);
  list.setWrapping(view != TPartsView::MacroName);
  list.setWordWrap(icons);
  list.setIconSize(icons ? QSize(32, 32) : QSize(16, 16));
  list.setGridSize(icons ? QSize(84, 64) : QSize());
  list.Recaption(view == TPartsView::MacroName);
  FUi->MenuMacroName->setChecked(view == TPartsView::MacroName);
  FUi->MenuLargeIcons->setChecked(view == TPartsView::LargeIcons);
  FUi->MenuSmallIcons->setChecked(view == TPartsView::SmallIcons);
}

bool TPartsForm::StatusVisible() const {
  return !FUi->StatusBar->isHidden();
}

void TPartsForm::SetStatusVisible(bool visible) {
  FUi->StatusBar->setVisible(visible);
  FUi->MenuStatusBar->setChecked(visible);
}

// ---------------------------------------------------------------------------------------------
// Commands on entries

void TPartsForm::EditEntry(const TFileData& entry) {
  const QString fileName = List().FullPath(entry);
  List().clearSelection();
  List().setCurrentItem(nullptr);
  UpdateButtons();
  if (OnEditMacro) {
    OnEditMacro(fileName);
  }
}

void TPartsForm::EditMacroClick() {
  const TFileData* entry = List().SelectedEntry();
  if (entry && entry->IsMacro()) {
    EditEntry(*entry);
  }
}

void TPartsForm::PlaceMacroClick() {
  const TFileData* entry = List().SelectedEntry();
  if (entry && entry->IsMacro() && OnPlaceMacro) {
    OnPlaceMacro(List().FullPath(*entry));
  }
}

void TPartsForm::DeleteClick() {
  const TFileData* entry = List().SelectedEntry();
  if (!entry || !entry->IsMacro() || entry->ReadOnly) {
    return;
  }
  const QString fileName = List().FullPath(*entry);
  if (UserMessages::Ask(this, tr("Are you sure you want to delete this macro?"),
                        QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Information) != QMessageBox::Yes) {
    return;
  }
  QFile file(fileName);
  if (!file.remove() && file.exists()) {
    UserMessages::Show(this, QMessageBox::Warning,
                       tr("The macro could not be deleted.") + "\n" + file.errorString());
  }
  Refresh();
}

void TPartsForm::ViewDatasheetClick() {
  if (OnViewDatasheet) {
    OnViewDatasheet(FItemDatasheet, FItemHelpTopic);
  }
}

void TPartsForm::ShowEntryMenu(const TFileData& entry, const QPoint& globalPos) {
  FUi->PopDelete->setVisible(!entry.ReadOnly);
  FEntryMenu->findChild<QAction*>(QStringLiteral("PopDeleteSeparator"))
      ->setVisible(!entry.ReadOnly);
  FUi->PopViewDatasheet->setVisible(!entry.Datasheet.isEmpty());
  FUi->PopViewDatasheet->setEnabled(static_cast<bool>(OnViewDatasheet));
  FItemDatasheet = entry.Datasheet;
  FItemHelpTopic = entry.HelpTopic;
  FEntryMenu->popup(globalPos);
}

// ---------------------------------------------------------------------------------------------
// Mouse and keys on the list

bool TPartsForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FUi->List->viewport()) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      const bool handled = ListPressed(static_cast<const QMouseEvent&>(*event));
      UpdateButtons();
      return handled;
    }
  } else if (watched == FUi->List && event->type() == QEvent::KeyPress) {
    return ListKeyPressed(static_cast<const QKeyEvent&>(*event));
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TPartsForm::ListPressed(const QMouseEvent& event) {
  QListWidgetItem* item = List().itemAt(event.position().toPoint());
  const TFileData* entry = List().Entry(item);
  FItemDatasheet.clear();
  FItemHelpTopic.clear();
  if (event.type() == QEvent::MouseButtonDblClick) {
    // The first click of a double click on a folder has opened it already; the second one
    // must not act on whatever entry of the new folder now lies under the mouse.
    if (entry && entry->IsMacro() && List().FullPath(*entry) == FPressedFile) {
      EditEntry(*entry);
    }
    FPressedFile.clear();
    return true;
  }
  FPressedFile = entry && entry->IsMacro() ? List().FullPath(*entry) : QString();
  if (!entry) {
    return false;
  }
  if (!entry->IsMacro()) {
    if (event.button() == Qt::LeftButton) {
      FUi->StatusBar->clearMessage();
      const QString name = entry->FileName;  // the entry goes with the listing it leaves
      ChangeFolder(name);
    }
    return true;
  }
  if (event.button() == Qt::RightButton) {
    List().setCurrentItem(item);
    ShowEntryMenu(*entry, event.globalPosition().toPoint());
    return true;
  }
  return false;
}

bool TPartsForm::ListKeyPressed(const QKeyEvent& event) {
  if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) {
    return false;
  }
  const TFileData* entry = List().SelectedEntry();
  if (entry && entry->IsMacro()) {
    PlaceMacroClick();
  } else if (entry) {
    const QString name = entry->FileName;
    ChangeFolder(name);
  }
  return entry != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Showing

void TPartsForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  Refresh();
  BuildDriveMenu();
}

void TPartsForm::BuildDriveMenu() {
  FDriveMenu->clear();
  for (const TVolume& volume : MountedVolumes()) {
    QAction* item = FDriveMenu->addAction(
        style()->standardIcon(volume.Kind == TVolume::Removable ? QStyle::SP_DriveFDIcon
                                                                : QStyle::SP_DriveHDIcon),
        volume.Caption);
    connect(item, &QAction::triggered, this, [this, path = volume.Path] { ChangeFolder(path); });
  }
}

}  // namespace logivane
