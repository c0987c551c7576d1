#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

class QButtonGroup;

namespace Ui {
class TEditSwitchDialog;
}

namespace logivane {

class TInteractiveSwitch;

/**
 * @brief The "Edit Switch Type" dialog: toggle, push to make or push to break, with an example
 * switch that the user presses to try the choice.
 *
 * The value is a switch's `SwitchType`; a type the dialog does not know counts as a toggle, as
 * the switch itself treats it.
 */
class TEditSwitchDialog : public QDialog {
  Q_OBJECT
public:
  explicit TEditSwitchDialog(QWidget* parent = nullptr);
  ~TEditSwitchDialog() override;

  void SetValues(std::int32_t switchType);
  std::int32_t Values() const { return FSwitchType; }
  /// Shows the dialog modally on `switchType`; on OK stores the chosen type and returns true.
  bool Edit(std::int32_t& switchType);

  const TInteractiveSwitch& ExampleSwitch() const { return *FExampleSwitch; }

private:
  void ChooseType(std::int32_t switchType);

  std::unique_ptr<Ui::TEditSwitchDialog> FUi;
  QButtonGroup* FTypes = nullptr;
  /// Owned by the example box, which paints it and passes it the mouse.
  TInteractiveSwitch* FExampleSwitch = nullptr;
  std::int32_t FSwitchType = 0;
};

}  // namespace logivane
