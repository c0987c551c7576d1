#include "app/KeyboardEditing.h"

#include "app/DeviceTools.h"
#include "app/MainUnit.h"
#include "document/Cfloat.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include <algorithm>
#include <utility>

namespace logivane {

namespace {

QPoint CentreOf(const TGraphicObject& object) {
  float x, y;
  object.GetCentre(x, y);
  return {RoundToInt(x), RoundToInt(y)};
}

int SquaredDistance(QPoint a, QPoint b) {
  const QPoint d = a - b;
  return d.x() * d.x() + d.y() * d.y();
}

/// How far the arrow keys move the cursor with Shift, in grid steps.
constexpr int LongStep = 10;

/// The place of the next or previous of `count` items after `at`, going round; the first or the
/// last when `at` is none of them.
std::size_t StepRound(std::ptrdiff_t at, std::size_t count, bool forward) {
  const auto size = static_cast<std::ptrdiff_t>(count);
  if (at < 0 || at >= size) {
    return forward ? 0 : count - 1;
  }
  return static_cast<std::size_t>((at + (forward ? 1 : size - 1)) % size);
}

}  // namespace

TKeyboardEditing::TKeyboardEditing(TMainForm& window, TLogivaneDrawing& drawing)
    : FWindow(window), FDrawing(drawing) {
}

void TKeyboardEditing::Create() {
  // Each entry presses its device tool bar button and places at the cross-hair. The entries
  // are actions of their own: were they the buttons' actions, the menu would place a device
  // whenever a button was pressed on the tool bar.
  FDrawing.setFocusPolicy(Qt::StrongFocus);  // the editing keys must reach it
  FDrawing.setAccessibleName(tr("Circuit drawing"));
  FPalette = FWindow.NewMenu("DevicePalette", tr("Devices"), &FWindow);
  for (const TDeviceTool& tool : DeviceTools()) {
    QAction* button = FWindow.Action(tool.Name);
    QAction* entry = FPalette->addAction(button->icon(), button->text());
    QObject::connect(entry, &QAction::triggered, &FWindow, [this, button] {
      button->trigger();
      PlaceAtCursor(false);
    });
    if (tool.EndsGroup) {
      FPalette->addSeparator();
    }
  }
  QAction* open =
      FWindow.NewAction("KeyDevicePalette", tr("Device Palette"), QKeySequence(Qt::Key_Insert));
  // Kept to this window, as F1 is, so that the tool windows keep the key for themselves.
  open->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(open, &QAction::triggered, &FWindow, [this] { ShowPalette(); });
  FWindow.addAction(open);
}

void TKeyboardEditing::ShowPalette() {
  FDrawing.setFocus();
  FDrawing.KeyCursor().Show(Cursor());
  QAction* chosen = nullptr;
  const QList<QAction*> entries = FPalette->actions();
  auto entry = entries.begin();
  for (const TDeviceTool& tool : DeviceTools()) {
    entry = std::find_if(entry, entries.end(), [](QAction* a) { return !a->isSeparator(); });
    if (FWindow.Action(tool.Name)->isChecked()) {
      chosen = *entry;
    }
    ++entry;
  }
  const QPoint pixel = (QPointF(Cursor()) * FDrawing.Zoom()).toPoint();
  FPalette->popup(FDrawing.mapToGlobal(pixel), chosen);
}

bool TKeyboardEditing::HandleKey(const QKeyEvent& event) {
  if (FWireFrom && !FDrawing.Tracing()) {
    FWireFrom = nullptr;  // the wire was ended or abandoned some other way
  }
  const bool wiring = FWireFrom != nullptr;
  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  const int key = event.key();
  if (FDrawing.Tracing() && !wiring) {
    return false;  // a wire of the mouse keeps the mouse's keys
  }
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      const bool forward = key == Qt::Key_Tab && !shift;
      if (wiring) {
        StepTarget(forward);
      } else {
        StepSelection(forward);
      }
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (wiring) {
        FinishWire();
      } else {
        PlaceAtCursor(event.modifiers().testFlag(Qt::ControlModifier));
      }
      return true;
    case Qt::Key_W:
      if (event.modifiers().testAnyFlags(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                         Qt::MetaModifier)) {
        return false;
      }
      StartWire();
      return true;
    case Qt::Key_Escape:
      if (wiring) {
        LeaveWiring();
      } else {
        FDrawing.Handles().Deselect();
        FWindow.ChooseMode("SpeedPointer");
      }
      return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
      break;
    default:
      return false;
  }
  if (wiring) {
    StepTarget(key == Qt::Key_Right || key == Qt::Key_Down);
    return true;
  }
  const int step = FDrawing.Grid().Spacing;
  if (FDrawing.HasSelection()) {
    // An arrow moves the selection one unit; with Shift, one grid step.
    return shift && FDrawing.MoveSelectionByKey(key, step);
  }
  const int distance = shift ? step * LongStep : step;
  MoveCursor(key == Qt::Key_Left    ? -distance
             : key == Qt::Key_Right ? distance
                                    : 0,
             key == Qt::Key_Up     ? -distance
             : key == Qt::Key_Down ? distance
                                   : 0);
  return true;
}

