#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TExportPictureDialog;
}

namespace logivane {

/// What the picture dialog asks for.
struct TExportPictureValues {
  /// Pixels per hundred drawing units, 25 to 800.
  int ScalePercent = 100;
  bool Transparent = false;
};

/// The "Export Picture" dialog: the scale of the picture and its background.
class TExportPictureDialog : public QDialog {
  Q_OBJECT
public:
  explicit TExportPictureDialog(QWidget* parent = nullptr);
  ~TExportPictureDialog() override;

  void SetValues(const TExportPictureValues& values);
  TExportPictureValues Values() const;
  /// Shows the dialog filled from `values`; on OK copies the controls back and returns true.
  bool Edit(TExportPictureValues& values);

private:
  std::unique_ptr<Ui::TExportPictureDialog> FUi;
};

}  // namespace logivane
