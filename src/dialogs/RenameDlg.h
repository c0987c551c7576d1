#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TRenameDialog;
}

namespace logivane {

/// What the label dialog edits: a device's label text and whether a bar is drawn over it.
struct TRenameValues {
  QString Text;
  bool Overbar = false;

  bool operator==(const TRenameValues&) const = default;
};

/// The "Edit Text" dialog for a device's label. The text box takes the focus when shown.
class TRenameDialog : public QDialog {
  Q_OBJECT
public:
  explicit TRenameDialog(QWidget* parent = nullptr);
  ~TRenameDialog() override;

  void SetValues(const TRenameValues& values);
  TRenameValues Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the controls back and returns
  /// true, on Cancel leaves `values` alone and returns false.
  bool Edit(TRenameValues& values);

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::unique_ptr<Ui::TRenameDialog> FUi;
};

}  // namespace logivane