void TKeyboardEditing::PlaceAtCursor(bool keepTool) {
  TGraphicObject* placed = FWindow.PlaceDevice(
      Qt::LeftButton, keepTool ? Qt::ControlModifier : Qt::NoModifier, Cursor());
  FDrawing.setFocus();
  if (!placed) {
    Hint(tr("Press Insert to choose a device, then Enter to place it at the cross-hair"));
    return;
  }
  if (!keepTool) {
    FDrawing.Select(placed);  // at hand for the arrow keys and for wiring
  }
  FDrawing.KeyCursor().Show(Cursor());
  Hint(tr("Placed: the arrow keys move it, W wires it, Tab selects the next object"));
}

void TKeyboardEditing::StepSelection(bool forward) {
  const std::vector<TGraphicObject*> objects = LevelObjects();
  if (objects.empty()) {
    return;
  }
  FWindow.ChooseMode("SpeedPointer");
  const auto& selected = FDrawing.Handles().Items();
  const auto at =
      std::find(objects.begin(), objects.end(), selected.size() == 1 ? selected.front() : nullptr);
  const std::size_t index = StepRound(at - objects.begin(), objects.size(), forward);
  TGraphicObject* object = objects[index];
  FDrawing.Select(object);
  FDrawing.KeyCursor().Show(CentreOf(*object));
  Hint(tr("Object %1 of %2: the arrow keys move it, W wires it, Escape lets it go")
           .arg(index + 1)
           .arg(objects.size()));
}

void TKeyboardEditing::MoveCursor(int dx, int dy) {
  const QPoint moved = Cursor() + QPoint(dx, dy);
  const QPoint inside(std::clamp(moved.x(), 0, TLogivaneDrawing::DrawingWidth - 1),
                      std::clamp(moved.y(), 0, TLogivaneDrawing::DrawingHeight - 1));
  FDrawing.KeyCursor().Show(FDrawing.Grid().SnapPoint(inside));
}

void TKeyboardEditing::StartWire() {
  auto* device = dynamic_cast<TDevice*>(FWireFrom ? FWireFrom : FDrawing.Handles().Item());
  if (!device || !OnLevel(device)) {
    Hint(tr("Select a device with Tab first, then press W to wire it"));
    return;
  }
  // The next free pin after the one the keyboard's wire starts at, if any.
  const int count = device->PinCount();
  int from = count - 1;
  for (int i = 0; FWireFrom && i < count; ++i) {
    if (CentreOf(*device->Pin(i)) == FWireStart) {
      from = i;
    }
  }
  TPin* start = nullptr;
  for (int i = 1; i <= count && !start; ++i) {
    TPin* pin = device->Pin((from + i) % count);
    start = pin->IsConnected() ? nullptr : pin;
  }
  if (!start) {
    Hint(tr("Every pin of this device is wired"));
    return;
  }
  LeaveWiring();
  FWindow.Action("SpeedWireTool")->setChecked(true);
  FWindow.SpeedWireToolClick();
  FWireStart = CentreOf(*start);
  ClickAt(FWireStart);
  if (!FDrawing.Tracing()) {
    return;
  }
  FWireFrom = device;
  FDrawing.KeyCursor().Show(FWireStart);
  StepTarget(true);
}

