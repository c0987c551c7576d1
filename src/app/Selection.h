#pragma once

#include <functional>

namespace logivane {

class TCircuitDocument;
class TGraphicObject;
class TLogivaneDrawing;

/**
 * @brief The object that the selection commands act on, and the one way they change it: as an
 * edit of the document that the drawing shows again.
 */
class TSelection {
public:
  TSelection(TCircuitDocument& document, TLogivaneDrawing& drawing);

  /// The selected object, when the selection is exactly one.
  TGraphicObject* Object() const;
  /// Runs `change` on the selected object and marks the circuit modified; with `reshape` the
  /// handles let go during the change and take the object's new bounds after it.
  void Change(const std::function<void(TGraphicObject&)>& change, bool reshape = false);
  /// As `Change`, for a command that acts on a `T` only: when the selection is anything else,
  /// whatever menu the command came from, it does nothing.
  template <class T, class F>
  void ChangeAs(F&& change, bool reshape = false) {
    if (dynamic_cast<T*>(Object())) {
      Change([&change](TGraphicObject& object) { change(static_cast<T&>(object)); }, reshape);
    }
  }

private:
  TCircuitDocument& FDocument;
  TLogivaneDrawing& FDrawing;
};

}  // namespace logivane
