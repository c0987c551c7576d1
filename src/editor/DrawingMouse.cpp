#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingCursors.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

#include <QMouseEvent>

#include <utility>

namespace logivane {

namespace {

const char* const TwoOutputsNotice = "Unable to connect two outputs";

/// A press within this many screen pixels of a traced polygon's first vertex, on both axes,
/// closes it.
constexpr double CloseDistance = 4;

QPoint Rounded(const TGraphicObject& object) {
  float x, y;
  object.GetCentre(x, y);
  return {RoundToInt(x), RoundToInt(y)};
}

bool IsInteractiveDevice(const TGraphicObject* object) {
  return object && object->GraphicKind() == TGraphicKind::Device &&
         static_cast<const TDevice*>(object)->Interactive;
}

}  // namespace

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
// Press

void TLogivaneDrawing::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 QPointF at) {
  const QPoint p = THitReach::UnitOf(at);
  FDocument->BeginEdit();  // before the owner places a device on this press
  emit OnMouseDown(button, modifiers, p.x(), p.y());
  NameNextEdit(FInteractMode ? tr("Interaction") : FWireMode ? tr("Wire") : tr("Draw"));
  HideNotice();
  const QPoint previous = FLastPoint;
  if (button == Qt::LeftButton) {
    FLastPoint = Grid().SnapPoint(p);
    if (!FTracing) {
      FRubberEnd = FLastPoint;
    }
  }
  ProbeState = ProbeFloating;
  ProbeTarget = nullptr;
  TGraphicObject* hit =
      Circuit().HitTest(p.x(), p.y(), THitReach::Of(at, FZoom)) ? Circuit().HitObject : nullptr;
  if (!hit) {
    FHandles->Deselect();
  }
  bool refused = false;
  if (FWireMode && button == Qt::LeftButton && hit) {
    WireModePress(*hit, previous, refused);
  }
  if (button == Qt::LeftButton) {
    ModePress(hit, refused);
  }
  if (FSelectMode) {
    SelectPress(hit, button, modifiers, p);
  }
}

void TLogivaneDrawing::WireModePress(TGraphicObject& hit, QPoint previous, bool& refused) {
  if (hit.GraphicKind() == TGraphicKind::Wire) {
    auto& wire = static_cast<TWire&>(hit);
    refused = FTracing && JoinsTwoOutputs(Circuit(), *FWireInProgress, wire);
    if (refused) {
      RefuseTwoOutputs(FLastPoint, previous);
      return;
    }
    JoinWireAt(wire);
    SetModified(true);
    return;
  }
  TPin* pin = Circuit().HitPin;
  if (!pin || pin->IsConnected()) {
    return;  // a device body: a bend of the trace, if any
  }
  if (!FTracing) {
    StartWire(*pin);
    SetModified(true);
    return;
  }
  refused = JoinsTwoOutputs(Circuit(), *FWireInProgress, *pin);
  if (refused) {
    RefuseTwoOutputs(FLastPoint, previous);
  } else {
    FinishWireAtPin(*pin);
  }
}

void TLogivaneDrawing::StartWire(TGraphicObject& start) {
  FWireInProgress = std::make_unique<TWire>();
  FTracing = true;
  FWireInProgress->AttachEnd(&start);
  if (start.GraphicKind() == TGraphicKind::Pin) {
    static_cast<TPin&>(start).AttachWire(FWireInProgress.get());
  } else {
    static_cast<TSolder&>(start).AttachWire(FWireInProgress.get());
  }
  FLastPoint = Rounded(start);
  FRubberEnd = FLastPoint;
}

void TLogivaneDrawing::RefuseTwoOutputs(QPoint at, QPoint previous) {
  ShowNotice(at.x(), at.y(), NoticeError, true, tr(TwoOutputsNotice));
  InvalidateRubberLine();
  FLastPoint = previous;
  InvalidateRubberLine();
}

void TLogivaneDrawing::ModePress(TGraphicObject* hit, bool refused) {
  if (FInteractMode && IsInteractiveDevice(hit)) {
    // Press and release are one step: a push button that springs back changes nothing.
    if (FDocument->EditHistory() && !FInteractionHeld) {
      FDocument->HoldEdits();
      FInteractionHeld = true;
    }
    FPressedDevice = static_cast<TDevice*>(hit);
    FPressedDevice->Press();
    InvalidateBounds(*hit);
    SetModified(true);
    emit OnDevicePressed(FPressedDevice);
  } else if (FProbeMode) {
    if (Circuit().HitPin) {
      ProbeTarget = Circuit().HitPin;
    } else if (hit && hit->GraphicKind() == TGraphicKind::Wire) {
      ProbeTarget = hit;
    }
    UpdateProbe();
  } else if (FPolygonMode && !FTracing) {
    FPolygonInProgress = std::make_unique<TPolygon>();
    FPolygonInProgress->Outline = true;
    FTracing = true;
    SetModified(true);
  } else if (FPolylineMode && !FTracing) {
    FPolylineInProgress = std::make_unique<TPolyline>();
    FTracing = true;
    SetModified(true);
  }
  if (FTracing && !refused) {
    ExtendTrace();
  }
}

