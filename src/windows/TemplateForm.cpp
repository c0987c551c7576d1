#include "windows/TemplateForm.h"

#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "simulation/cMacro.h"
#include "simulation/cTagDevice.h"
#include "ui_TemplateForm.h"
#include "windows/ControlLabels.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>

#include <cmath>

namespace logivane {

namespace {

bool ShowTextDialog(QWidget* parent, TEditTextValues& values) {
  TEditTextDialog dialog(parent);
  return dialog.Edit(values);
}

}  // namespace

TTemplateForm::TTemplateForm(QWidget* parent)
    : QDialog(parent),
      ChooseOpenFile(OpenTemplateDialog),
      ChooseSaveFile(SaveTemplateDialog),
      ChooseColour(ChooseFromColourDialog),
      EditText(ShowTextDialog),
      FUi(std::make_unique<Ui::TTemplateForm>()),
      FDrawing(new TLogivaneDrawing) {
  FUi->setupUi(this);
  setObjectName(QStringLiteral("TemplateForm"));
  FDrawing->setObjectName(QStringLiteral("TemplateDrawing"));
  FDrawing->ShowClosed = true;
  FDrawing->Handles().MinSize = 5;
  FUi->DrawingPanel->setWidget(FDrawing);
  FDrawing->installEventFilter(this);
  CreateMenus();
  CreateToolGroup();
  CreatePopup();

  connect(&FDrawing->Handles(), &TLogivaneHandles::OnSetItem, this, &TTemplateForm::ConfigurePopup);
  connect(FDrawing, &TLogivaneDrawing::OnObjectDeSelected, this,
          &TTemplateForm::UpdateEditCommands);
  connect(FDrawing, &TLogivaneDrawing::OnEndDrawing, this, &TTemplateForm::ResetTool);
  connect(FDrawing, &TLogivaneDrawing::OnMouseDown, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
            MousePress(button, modifiers, {x, y});
          });
  connect(FDrawing, &TLogivaneDrawing::OnMouseUp, this, &TTemplateForm::UpdateEditCommands);
  FDrawing->Handles().SetContextMenu(FPopup);
  ControlLabels::Label(*this);
}

TTemplateForm::~TTemplateForm() = default;

// ---------------------------------------------------------------------------------------------
// Opening and closing

void TTemplateForm::Edit(TLogivaneDrawing& mainDrawing, TMacro& circuit, TTagDevice* tag) {
  Attach(mainDrawing, circuit, tag);
  exec();
  Detach();
}

void TTemplateForm::Attach(TLogivaneDrawing& mainDrawing, TMacro& circuit, TTagDevice* tag) {
  // The symbol's changes are one edit of the main circuit, made on the circuit as it is now.
  mainDrawing.Document().BeginEdit();
  FDrawing->Document().EnterLevel(circuit);
  FCurrentTag = tag;
  FMainDrawing = &mainDrawing;
}

void TTemplateForm::Detach() {
  if (FDrawing->Document().Modified()) {
    MainCircuitChanged();
  }
  FDrawing->Document().LeaveLevel();
  FCurrentTag = nullptr;
}

void TTemplateForm::MainCircuitChanged() {
  // The symbol's pins are the circuit's outline: they may change its netlist.
  FMainDrawing->Document().NetlistDirty = true;
  FMainDrawing->SetModified(true);
}

void TTemplateForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    FormShow();
  }
}

void TTemplateForm::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) {
    FormClose();
  }
  QDialog::hideEvent(event);
}

TMacro& TTemplateForm::Circuit() const {
  return FDrawing->Circuit();
}

void TTemplateForm::FormShow() {
  ColourPins();
  TMacro& circuit = Circuit();
  circuit.Closed = true;
  FSavedPinsVisible = circuit.PinsVisible;
  circuit.PinsVisible = false;
  circuit.GetCentre(FSavedCentreX, FSavedCentreY);
  CentreSymbol();
  circuit.PinsVisible = Action("TogglePins")->isChecked();
  ResetTool();
  FSelectedPinNumber = 0;
  ShowStatus({});
  SetTextBoxes(true);
  FDrawing->InvalidateAll();
  UpdateEditCommands();
}

void TTemplateForm::CentreSymbol() {
  TMacro& circuit = Circuit();
  const TFloatRect bounds = circuit.GetFloatBounds();
  if (bounds.MinX > bounds.MaxX || bounds.MinY > bounds.MaxY) {
    return;  // nothing drawn yet
  }
  circuit.Translate(-bounds.MinX, -bounds.MinY);
  const int w = static_cast<int>(std::lround((bounds.MaxX - bounds.MinX) / 2));
  const int h = static_cast<int>(std::lround((bounds.MaxY - bounds.MinY) / 2));
  const QSize area = FUi->DrawingPanel->viewport()->size();
  const QPoint target =
      FDrawing->Grid().SnapPoint(QPoint(area.width() / 2 - w, area.height() / 2 - h));
  circuit.Translate(static_cast<float>(target.x()), static_cast<float>(target.y()));
  circuit.Remap();
}

