#pragma once

#include <memory>

namespace logivane {

class TGraphicObject;
class TLogivaneDrawing;
class TMainForm;
class TSelection;

/**
 * @brief The device commands that open a dialog of their own: the sequence of a sequence
 * generator, the type of a switch, and the numeric display's settings when it is placed and
 * afterwards. The dialogs are the window's, and keep the last choices between showings.
 */
class TDeviceDialogs {
public:
  TDeviceDialogs(TMainForm& window, TLogivaneDrawing& drawing, TSelection& selection);

  void EditSequenceClick();
  void SwitchTypeClick();
  void NumericPropertiesClick();
  /// A numeric display as the numeric output dialog describes it; null when it is cancelled.
  std::unique_ptr<TGraphicObject> NewNumericDevice();

private:
  TMainForm& FWindow;
  TLogivaneDrawing& FDrawing;
  TSelection& FSelection;
};

}  // namespace logivane
