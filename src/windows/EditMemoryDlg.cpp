#include "windows/EditMemoryDlg.h"

#include "dialogs/HelpTopics.h"
#include "document/cColour.h"
#include "editor/UserMessages.h"
#include "editor/WaitCursor.h"
#include "simulation/cMemory.h"
#include "simulation/cMemoryFiles.h"
#include "ui_EditMemoryDlg.h"
#include "windows/ControlLabels.h"
#include "windows/MemoryContentsModel.h"
#include "windows/SchemedIcon.h"
#include "windows/WordEditDelegate.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>

#include <algorithm>

namespace logivane {

namespace {

/// The grid's pale yellow.
constexpr TColour GridColour = 15400959;
constexpr int RowHeight = 16;
constexpr int AddressWidth = 60;
constexpr int ContentsWidth = 185;

/// The kinds of file the dialogs offer, memory maps first.
QStringList MemoryFilters() {
  return {TEditContentsDialog::tr("Memory Files (*.map)"),
          TEditContentsDialog::tr("Intel HEX Files (*.hex *.ihx)"),
          TEditContentsDialog::tr("Binary Files (*.bin)")};
}
/// The extension that a name typed without one takes, for each of `MemoryFilters`.
constexpr const char* MemorySuffixes[] = {"map", "hex", "bin"};

QString OpenMapDialog(QWidget* parent) {
  const QStringList filters =
      QStringList{TEditContentsDialog::tr("All Memory Files (*.map *.hex *.ihx *.bin)")} +
      MemoryFilters();
  return QFileDialog::getOpenFileName(parent, TEditContentsDialog::tr("Open Memory Map"),
                                      QDir::currentPath(), filters.join(QStringLiteral(";;")));
}

QString SaveMapDialog(QWidget* parent) {
  // Asks before overwriting, as every save dialog does.
  const QStringList filters = MemoryFilters();
  QFileDialog dialog(parent, TEditContentsDialog::tr("Save Memory Map"), QDir::currentPath(),
                     filters.join(QStringLiteral(";;")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromLatin1(MemorySuffixes[0]));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, filters](const QString& filter) {
                     const qsizetype kind = std::max<qsizetype>(filters.indexOf(filter), 0);
                     dialog.setDefaultSuffix(QString::fromLatin1(MemorySuffixes[kind]));
                   });
  dialog.selectFile(QStringLiteral("Memory"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

/// Why a memory map was not loaded.
QString LoadFailureText(const TMemoryMapResult& result) {
  switch (result.Status) {
    case TMemoryMapStatus::NotAMemoryMap:
      return TEditContentsDialog::tr("This is not a valid Memory Map file.");
    case TMemoryMapStatus::Truncated:
      return TEditContentsDialog::tr(
          "This Memory Map file holds fewer words than it says. The memory was left as it was.");
    case TMemoryMapStatus::BadImage:
      return TEditContentsDialog::tr("%1\nThe memory was left as it was.").arg(result.Message);
    default:
      return TEditContentsDialog::tr("The Memory Map file could not be read: %1")
          .arg(result.Message);
  }
}

}  // namespace

TEditContentsDialog::TEditContentsDialog(QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      ChooseOpenMap(OpenMapDialog),
      ChooseSaveMap(SaveMapDialog),
      FUi(std::make_unique<Ui::TEditContentsDialog>()),
      FModel(new TMemoryContentsModel(this)) {
  FUi->setupUi(this);
  FUi->MenuClearMemory->setIcon(SchemedIcon(QStringLiteral("new")));
  FUi->MenuOpenMap->setIcon(SchemedIcon(QStringLiteral("open")));
  FUi->MenuSaveMap->setIcon(SchemedIcon(QStringLiteral("save")));
  connect(FUi->MenuClearMemory, &QAction::triggered, this, &TEditContentsDialog::ClearMemoryClick);
  connect(FUi->MenuOpenMap, &QAction::triggered, this, &TEditContentsDialog::OpenMapClick);
  connect(FUi->MenuSaveMap, &QAction::triggered, this, &TEditContentsDialog::SaveMapClick);
  ConnectHelpTopic(*FUi->ContentsHelpTopics, QStringLiteral("MemoryContentsWindow.htm"));
  connect(FUi->HexButton, &QRadioButton::toggled, this, &TEditContentsDialog::ShowHexadecimal);

  QTableView& grid = *FUi->ContentsGrid;
  grid.setModel(FModel);
  grid.setItemDelegateForColumn(TMemoryContentsModel::ContentsColumn,
                                new TWordEditDelegate(*FModel, &grid));
  grid.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QPalette palette = grid.palette();
  palette.setColor(QPalette::Base, ToQColor(GridColour));
  palette.setColor(QPalette::Text, Qt::black);  // the tint is light whatever the theme
  grid.setPalette(palette);
  // Every row has the same height, so the view never measures the rows it does not show.
  grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid.verticalHeader()->setMinimumSectionSize(RowHeight);
  grid.verticalHeader()->setDefaultSectionSize(RowHeight);
  grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid.setColumnWidth(TMemoryContentsModel::AddressColumn, AddressWidth);
  grid.setColumnWidth(TMemoryContentsModel::ContentsColumn, ContentsWidth);
  connect(grid.selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TEditContentsDialog::KeepToContents);
  connect(FModel, &TMemoryContentsModel::WordEditing, this, &TEditContentsDialog::ContentsChanging);
  connect(FModel, &TMemoryContentsModel::WordEdited, this, &TEditContentsDialog::ContentsChanged);
  ControlLabels::Label(*this);
}

TEditContentsDialog::~TEditContentsDialog() = default;

void TEditContentsDialog::SetMemory(TMemoryDevice* memory) {
  // The model's reset drops an editor still open on the old memory without storing it.
  FModel->SetMemory(memory);
  // Hexadecimal needs a whole digit; otherwise the base the user chose stays for the next memory.
  const bool hexadecimal = !memory || memory->DataWidth() >= 4;
  if (!hexadecimal) {
    FUi->BinaryButton->setChecked(true);
  }
  FUi->HexButton->setEnabled(hexadecimal);
  for (QAction* command : {FUi->MenuClearMemory, FUi->MenuOpenMap, FUi->MenuSaveMap}) {
    command->setEnabled(memory != nullptr);
  }
  SelectAddress(0);
}

TMemoryDevice* TEditContentsDialog::Memory() const {
  return FModel->Memory();
}

void TEditContentsDialog::Detach() {
  SetMemory(nullptr);
  hide();
}

void TEditContentsDialog::FollowAccess() {
  if (!Memory()) {
    return;
  }
  FModel->Refresh();
  // The editor sits on the current word; moving away would store it half typed.
  const QTableView& grid = *FUi->ContentsGrid;
  if (!grid.indexWidget(grid.currentIndex())) {
    SelectAddress(Memory()->LastAddress());
  }
}

void TEditContentsDialog::SelectAddress(int address) {
  const QModelIndex word = FModel->index(address, TMemoryContentsModel::ContentsColumn);
  if (word.isValid()) {
    FUi->ContentsGrid->setCurrentIndex(word);
    FUi->ContentsGrid->scrollTo(word);
  }
}

void TEditContentsDialog::KeepToContents(const QModelIndex& current) {
  if (current.isValid() && current.column() == TMemoryContentsModel::AddressColumn) {
    SelectAddress(current.row());
  }
}

void TEditContentsDialog::ShowHexadecimal(bool hexadecimal) {
  FModel->SetHexadecimal(hexadecimal);
}

void TEditContentsDialog::WordsReplaced() {
  FModel->Refresh();
  emit ContentsChanged();
}

void TEditContentsDialog::ClearMemoryClick() {
  if (!Memory() ||
      UserMessages::Ask(this, tr("Clear all memory contents?"), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Information) != QMessageBox::Yes) {
    return;
  }
  emit ContentsChanging();
  Memory()->ClearContents();
  WordsReplaced();
}

void TEditContentsDialog::OpenMapClick() {
  if (!Memory()) {
    return;
  }
  const QString fileName = ChooseOpenMap(this);
  if (fileName.isEmpty()) {
    return;
  }
  TMemoryMapResult result;
  {
    TWaitCursor wait;
    emit ContentsChanging();
    result = LoadMemoryFile(fileName, *Memory());
  }
  if (!result.Ok()) {
    UserMessages::Show(this, QMessageBox::Critical, LoadFailureText(result));
    return;
  }
  WordsReplaced();
}

void TEditContentsDialog::SaveMapClick() {
  if (!Memory()) {
    return;
  }
  const QString fileName = ChooseSaveMap(this);
  if (fileName.isEmpty()) {
    return;
  }
  TMemoryMapResult result;
  {
    TWaitCursor wait;
    result = SaveMemoryFile(fileName, *Memory());
  }
  if (!result.Ok()) {
    UserMessages::Show(this, QMessageBox::Critical,
                       tr("The Memory Map file could not be saved: %1").arg(result.Message));
  }
}

}  // namespace logivane
