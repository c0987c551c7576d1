#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFileStatusDialog;
}

namespace logivane {

/// The small window that shows how far the reading of a circuit file has got.
class TFileStatusDialog : public QDialog {
  Q_OBJECT
public:
  explicit TFileStatusDialog(QWidget* parent = nullptr);
  ~TFileStatusDialog() override;

  void SetStatus(const QString& text);
  /// Moves the bar to `percent` and repaints it at once: the program is busy reading.
  void ShowProgress(int percent);

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::unique_ptr<Ui::TFileStatusDialog> FUi;
};

}  // namespace logivane