void TTemplateForm::FormClose() {
  TMacro& circuit = Circuit();
  if (circuit.IsSubCircuit) {
    circuit.PinsVisible = FSavedPinsVisible;
  }
  circuit.CentreAt(QPoint(static_cast<int>(std::lround(FSavedCentreX)),
                          static_cast<int>(std::lround(FSavedCentreY))));
  FDrawing->Handles().Deselect();
  for (int i = 0; i < circuit.PinCount(); ++i) {
    circuit.Pin(i)->BrushColour = PinFree;
  }
  circuit.Closed = false;
  for (int i = 0; i < circuit.PinCount(); ++i) {
    if (TTagDevice* tag = circuit.FindTagForPin(circuit.Pin(i))) {
      tag->SetNumber(i + 1);
    }
  }
  SetTextBoxes(false);
}

void TTemplateForm::SetTextBoxes(bool shown) {
  for (TSerialize* item : Circuit().Objects()) {
    if (auto* text = dynamic_cast<TGraphicText*>(item)) {
      text->ShowBox = shown;
    }
  }
}

void TTemplateForm::ColourPins() {
  TMacro& circuit = Circuit();
  for (int i = 0; i < circuit.PinCount(); ++i) {
    circuit.Pin(i)->BrushColour = PinFree;
  }
  for (int i = 0; i < circuit.Tags().Count(); ++i) {
    TTagDevice* tag = circuit.Tag(i);
    if (TMacroPin* partner = tag->LinkPin->Partner) {
      partner->BrushColour = tag == FCurrentTag ? PinOfCurrentTag : PinTaken;
    }
  }
}

void TTemplateForm::ShowStatus(const QString& text) {
  FUi->StatusPanel->setText(text);
}

QString TTemplateForm::StatusText() const {
  return FUi->StatusPanel->text();
}

// ---------------------------------------------------------------------------------------------
// Tools and the mouse

void TTemplateForm::ChooseTool(const char* name) {
  QAction* tool = Action(name);
  tool->setChecked(true);
  ShowStatus({});
  const QString chosen = tool->objectName();
  FDrawing->SetSelectMode(chosen == QLatin1String("ToolSelector"));
  if (chosen == QLatin1String("ToolPolygon")) {
    FDrawing->SetPolygonMode(true);
    ShowStatus(tr("Double click mouse to terminate polygon"));
  } else if (chosen == QLatin1String("ToolPolyline")) {
    FDrawing->SetPolylineMode(true);
    ShowStatus(tr("Double click mouse to terminate polyline"));
  }
  UpdateEditCommands();
}

void TTemplateForm::MousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) {
  if (!FDrawing->PolygonMode() && !FDrawing->PolylineMode()) {
    ShowStatus({});
  }
  const QString tool = FTools->checkedAction()->objectName();
  if (tool == QLatin1String("ToolPin")) {
    FDrawing->AddObject(std::make_unique<TMacroPin>(), p.x(), p.y());
    ColourPins();
  } else if (tool == QLatin1String("ToolCircle")) {
    AddCircle(p);
  } else if (tool == QLatin1String("ToolAnnotation")) {
    AddAnnotation(p);
  } else {
    return;
  }
  // Ctrl with the left button keeps the tool for the next placement.
  if (button != Qt::LeftButton || modifiers != Qt::ControlModifier) {
    ResetTool();
  }
}

void TTemplateForm::AddCircle(QPoint centre) {
  auto circle = std::make_unique<TPolygon>();
  circle->AddArc(true, static_cast<float>(centre.x()), static_cast<float>(centre.y()), 0, 360, 5,
                 5);
  circle->CanRotate = false;
  circle->Remap();
  FDrawing->InvalidateRect(circle->GetBounds());
  Circuit().Add(std::move(circle));
  FDrawing->SetModified(true);
}

void TTemplateForm::AddAnnotation(QPoint at) {
  auto text = std::make_unique<TGraphicText>();
  TEditTextValues values = AnnotationValues(*text);
  // A text without characters could be neither seen nor selected again.
  if (!EditText(this, values) || values.Text.isEmpty()) {
    return;
  }
  ApplyAnnotationValues(values, *text);
  text->Translate(static_cast<float>(at.x()), static_cast<float>(at.y()));
  text->Remap();
  FDrawing->InvalidateRect(text->GetBounds());
  Circuit().Add(std::move(text));
  FDrawing->SetModified(true);
}

bool TTemplateForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FDrawing || event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(watched, event);
  }
  return FDrawing->MoveSelectionByKey(static_cast<QKeyEvent*>(event)->key());
}

}  // namespace logivane
