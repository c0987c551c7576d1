#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TNameMacroDialog;
}

namespace logivane {

/**
 * @brief The "Name Macro" dialog: the name a macro shows in the Parts Centre.
 *
 * The name is one line: its memo takes the focus when shown, ignores Enter, and line breaks
 * pasted into it come back as spaces.
 */
class TNameMacroDialog : public QDialog {
  Q_OBJECT
public:
  explicit TNameMacroDialog(QWidget* parent = nullptr);
  ~TNameMacroDialog() override;

  void SetValues(const QString& name);
  QString Values() const;
  /// Shows the dialog modally filled from `name`; on OK copies the memo back and returns true,
  /// on Cancel leaves `name` alone and returns false.
  bool Edit(QString& name);

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::unique_ptr<Ui::TNameMacroDialog> FUi;
};

}  // namespace logivane
