#pragma once

#include "dialogs/RecoveryDlg.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <vector>

class QMainWindow;
class QLabel;

namespace logivane {

class TAutosave;
class TCircuitDocument;
class TCircuitFileCommands;
class TRecoveryFolder;
struct TRecoveryCopy;

/**
 * @brief The main window's side of recovery: the autosave that copies unsaved work, its notice
 * in the status bar, and at start the offer of the copies that programs which stopped left.
 */
class TRecoveryCommands {
  Q_DECLARE_TR_FUNCTIONS(TRecoveryCommands)
public:
  /// Asks what to do with the recovery copies listed.
  using TChooser = std::function<TRecoveryChoice(QWidget* parent,
                                                 const std::vector<TRecoveryListEntry>& copies)>;

  TRecoveryCommands(QMainWindow& window, TCircuitDocument& document, TCircuitFileCommands& files);
  ~TRecoveryCommands();

  TAutosave& Autosave() const { return *FAutosave; }
  TRecoveryFolder& Folder() const { return *FFolder; }
  /// Lists the copies left by programs that stopped without saving and does what the user
  /// chooses; true when one became the document.
  bool OfferRecovery();

  /// The recovery dialog; tests replace it.
  TChooser Choose;

private:
  bool Recover(TRecoveryCopy& copy);

  QMainWindow& FWindow;
  TCircuitFileCommands& FFiles;
  std::unique_ptr<TRecoveryFolder> FFolder;
  std::unique_ptr<TAutosave> FAutosave;
  /// Why the last copy could not be written; hidden while they are.
  QLabel* FNotice = nullptr;
};

}  // namespace logivane
