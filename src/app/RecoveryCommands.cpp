// Recovery copies: writing them while work is unsaved, and offering them after a crash.
#include "app/RecoveryCommands.h"

#include "app/Autosave.h"
#include "app/CircuitFileCommands.h"
#include "app/RecoveryFolder.h"
#include "editor/UserMessages.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

namespace logivane {

namespace {

/// "3 minutes", "2 hours": how far apart two moments are, in the largest unit that fits.
QString Span(qint64 seconds) {
  if (seconds < 60) {
    return TRecoveryCommands::tr("%n second(s)", nullptr, int(seconds));
  }
  if (seconds < 3600) {
    return TRecoveryCommands::tr("%n minute(s)", nullptr, int(seconds / 60));
  }
  if (seconds < 86400) {
    return TRecoveryCommands::tr("%n hour(s)", nullptr, int(seconds / 3600));
  }
  return TRecoveryCommands::tr("%n day(s)", nullptr, int(seconds / 86400));
}

/// How the copy compares with the circuit's file as it is on disk now.
QString Comparison(const TRecoveryCopy& copy) {
  if (copy.Damaged()) {
    return copy.Damage;
  }
  if (copy.Info.FileName.isEmpty()) {
    return TRecoveryCommands::tr("never saved");
  }
  if (!copy.FileModified.isValid()) {
    return TRecoveryCommands::tr("the file is missing");
  }
  const qint64 newer = copy.FileModified.secsTo(copy.Info.Written);
  return newer >= 0 ? TRecoveryCommands::tr("%1 newer than the file").arg(Span(newer))
                    : TRecoveryCommands::tr("%1 older than the file").arg(Span(-newer));
}

std::vector<TRecoveryListEntry> ListEntries(const std::vector<TRecoveryCopy>& copies) {
  std::vector<TRecoveryListEntry> entries;
  for (const TRecoveryCopy& copy : copies) {
    const QString circuit = copy.Info.FileName.isEmpty()
                                ? TRecoveryCommands::tr("Untitled")
                                : QDir::toNativeSeparators(copy.Info.FileName);
    entries.push_back(
        {copy.Damaged() ? QDir::toNativeSeparators(copy.CopyPath) : circuit,
         copy.Info.Written.isValid()
             ? QLocale().toString(copy.Info.Written.toLocalTime(), QLocale::ShortFormat)
             : QString(),
         Comparison(copy), copy.Damaged()});
  }
  return entries;
}

}  // namespace

TRecoveryCommands::TRecoveryCommands(QMainWindow& window, TCircuitDocument& document,
                                     TCircuitFileCommands& files)
    : Choose(TRecoveryDialog::Ask),
      FWindow(window),
      FFiles(files),
      FFolder(std::make_unique<TRecoveryFolder>()),
      FAutosave(std::make_unique<TAutosave>(document, *FFolder)),
      FNotice(new QLabel) {
  FNotice->setObjectName(QStringLiteral("AutosaveNotice"));
  FNotice->setStyleSheet(QStringLiteral("color: red"));
  FNotice->hide();
  window.statusBar()->addPermanentWidget(FNotice);
  QObject::connect(FAutosave.get(), &TAutosave::NoticeChanged, FNotice,
                   [this](const QString& text) {
                     FNotice->setText(text);
                     FNotice->setToolTip(text);
                     FNotice->setVisible(!text.isEmpty());
                   });
}

TRecoveryCommands::~TRecoveryCommands() = default;

bool TRecoveryCommands::OfferRecovery() {
  std::vector<TRecoveryCopy> copies = FFolder->StaleCopies();
  while (!copies.empty()) {
    const TRecoveryChoice choice = Choose(&FWindow, ListEntries(copies));
    if (choice.Action == TRecoveryAction::Later || choice.Index < 0 ||
        choice.Index >= int(copies.size())) {
      return false;  // all copies stay for the next start
    }
    TRecoveryCopy& copy = copies[std::size_t(choice.Index)];
    if (choice.Action == TRecoveryAction::Recover && !copy.Damaged()) {
      return Recover(copy);
    }
    if (choice.Action == TRecoveryAction::Discard) {
      TRecoveryFolder::Remove(copy.CopyPath);
      copies.erase(copies.begin() + choice.Index);
    }
  }
  return false;
}

bool TRecoveryCommands::Recover(TRecoveryCopy& copy) {
  if (!FFolder->Claim(copy)) {
    UserMessages::Show(&FWindow, QMessageBox::Information,
                       tr("Another Logivane has taken the recovery copy of \"%1\" already.")
                           .arg(QDir::toNativeSeparators(copy.Info.FileName)));
    return false;
  }
  if (!FFiles.Recover(copy.CopyPath, copy.Info.FileName)) {
    return false;
  }
  FAutosave->Adopt(copy.CopyPath);  // kept until the recovered work is saved
  return true;
}

}  // namespace logivane