void TLogivaneDrawing::ExtendTrace() {
  if (FWireMode && FWireInProgress) {
    FWireInProgress->AddPoint(FLastPoint);
    FWireInProgress->Remap();
    InvalidateBounds(*FWireInProgress);
  } else if (FPolygonMode && FPolygonInProgress) {
    TPolygon& polygon = *FPolygonInProgress;
    const QPoint offset = FLastPoint - (polygon.PointCount() > 0 ? polygon.FirstPoint() : QPoint());
    const double reach = CloseDistance / FZoom;
    if (polygon.PointCount() > 0 && std::abs(offset.x()) < reach && std::abs(offset.y()) < reach) {
      ClosePolygon();
    } else {
      polygon.AddPoint(FLastPoint);
      polygon.Remap();
      InvalidateBounds(polygon);
    }
  } else if (FPolylineMode && FPolylineInProgress) {
    FPolylineInProgress->AddPoint(FLastPoint);
    FPolylineInProgress->Remap();
    InvalidateBounds(*FPolylineInProgress);
  }
  SetModified(true);
}

void TLogivaneDrawing::ClosePolygon() {
  FPolygonInProgress->Outline = false;
  FinishShape(std::move(FPolygonInProgress));
  FPolygonMode = false;
}

void TLogivaneDrawing::FinishShape(std::unique_ptr<TSegment> shape) {
  InvalidateBounds(*shape);
  InvalidateRubberLine();
  Circuit().Add(std::move(shape));
  FTracing = false;
  emit OnEndDrawing();
}

void TLogivaneDrawing::SelectPress(TGraphicObject* hit, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers, QPoint p) {
  if (hit) {
    Select(hit);
    emit OnObjectSelected(button, modifiers, p.x(), p.y());
  } else if (button == Qt::LeftButton) {
    FHandles->Deselect();
    FSelecting = true;
    FBandAnchor = FLastPoint;
    FBandRect = RectFromPoints(FBandAnchor, FBandAnchor);
    InvalidateBand();
  }
}

// ---------------------------------------------------------------------------------------------
// Move

void TLogivaneDrawing::MouseMove(Qt::KeyboardModifiers modifiers, QPointF at) {
  const QPoint p = THitReach::UnitOf(at);
  const THitReach reach = THitReach::Of(at, FZoom);
  if (FInteractMode) {
    setCursor(EditorCursor(TCursorId::Hand));
  } else if (FProbeMode) {
    ProbeCursor();
  }
  if (FWireMode) {
    FOverTarget = false;
    if (Circuit().HitTest(p.x(), p.y(), reach)) {
      FOverTarget = Circuit().HitObject && Circuit().HitObject->GraphicKind() == TGraphicKind::Wire;
      if (Circuit().HitPin) {
        FOverTarget = !Circuit().HitPin->IsConnected();
      }
    }
    setCursor(EditorCursor(FOverTarget ? TCursorId::WireConnect
                           : FTracing  ? TCursorId::WireIsWiring
                                       : TCursorId::WireDefault));
  } else if (FInteractMode) {
    // Interactive inputs and switches are the devices that take presses.
    FOverTarget =
        Circuit().HitTest(p.x(), p.y(), reach) && IsInteractiveDevice(Circuit().HitObject);
  }
  if (FTracing) {
    InvalidateRubberLine();
    FRubberEnd = Grid().SnapPoint(p);
    InvalidateRubberLine();
  }
  if (FSelecting) {
    InvalidateBand();
    FBandRect = RectFromPoints(FBandAnchor, Grid().SnapPoint(p));
    InvalidateBand();
  }
  emit OnMouseMove(modifiers, p.x(), p.y());
}

// ---------------------------------------------------------------------------------------------
// Release and double click

void TLogivaneDrawing::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) {
  emit OnMouseUp(button, modifiers, p.x(), p.y());
  if (FSelecting) {
    InvalidateBand();
    FSelecting = false;
    TGraphicList band;
    if (Circuit().CollectInside(FBandRect, band)) {
      FHandles->SetItem(&band);
    }
    band.Objects().DetachAll();
    emit OnObjectSelected(button, modifiers, p.x(), p.y());
    SetModified(true);
  }
  if (button != Qt::LeftButton) {
    return;
  }
  // The device pressed is released, wherever the mouse went since.
  if (TDevice* pressed = std::exchange(FPressedDevice, nullptr)) {
    pressed->Release();
    InvalidateBounds(*pressed);
    SetModified(true);
  }
  if (FInteractionHeld) {
    FInteractionHeld = false;
    FDocument->ReleaseEdits();
  }
}

void TLogivaneDrawing::DoubleClick(QPoint) {
  if (FTracing && FPolygonInProgress) {
    if (FPolygonInProgress->PointCount() >= 3) {
      ClosePolygon();
    } else {
      SetPolygonMode(false);
      emit OnEndDrawing();
    }
  } else if (FTracing && FPolylineInProgress) {
    FinishShape(std::move(FPolylineInProgress));
    FPolylineMode = false;
  }
}

}  // namespace logivane
