// The modes of the surface and the mouse: each event goes to the tool of the current mode.
#include "document/Csegment.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingCursors.h"
#include "editor/LogivaneDrawing.h"
#include "editor/tools/WireTool.h"
#include "simulation/cMacro.h"

#include <QMouseEvent>

#include <utility>

namespace logivane {

class TLogivaneDrawing::TToolCall {
public:
  explicit TToolCall(TLogivaneDrawing& drawing) : FDrawing(drawing) { ++FDrawing.FToolCalls; }
  ~TToolCall() {
    if (--FDrawing.FToolCalls == 0) {
      FDrawing.FRetiredTools.clear();
    }
  }
  TToolCall(const TToolCall&) = delete;
  TToolCall& operator=(const TToolCall&) = delete;

private:
  TLogivaneDrawing& FDrawing;
};

// ---------------------------------------------------------------------------------------------
// Modes

void TLogivaneDrawing::SetTool(TToolKind kind) {
  FTool->Leave();  // a trace in progress is abandoned, never left behind
  unsetCursor();
  // The tool replaced may be the one handling the event that replaced it.
  FRetiredTools.push_back(std::exchange(FTool, MakeDrawingTool(*this, kind)));
  if (FToolCalls == 0) {
    FRetiredTools.clear();
  }
}

void TLogivaneDrawing::ChooseTool(TToolKind kind, bool on) {
  if (ToolKind() != kind) {
    if (on) {
      SetTool(kind);
    }
  } else if (on) {
    FTool->Cancel();
    unsetCursor();
  } else {
    SetTool(TToolKind::None);
  }
}

void TLogivaneDrawing::SetWireMode(bool on) {
  ChooseTool(TToolKind::Wire, on);
  unsetCursor();
  if (on) {
    FHandles->Deselect();
    setCursor(EditorCursor(TCursorId::WireDefault));
  }
}

void TLogivaneDrawing::SetPolygonMode(bool on) {
  ChooseTool(TToolKind::Polygon, on);
}

void TLogivaneDrawing::SetPolylineMode(bool on) {
  ChooseTool(TToolKind::Polyline, on);
}

void TLogivaneDrawing::SetSelectMode(bool on) {
  ChooseTool(TToolKind::Select, on);
  if (!on) {
    FHandles->Deselect();
  }
  unsetCursor();
}

void TLogivaneDrawing::SetInteractMode(bool on) {
  ChooseTool(TToolKind::Interact, on);
  unsetCursor();
}

void TLogivaneDrawing::SetProbeMode(bool on) {
  ChooseTool(TToolKind::Probe, on);
  ProbeState = ProbeFloating;
  ProbeTarget = nullptr;
  unsetCursor();
}

void TLogivaneDrawing::LeaveEditingModes() {
  switch (ToolKind()) {
    case TToolKind::Wire:
    case TToolKind::Polygon:
    case TToolKind::Polyline:
      SetTool(TToolKind::None);
      break;
    default:
      break;
  }
}

TWire* TLogivaneDrawing::WireInProgress() const {
  return WireMode() ? static_cast<TWire*>(FTool->Traced()) : nullptr;
}

TPolygon* TLogivaneDrawing::PolygonInProgress() const {
  return PolygonMode() ? static_cast<TPolygon*>(FTool->Traced()) : nullptr;
}

TPolyline* TLogivaneDrawing::PolylineInProgress() const {
  return PolylineMode() ? static_cast<TPolyline*>(FTool->Traced()) : nullptr;
}

void TLogivaneDrawing::FinishWireAtPin(TPin& pin) {
  if (WireMode()) {
    static_cast<TWireTool&>(*FTool).FinishAtPin(pin);
  }
}

void TLogivaneDrawing::JoinWireAt(TWire& wire) {
  if (WireMode()) {
    static_cast<TWireTool&>(*FTool).JoinAt(wire);
  }
}

// ---------------------------------------------------------------------------------------------
// Qt events, translated into drawing units

void TLogivaneDrawing::mousePressEvent(QMouseEvent* event) {
  MouseDown(event->button(), event->modifiers(), ToExactUnits(event->position()));
}

void TLogivaneDrawing::mouseMoveEvent(QMouseEvent* event) {
  MouseMove(event->modifiers(), ToExactUnits(event->position()));
}

void TLogivaneDrawing::mouseReleaseEvent(QMouseEvent* event) {
  MouseUp(event->button(), event->modifiers(), ToUnits(event->position()));
}

void TLogivaneDrawing::mouseDoubleClickEvent(QMouseEvent* event) {
  DoubleClick(ToUnits(event->position()));
}

// ---------------------------------------------------------------------------------------------
// The mouse, in drawing units

void TLogivaneDrawing::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 QPointF at) {
  const TToolCall call(*this);
  const QPoint p = THitReach::UnitOf(at);
  FDocument->BeginEdit();  // before the owner places a device on this press
  emit OnMouseDown(button, modifiers, p.x(), p.y());
  // The owner may have chosen another tool for this press: the current one takes it.
  NameNextEdit(FTool->EditName());
  HideNotice();
  ProbeState = ProbeFloating;
  ProbeTarget = nullptr;
  TGraphicObject* hit =
      Circuit().HitTest(p.x(), p.y(), THitReach::Of(at, FZoom)) ? Circuit().HitObject : nullptr;
  if (!hit) {
    FHandles->Deselect();
  }
  FTool->Press({button, modifiers, p, Grid().SnapPoint(p), hit});
}

void TLogivaneDrawing::MouseMove(Qt::KeyboardModifiers modifiers, QPointF at) {
  const TToolCall call(*this);
  const QPoint p = THitReach::UnitOf(at);
  FTool->Move(p, THitReach::Of(at, FZoom));
  emit OnMouseMove(modifiers, p.x(), p.y());
}

void TLogivaneDrawing::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) {
  const TToolCall call(*this);
  emit OnMouseUp(button, modifiers, p.x(), p.y());
  FTool->Release(button, modifiers, p);
}

void TLogivaneDrawing::DoubleClick(QPoint) {
  const TToolCall call(*this);
  FTool->DoubleClick();
}

}  // namespace logivane
