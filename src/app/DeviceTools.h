#pragma once

#include <memory>
#include <span>

namespace logivane {

class TGraphicObject;

/// One button of the device tool bar.
struct TDeviceTool {
  using TFactory = std::unique_ptr<TGraphicObject> (*)();

  /// The button's object name.
  const char* Name;
  /// The button's hint.
  const char* Hint;
  /// The file name of its icon under ":/icons".
  const char* Icon;
  /// Builds the device a press places, around the origin; null for the devices that a dialog
  /// describes first.
  TFactory Create;
  /// A new device of this kind is selected after placement, so that its settings are at hand.
  bool SelectAfterPlacing = false;
  /// A separator follows the button.
  bool EndsGroup = false;
};

/// The device tool bar's buttons, in the order they are shown.
std::span<const TDeviceTool> DeviceTools();

}  // namespace logivane
