#include "editor/tools/WireTool.h"

#include "document/cGrid.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingCursors.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

#include <QPainter>

namespace logivane {

namespace {

const char* const TwoOutputsNotice =
    QT_TRANSLATE_NOOP("logivane::TLogivaneDrawing", "Unable to connect two outputs");

QPoint Rounded(const TGraphicObject& object) {
  float x, y;
  object.GetCentre(x, y);
  return {RoundToInt(x), RoundToInt(y)};
}

}  // namespace

TWireTool::TWireTool(TLogivaneDrawing& drawing) : TTracingTool(drawing, TToolKind::Wire) {
}

TWireTool::~TWireTool() = default;

QString TWireTool::EditName() const {
  return TLogivaneDrawing::tr("Wire");
}

TGraphicObject* TWireTool::Traced() const {
  return FWire.get();
}

void TWireTool::Press(const TToolPress& press) {
  if (press.Button != Qt::LeftButton) {
    return;
  }
  const QPoint previous = TakePoint(press.Snapped);
  const bool accepted = !press.Hit || PressOn(*press.Hit, previous);
  if (FWire && accepted) {
    Extend();
  }
}

bool TWireTool::PressOn(TGraphicObject& hit, QPoint previous) {
  TMacro& circuit = FDrawing.Circuit();
  if (hit.GraphicKind() == TGraphicKind::Wire) {
    auto& wire = static_cast<TWire&>(hit);
    if (FWire && JoinsTwoOutputs(circuit, *FWire, wire)) {
      RefuseTwoOutputs(previous);
      return false;
    }
    JoinAt(wire);
    FDrawing.SetModified(true);
    return true;
  }
  TPin* pin = circuit.HitPin;
  if (!pin || pin->IsConnected()) {
    return true;  // a device body: a bend of the trace, if any
  }
  if (!FWire) {
    Start(*pin);
    FDrawing.SetModified(true);
    return true;
  }
  if (JoinsTwoOutputs(circuit, *FWire, *pin)) {
    RefuseTwoOutputs(previous);
    return false;
  }
  FinishAtPin(*pin);
  return true;
}

void TWireTool::Start(TGraphicObject& start) {
  FWire = std::make_unique<TWire>();
  FWire->AttachEnd(&start);
  if (start.GraphicKind() == TGraphicKind::Pin) {
    static_cast<TPin&>(start).AttachWire(FWire.get());
  } else {
    static_cast<TSolder&>(start).AttachWire(FWire.get());
  }
  FLastPoint = Rounded(start);
  FRubberEnd = FLastPoint;
}

void TWireTool::Extend() {
  FWire->AddPoint(FLastPoint);
  FWire->Remap();
  FDrawing.InvalidateBounds(*FWire);
  FDrawing.SetModified(true);
}

void TWireTool::RefuseTwoOutputs(QPoint previous) {
  FDrawing.ShowNotice(FLastPoint.x(), FLastPoint.y(), TLogivaneDrawing::NoticeError, true,
                      TLogivaneDrawing::tr(TwoOutputsNotice));
  InvalidateRubberLine();
  FLastPoint = previous;
  InvalidateRubberLine();
}

void TWireTool::FinishAtPin(TPin& pin) {
  if (!FWire) {
    return;
  }
  FWire->AttachEnd(&pin);
  pin.AttachWire(FWire.get());
  FWire->AddPoint(FLastPoint);
  FWire->Remap();
  FDrawing.AddWire(std::move(FWire));
  FDrawing.RefreshWires();
  InvalidateRubberLine();
  FDrawing.SetModified(true);
}

void TWireTool::JoinAt(TWire& wire) {
  // Making the joint splits `wire` in two and destroys it: take the point first.
  FLastPoint = FDrawing.Grid().SnapPoint(wire.HitPoint);
  TSolder* joint = FDrawing.AddJoint(wire);
  if (!joint) {
    return;
  }
  if (!FWire) {
    Start(*joint);
    return;
  }
  FWire->AddPoint(FLastPoint);
  FWire->Remap();
  joint->AttachWire(FWire.get());
  FWire->AttachEnd(joint);
  FDrawing.AddWire(std::move(FWire));
  InvalidateRubberLine();
}

void TWireTool::Cancel() {
  if (!FWire) {
    return;
  }
  FWire->AddPoint(FLastPoint);
  FWire->Remap();
  FDrawing.InvalidateBounds(*FWire);
  InvalidateRubberLine();
  FWire.reset();  // detaches it from the pin or joint it started at
  FDrawing.CleanSolders();
  if (FDrawing.Document().EditHistory()) {
    // A joint made to start the wire has gone again: the document may be as it was.
    FDrawing.SetModified(true);
  }
}

void TWireTool::Move(QPoint p, const THitReach& reach) {
  TMacro& circuit = FDrawing.Circuit();
  FOverTarget = false;
  if (circuit.HitTest(p.x(), p.y(), reach)) {
    FOverTarget = circuit.HitObject && circuit.HitObject->GraphicKind() == TGraphicKind::Wire;
    if (circuit.HitPin) {
      FOverTarget = !circuit.HitPin->IsConnected();
    }
  }
  FDrawing.setCursor(EditorCursor(FOverTarget ? TCursorId::WireConnect
                                  : FWire     ? TCursorId::WireIsWiring
                                              : TCursorId::WireDefault));
  TTracingTool::Move(p, reach);
}

void TWireTool::Draw(QPainter& painter) {
  if (FWire) {
    FWire->Draw(painter);
  }
}

}  // namespace logivane
