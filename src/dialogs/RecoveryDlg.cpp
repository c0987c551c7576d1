#include "dialogs/RecoveryDlg.h"

#include "ui_RecoveryDlg.h"

#include <algorithm>

namespace logivane {

TRecoveryDialog::TRecoveryDialog(QWidget* parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TRecoveryDialog>()) {
  FUi->setupUi(this);
  connect(FUi->RecoverButton, &QPushButton::clicked, this,
          [this] { Choose(TRecoveryAction::Recover); });
  connect(FUi->DiscardButton, &QPushButton::clicked, this,
          [this] { Choose(TRecoveryAction::Discard); });
  connect(FUi->LaterButton, &QPushButton::clicked, this,
          [this] { Choose(TRecoveryAction::Later); });
  connect(FUi->CopyList, &QTreeWidget::currentItemChanged, this, &TRecoveryDialog::EnableButtons);
  connect(FUi->CopyList, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (FUi->RecoverButton->isEnabled()) {
      Choose(TRecoveryAction::Recover);
    }
  });
}

TRecoveryDialog::~TRecoveryDialog() = default;

void TRecoveryDialog::SetCopies(const std::vector<TRecoveryListEntry>& copies) {
  FCopies = copies;
  FChoice = {};
  FUi->CopyList->clear();
  QStringList damaged;
  for (const TRecoveryListEntry& copy : copies) {
    auto* item = new QTreeWidgetItem(FUi->CopyList, {copy.Circuit, copy.Written, copy.Comparison});
    item->setToolTip(0, copy.Circuit);
    if (copy.Damaged) {
      item->setForeground(2, palette().color(QPalette::Disabled, QPalette::Text));
      damaged << copy.Circuit;
    }
  }
  FUi->DamagedText->setVisible(!damaged.isEmpty());
  FUi->DamagedText->setText(tr("These copies cannot be read and can only be discarded: %1")
                                .arg(damaged.join(QStringLiteral(", "))));
  // The first copy that can be recovered is offered first.
  const auto sound = std::find_if(copies.begin(), copies.end(),
                                  [](const TRecoveryListEntry& copy) { return !copy.Damaged; });
  const int first = sound == copies.end() ? 0 : int(sound - copies.begin());
  FUi->CopyList->setCurrentItem(FUi->CopyList->topLevelItem(first));
  for (int column = 0; column < FUi->CopyList->columnCount(); ++column) {
    FUi->CopyList->resizeColumnToContents(column);
  }
  // A long path gives up its middle, so that the comparison stays in view; the tip shows it all.
  constexpr int LongestCircuitColumn = 300;
  FUi->CopyList->setColumnWidth(0, std::min(FUi->CopyList->columnWidth(0), LongestCircuitColumn));
  EnableButtons();
}

void TRecoveryDialog::EnableButtons() {
  const int index = FUi->CopyList->indexOfTopLevelItem(FUi->CopyList->currentItem());
  const bool chosen = index >= 0 && index < int(FCopies.size());
  FUi->RecoverButton->setEnabled(chosen && !FCopies[std::size_t(index)].Damaged);
  FUi->DiscardButton->setEnabled(chosen);
}

void TRecoveryDialog::Choose(TRecoveryAction action) {
  FChoice = {action, FUi->CopyList->indexOfTopLevelItem(FUi->CopyList->currentItem())};
  if (action == TRecoveryAction::Later) {
    reject();
  } else {
    accept();
  }
}

TRecoveryChoice TRecoveryDialog::Ask(QWidget* parent,
                                     const std::vector<TRecoveryListEntry>& copies) {
  TRecoveryDialog dialog(parent);
  dialog.SetCopies(copies);
  dialog.exec();
  return dialog.Choice();
}

}  // namespace logivane
