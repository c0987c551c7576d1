#pragma once

#include <QCoreApplication>
#include <QPoint>

#include <vector>

class QKeyEvent;
class QMenu;

namespace logivane {

class TGraphicObject;
class TLogivaneDrawing;
class TMainForm;
class TPin;

/**
 * @brief Editing the drawing without a mouse: a keyboard cursor where devices are placed, a
 * palette of the device tools, stepping through the level's objects and wiring from pin to pin.
 *
 * Every step goes through what the mouse uses: a device is placed by the window's placement at
 * the cursor, and a wire is started and ended by presses of the Wiring Tool on the pins, so
 * each is one edit of the history, undone as the mouse's would be. The cursor is a point in
 * drawing units that the drawing shows as a cross-hair.
 */
class TKeyboardEditing {
  Q_DECLARE_TR_FUNCTIONS(TKeyboardEditing)
public:
  TKeyboardEditing(TMainForm& window, TLogivaneDrawing& drawing);

  /// Builds the palette and the command that opens it; once, after the tool bars.
  void Create();
  /// Opens the palette of device tools at the cursor; the device chosen is placed there.
  void ShowPalette();
  /// Handles a key pressed on the drawing; false when it is not one of the editing keys.
  bool HandleKey(const QKeyEvent& event);

private:
  /// Places the device of the chosen tool at the cursor and selects it.
  void PlaceAtCursor(bool keepTool);
  /// Selects the next or previous device, tag or text of the level, and puts the cursor on it.
  void StepSelection(bool forward);
  void MoveCursor(int dx, int dy);
  /// Starts a wire at the next free pin of the selected device, after the one the wire being
  /// traced from the keyboard starts at.
  void StartWire();
  /// Puts the cursor on the next or previous free pin, nearest first, as the wire's target.
  void StepTarget(bool forward);
  /// Ends the wire on the pin under the cursor and selects the device it started from again.
  void FinishWire();
  void LeaveWiring();
  /// A click of the left button at `at`, as the mouse gives it.
  void ClickAt(QPoint at);
  /// The level's devices, tags and texts, in the order they are stepped through.
  std::vector<TGraphicObject*> LevelObjects() const;
  /// The free pins of the level, nearest to `from` first.
  std::vector<TPin*> FreePins(QPoint from) const;
  bool OnLevel(const TGraphicObject* object) const;
  QPoint Cursor() const;
  /// Tells the person what the keys do now, in the status bar.
  void Hint(const QString& text);

  TMainForm& FWindow;
  TLogivaneDrawing& FDrawing;
  QMenu* FPalette = nullptr;
  /// The device a wire traced from the keyboard starts at; compared only, never followed,
  /// until it is found on the level again.
  TGraphicObject* FWireFrom = nullptr;
  /// Where the keyboard's wire starts.
  QPoint FWireStart;
};

}  // namespace logivane
