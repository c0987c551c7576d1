#include "document/cColourScheme.h"
#include "editor/CircuitDocument.h"
#include "editor/DrawingCursors.h"
#include "editor/FaultMarkPaint.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"

#include <QPainter>

namespace logivane {

namespace {

constexpr TColour NoticeGreen = 0x008000;

}  // namespace

SimResult TLogivaneDrawing::Step() {
  ForgetFaultMarks();
  FlushBuffer();  // the live state goes onto a buffer that shows the current level
  TStepHistory& steps = FDocument->Steps();
  // A step remembered ahead has its samples already.
  const bool sampled = steps.Future() > 0;
  const TStepReport report = steps.Step(true, [this, sampled](const SimResult&) {
    Circuit().StoreShownState();
    if (!sampled) {
      Circuit().RecordHistory();
    }
    QPainter painter(&FBuffer);
    const TSchemeScope scheme(painter, TColourScheme::Screen());
    PaintOnBuffer(painter);
    const QRect area = VisibleArea();
    Circuit().PaintState(painter, {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
    update(FBufferArea);
  });
  if (report.Faulted()) {
    if (report.Marks.Level == &Circuit()) {
      FFaultMarks = report.Marks;
      FFaultMarksArea = FaultMarksBounds(FFaultMarks);
      InvalidateRect(FFaultMarksArea);
    }
    if (report.AtCulprit) {
      ShowNotice(report.Position.x(), report.Position.y(), NoticeError, true, report.Message);
    } else {
      // The fault lies on a level that is not shown: say so in the middle of the view.
      const QPoint middle = VisibleArea().center();
      ShowNotice(middle.x(), middle.y(), NoticeError, false, report.Message);
    }
  } else if (FNoticeBox.Visible) {
    InvalidateRect(FNoticeBox.GetBounds());
  }
  UpdateProbe();
  FDocument->MarkHistoryStale();  // memories and sources changed, but running is not an edit
  return report.Result;
}

void TLogivaneDrawing::ShowRestoredStep() {
  HideNotice();
  Circuit().StoreShownState();
  InvalidateAll();
  UpdateProbe();
  FDocument->MarkHistoryStale();  // as after a step: running is not an edit
}

void TLogivaneDrawing::ResetCircuit() {
  ForgetFaultMarks();
  FDocument->ForgetSteps();
  RootCircuit().Reset();
  InvalidateAll();  // the wires show the levels the reset left
  FDocument->MarkHistoryStale();
  emit OnCircuitReset();
}

void TLogivaneDrawing::ForgetFaultMarks() {
  if (FFaultMarks.Empty()) {
    return;
  }
  InvalidateRect(FFaultMarksArea);
  FFaultMarks = {};
}

void TLogivaneDrawing::UpdateProbe() {
  if (!ProbeMode() || !ProbeTarget) {
    return;
  }
  TLevel value = -1;
  if (ProbeTarget->GraphicKind() == TGraphicKind::Wire) {
    value = static_cast<TWire*>(ProbeTarget)->Value;
  } else if (ProbeTarget->GraphicKind() == TGraphicKind::Pin) {
    value = static_cast<TPin*>(ProbeTarget)->Value;
  } else {
    ProbeState = ProbeFloating;
  }
  if (value >= 1) {
    ProbeState = ProbeHigh;
  } else if (value == 0) {
    ProbeState = ProbeLow;
  }
  ProbeCursor();
}

void TLogivaneDrawing::ProbeCursor() {
  switch (ProbeState) {
    case ProbeHigh:
      setCursor(EditorCursor(TCursorId::ProbeOn));
      break;
    case ProbeLow:
      setCursor(EditorCursor(TCursorId::ProbeOff));
      break;
    default:
      setCursor(EditorCursor(TCursorId::ProbeFloat));
  }
}

void TLogivaneDrawing::ShowNotice(int x, int y, std::int32_t kind, bool relativeToView,
                                  const QString& text) {
  if (FNoticeBox.Visible) {
    InvalidateRect(FNoticeBox.GetBounds());
  }
  FNoticeBox.Visible = true;
  FNoticeBox.SetPointer(TGraphicBox::NoTail);
  FNoticeBox.MoveAnchorTo(QPoint(x, y));
  if (kind == NoticeError) {
    FNoticeBox.SetFontStyle(3);
    FNoticeBox.SetTextColour(ColourRed);
  } else if (kind == NoticeInfo) {
    FNoticeBox.SetFontStyle(0);
    FNoticeBox.SetTextColour(NoticeGreen);
  }
  FNoticeBox.SetMessage(text);
  if (relativeToView) {
    const QRect view = VisibleArea();
    FNoticeBox.ChoosePointer(view.width(), view.height(), QPoint(x, y) - view.topLeft());
  }
  InvalidateRect(InflateBy(FNoticeBox.GetBounds(), 2));
}

}  // namespace logivane
