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

/// "3 minutes", "1 hour": how far apart two moments are, in the largest unit that fits.
QString Span(qint64 seconds) {
  struct TUnit {
    qint64 Seconds;
    const char* One;
    const char* Many;
  };
  static const TUnit units[] = {{86400, QT_TRANSLATE_NOOP("TRecoveryCommands", "1 day"),
                                 QT_TRANSLATE_NOOP("TRecoveryCommands", "%1 days")},
                                {3600, QT_TRANSLATE_NOOP("TRecoveryCommands", "1 hour"),
                                 QT_TRANSLATE_NOOP("TRecoveryCommands", "%1 hours")},
                                {60, QT_TRANSLATE_NOOP("TRecoveryCommands", "1 minute"),
                                 QT_TRANSLATE_NOOP("TRecoveryCommands", "%1 minutes")},
                                {1, QT_TRANSLATE_NOOP("TRecoveryCommands", "1 second"),
                                 QT_TRANSLATE_NOOP("TRecoveryCommands", "%1 seconds")}};
  for (const TUnit& unit : units) {
    const qint64 count = seconds / unit.Seconds;
    if (count >= 1 || unit.Seconds == 1) {
      return count == 1 ? TRecoveryCommands::tr(unit.One)
                        : TRecoveryCommands::tr(unit.Many).arg(count);
    }
  }
  return {};
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
