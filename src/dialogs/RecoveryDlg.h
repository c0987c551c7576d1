#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace Ui {
class TRecoveryDialog;
}

namespace logivane {

/// One recovery copy as the dialog lists it.
struct TRecoveryListEntry {
  /// The circuit's file, or "Untitled".
  QString Circuit;
  /// When the copy was written.
  QString Written;
  /// How the copy compares with the file on disk, or why it cannot be read.
  QString Comparison;
  bool Damaged = false;
};

/// What the user chose to do with the copies.
enum class TRecoveryAction { Recover, Discard, Later };

struct TRecoveryChoice {
  TRecoveryAction Action = TRecoveryAction::Later;
  /// The copy recovered or discarded.
  int Index = -1;
};

/**
 * @brief Lists the recovery copies left by a program that stopped without saving, and asks
 * whether to recover the one selected, to discard it, or to decide later.
 *
 * A copy that cannot be read is listed with the reason; it can only be discarded.
 */
class TRecoveryDialog : public QDialog {
  Q_OBJECT
public:
  explicit TRecoveryDialog(QWidget* parent = nullptr);
  ~TRecoveryDialog() override;

  void SetCopies(const std::vector<TRecoveryListEntry>& copies);
  /// The choice made by the button pressed last; Later until one is.
  TRecoveryChoice Choice() const { return FChoice; }
  /// Shows the dialog modally with `copies` and returns the choice.
  static TRecoveryChoice Ask(QWidget* parent, const std::vector<TRecoveryListEntry>& copies);

private:
  void Choose(TRecoveryAction action);
  void EnableButtons();

  std::unique_ptr<Ui::TRecoveryDialog> FUi;
  std::vector<TRecoveryListEntry> FCopies;
  TRecoveryChoice FChoice;
};

}  // namespace logivane