void TKeyboardEditing::StepTarget(bool forward) {
  const std::vector<TPin*> pins = FreePins(FWireStart);
  if (pins.empty()) {
    Hint(tr("No free pin to wire to: Escape cancels the wire"));
    return;
  }
  const auto at = std::find_if(pins.begin(), pins.end(),
                               [this](const TPin* pin) { return CentreOf(*pin) == Cursor(); });
  const std::size_t index = StepRound(at - pins.begin(), pins.size(), forward);
  const QPoint target = CentreOf(*pins[index]);
  FDrawing.KeyCursor().Show(target);
  FDrawing.MouseMove(Qt::NoModifier, QPointF(target));  // the rubber line follows
  Hint(tr("Wiring to pin %1 of %2: Tab or the arrow keys choose another, Enter connects, "
          "Escape cancels")
           .arg(index + 1)
           .arg(pins.size()));
}

void TKeyboardEditing::FinishWire() {
  ClickAt(Cursor());
  if (FDrawing.Tracing()) {
    return;  // refused, as the notice says: another pin may be chosen
  }
  TGraphicObject* from = std::exchange(FWireFrom, nullptr);
  FWindow.ChooseMode("SpeedPointer");
  if (OnLevel(from)) {
    FDrawing.Select(from);
    FDrawing.KeyCursor().Show(CentreOf(*from));
  }
  Hint(tr("Wired: W wires the next free pin"));
}

void TKeyboardEditing::LeaveWiring() {
  if (std::exchange(FWireFrom, nullptr)) {
    FWindow.ChooseMode("SpeedPointer");  // leaving the Wiring Tool abandons the trace
  }
}

void TKeyboardEditing::ClickAt(QPoint at) {
  FDrawing.MouseDown(Qt::LeftButton, Qt::NoModifier, QPointF(at));
  FDrawing.MouseUp(Qt::LeftButton, Qt::NoModifier, at);
}

std::vector<TGraphicObject*> TKeyboardEditing::LevelObjects() const {
  const TMacro& circuit = FDrawing.Circuit();
  std::vector<TGraphicObject*> objects;
  for (const TGraphicList* list :
       {&circuit.Devices(), &circuit.Tags(), &circuit.Inputs(), &circuit.Outputs()}) {
    for (TSerialize* item : list->Objects()) {
      objects.push_back(static_cast<TGraphicObject*>(item));
    }
  }
  return objects;
}

std::vector<TPin*> TKeyboardEditing::FreePins(QPoint from) const {
  std::vector<TPin*> pins;
  for (TGraphicObject* object : LevelObjects()) {
    if (auto* device = dynamic_cast<TDevice*>(object)) {
      for (int i = 0; i < device->PinCount(); ++i) {
        if (!device->Pin(i)->IsConnected()) {
          pins.push_back(device->Pin(i));
        }
      }
    }
  }
  std::stable_sort(pins.begin(), pins.end(), [from](const TPin* a, const TPin* b) {
    return SquaredDistance(CentreOf(*a), from) < SquaredDistance(CentreOf(*b), from);
  });
  return pins;
}

bool TKeyboardEditing::OnLevel(const TGraphicObject* object) const {
  const std::vector<TGraphicObject*> objects = LevelObjects();
  return object && std::find(objects.begin(), objects.end(), object) != objects.end();
}

QPoint TKeyboardEditing::Cursor() const {
  return FDrawing.KeyCursor().At().value_or(
      FDrawing.Grid().SnapPoint(FDrawing.VisibleArea().center()));
}

void TKeyboardEditing::Hint(const QString& text) {
  if (auto* status = FWindow.findChild<QLabel*>(QStringLiteral("StatusText"))) {
    status->setText(text);
  }
}

}  // namespace logivane
