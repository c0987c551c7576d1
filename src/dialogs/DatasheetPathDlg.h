#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TDatasheetPathDialog;
}

namespace logivane {

/// The "Datasheet Path" dialog: the second folder in which datasheets are looked for.
class TDatasheetPathDialog : public QDialog {
  Q_OBJECT
public:
  explicit TDatasheetPathDialog(QWidget* parent = nullptr);
  ~TDatasheetPathDialog() override;

  void SetValues(const QString& path);
  /// The path as typed, without the spaces around it.
  QString Values() const;
  /// Shows the dialog modally filled from `path`; on OK copies the box back and returns true,
  /// on Cancel leaves `path` alone and returns false.
  bool Edit(QString& path);

private:
  std::unique_ptr<Ui::TDatasheetPathDialog> FUi;
};

}  // namespace logivane
