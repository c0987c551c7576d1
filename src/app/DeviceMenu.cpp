#include "app/DeviceMenu.h"

#include "app/DeviceDialogs.h"
#include "app/MainUnit.h"
#include "app/MemoryCommands.h"
#include "app/OwnedDialog.h"
#include "app/Selection.h"
#include "dialogs/EditTextDlg.h"
#include "dialogs/RenameDlg.h"
#include "document/cGText.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cMacro.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cTagDevice.h"
#include "simulation/cinput.h"

#include <QColorDialog>
#include <QMenu>

namespace logivane {

namespace {

/// The colour entries and the colours they set (blue byte high, red byte low).
struct TColourEntry {
  const char* Name;
  const char* Caption;
  TColour Colour;
};

constexpr TColourEntry ColourEntries[] = {
    {"PopRed", QT_TRANSLATE_NOOP("TDeviceMenu", "&Red"), 0x0000FF},
    {"PopGreen", QT_TRANSLATE_NOOP("TDeviceMenu", "&Green"), 0x00FF00},
    {"PopYellow", QT_TRANSLATE_NOOP("TDeviceMenu", "&Yellow"), 0x00FFFF},
    {"PopBlue", QT_TRANSLATE_NOOP("TDeviceMenu", "&Blue"), 0xFF0000},
    {"PopWhite", QT_TRANSLATE_NOOP("TDeviceMenu", "&White"), 0xFFFFFF},
};

constexpr const char* SideCaptions[] = {
    QT_TRANSLATE_NOOP("TDeviceMenu", "&Left"), QT_TRANSLATE_NOOP("TDeviceMenu", "&Right"),
    QT_TRANSLATE_NOOP("TDeviceMenu", "&Top"), QT_TRANSLATE_NOOP("TDeviceMenu", "&Bottom")};

/// The gates whose input count the menu changes, by family, for two, three and four inputs.
template <class Family, class Two, class Three, class Four>
std::unique_ptr<TGraphicObject> GateOfFamily(const TGraphicObject& gate, int inputs) {
  if (!dynamic_cast<const Family*>(&gate)) {
    return nullptr;
  }
  switch (inputs) {
    case 2:
      return std::make_unique<Two>();
    case 3:
      return std::make_unique<Three>();
    default:
      return std::make_unique<Four>();
  }
}

std::unique_ptr<TGraphicObject> GateWithInputs(const TGraphicObject& gate, int inputs) {
  using Factory = std::unique_ptr<TGraphicObject> (*)(const TGraphicObject&, int);
  for (Factory family : {GateOfFamily<TAndGate, T2AndGate, T3AndGate, T4AndGate>,
                         GateOfFamily<TNandGate, T2NandGate, T3NandGate, T4NandGate>,
                         GateOfFamily<TOrGate, T2OrGate, T3OrGate, T4OrGate>,
                         GateOfFamily<TNorGate, T2NorGate, T3NorGate, T4NorGate>}) {
    if (auto replacement = family(gate, inputs)) {
      return replacement;
    }
  }
  return nullptr;
}

bool HasInputChoice(const TGraphicObject& object) {
  return dynamic_cast<const TAndGate*>(&object) || dynamic_cast<const TNandGate*>(&object) ||
         dynamic_cast<const TOrGate*>(&object) || dynamic_cast<const TNorGate*>(&object);
}

bool IsPowerSource(const TGraphicObject& object) {
  return dynamic_cast<const TGround*>(&object) || dynamic_cast<const TSupply*>(&object);
}

}  // namespace

TDeviceMenu::TDeviceMenu(TMainForm& window, TCircuitDocument& document, TLogivaneDrawing& drawing,
                         TSelection& selection, TDeviceDialogs& dialogs)
    : FWindow(window),
      FDocument(document),
      FDrawing(drawing),
      FSelection(selection),
      FDialogs(dialogs) {
}

void TDeviceMenu::Create() {
  CreateDeviceMenu();
  CreateTagMenu();
}

void TDeviceMenu::CreateDeviceMenu() {
  FMenu = FWindow.NewMenu("DevicePopup", QString(), &FWindow);
  QObject::connect(FMenu, &QMenu::aboutToShow, &FWindow, [this] { RefreshDeviceMenu(); });
  auto add = [this](QMenu& menu, const char* name, const QString& caption, auto command) {
    QAction* action = FWindow.NewAction(name, caption);
    QObject::connect(action, &QAction::triggered, &FWindow, command);
    menu.addAction(action);
    return action;
  };
  auto separator = [this](QMenu& menu, const char* name) {
    QAction* action = FWindow.NewAction(name, QString());
    action->setSeparator(true);
    menu.addAction(action);
  };
  auto submenu = [this](QMenu& menu, const char* name, const QString& caption) {
    QMenu* sub = FWindow.NewMenu(name, caption, &menu);
    QAction* entry = menu.addMenu(sub);
    entry->setObjectName(QLatin1String(name));
    return sub;
  };
  QMenu& menu = *FMenu;
  add(menu, "PopCut", tr("&Cut"), [this] { FWindow.Action("MenuCut")->trigger(); });
  add(menu, "PopCopy", tr("C&opy"), [this] { FWindow.Action("MenuCopy")->trigger(); });
  add(menu, "PopPaste", tr("&Paste"), [this] { FWindow.Action("MenuPaste")->trigger(); });
  separator(menu, "PopSeparator1");

  QMenu* inputs = submenu(menu, "PopGateInputs", tr("&Inputs"));
  for (const auto& [name, caption, count] :
       {std::tuple{"Pop2Inputs", tr("&2 - Two"), 2}, std::tuple{"Pop3Inputs", tr("&3 - Three"), 3},
        std::tuple{"Pop4Inputs", tr("&4 - Four"), 4}}) {
    add(*inputs, name, caption, [this, count] { SetGateInputs(count); })->setCheckable(true);
  }
  QObject::connect(inputs, &QMenu::aboutToShow, &FWindow, [this] {
    const auto* gate = dynamic_cast<const TGateDevice*>(FSelection.Object());
    const int count = gate ? gate->InputCount : 0;
    FWindow.Action("Pop2Inputs")->setChecked(count == 2);
    FWindow.Action("Pop3Inputs")->setChecked(count == 3);
    FWindow.Action("Pop4Inputs")->setChecked(count == 4);
  });

  add(menu, "PopMemoryContents", tr("Edit &Memory Contents..."),
      [this] { FWindow.Memory().ContentsClick(); });
  add(menu, "PopEditAnnotation", tr("&Edit Annotation..."), [this] { EditAnnotation(); });
  add(menu, "PopNameMacro", tr("&Name Macro"), [this] { NameMacroFromAnnotation(); });
  add(menu, "PopEditSequence", tr("&Edit Sequence..."), [this] { FDialogs.EditSequenceClick(); });
  add(menu, "PopEditMacro", tr("&Edit Macro..."), &TMainForm::EditMacroClick);
  add(menu, "PopViewDatasheet", tr("&View Datasheet..."), &TMainForm::ViewDatasheetClick);

  QMenu* colours = submenu(menu, "PopChangeColour", tr("C&hange Color"));
  for (const TColourEntry& entry : ColourEntries) {
    add(*colours, entry.Name, tr(entry.Caption), [this, colour = entry.Colour] {
      SetColour(colour);
    })->setCheckable(true);
  }
  colours->addSeparator();
  add(*colours, "PopCustomColour", tr("&Custom..."), [this] {
    ChooseCustomColour();
  })->setCheckable(true);
  QObject::connect(colours, &QMenu::aboutToShow, &FWindow, [this] { RefreshColourMenu(); });

  add(menu, "PopSwitchType", tr("&Set Switch Type..."), [this] { FDialogs.SwitchTypeClick(); });
  add(menu, "PopText", tr("&Text..."), [this] { EditLabelText(); });

  QMenu* style = submenu(menu, "PopTextStyle", tr("Text &Style"));
  for (int side = 0; side < 4; ++side) {
    const QByteArray name = "PopTextStyle" + QByteArray::number(side);
    add(*style, name.constData(), tr(SideCaptions[side]), [this, side] {
      FSelection.ChangeAs<TTextDevice>(
          [side](TTextDevice& device) { device.SetLabelPosition(side); }, true);
    })->setCheckable(true);
  }
  QObject::connect(style, &QMenu::aboutToShow, &FWindow, [this, style] {
    const auto* device = dynamic_cast<const TTextDevice*>(FSelection.Object());
    const QList<QAction*> entries = style->actions();
    for (int side = 0; side < entries.size(); ++side) {
      entries[side]->setChecked(device && device->LabelPosition == side);
    }
  });

  QMenu* common = submenu(menu, "PopCommon", tr("C&ommon"));
  for (const auto& [name, caption, cathode] : {std::tuple{"PopCathode", tr("&Cathode"), true},
                                               std::tuple{"PopAnode", tr("&Anode"), false}}) {
    add(*common, name, caption, [this, cathode] {
      FSelection.ChangeAs<TLEDSegmentDevice>(
          [cathode](TLEDSegmentDevice& display) { display.CommonCathode = cathode; });
    })->setCheckable(true);
  }
  QObject::connect(common, &QMenu::aboutToShow, &FWindow, [this] {
    const auto* display = dynamic_cast<const TLEDSegmentDevice*>(FSelection.Object());
    FWindow.Action("PopCathode")->setChecked(display && display->CommonCathode);
    FWindow.Action("PopAnode")->setChecked(display && !display->CommonCathode);
  });

  add(menu, "PopProperties", tr("Properties..."), [this] { FDialogs.NumericPropertiesClick(); });
  separator(menu, "PopSeparator2");
  add(menu, "PopHistory", tr("Add to Logic &History"), &TMainForm::PopHistoryClick)
      ->setCheckable(true);
  add(menu, "PopPulseInput", tr("Pulse &Input"), [this] {
    FSelection.ChangeAs<TInteractiveInput>(
        [](TInteractiveInput& input) { input.Pulse = !input.Pulse; });
  })->setCheckable(true);
  separator(menu, "PopSeparator3");
  add(menu, "PopDelete", tr("&Delete"), &TMainForm::DeleteClick);
}

void TDeviceMenu::CreateTagMenu() {
  FTagMenu = FWindow.NewMenu("TagPopup", QString(), &FWindow);
  QAction* templateEditor = FWindow.NewAction("PopTagTemplateEditor", tr("&Template Editor..."));
  QObject::connect(templateEditor, &QAction::triggered, &FWindow, &TMainForm::TemplateEditorClick);
  FTagMenu->addAction(templateEditor);
  FTagMenu->addSeparator();
  QMenu* style = FWindow.NewMenu("PopTagTextStyle", tr("T&ag Text Style"), FTagMenu);
  FTagMenu->addMenu(style)->setObjectName(QStringLiteral("PopTagTextStyle"));
  for (int side = 0; side < 4; ++side) {
    QAction* entry = style->addAction(tr(SideCaptions[side]), &FWindow, [this, side] {
      FSelection.ChangeAs<TTagDevice>([side](TTagDevice& tag) { tag.SetStyle(side); }, true);
    });
    entry->setObjectName(QStringLiteral("PopTagStyle%1").arg(side));
    entry->setCheckable(true);
  }
  QObject::connect(style, &QMenu::aboutToShow, &FWindow, [this, style] {
    const auto* tag = dynamic_cast<const TTagDevice*>(FSelection.Object());
    const QList<QAction*> entries = style->actions();
    for (int side = 0; side < entries.size(); ++side) {
      entries[side]->setChecked(tag && tag->Style == side);
    }
  });
  FTagMenu->addSeparator();
  QAction* remove = FTagMenu->addAction(tr("&Delete"), &FWindow, &TMainForm::DeleteClick);
  remove->setObjectName(QStringLiteral("PopTagDelete"));
}

void TDeviceMenu::Configure() {
  TLogivaneHandles& handles = FDrawing.Handles();
  handles.SetContextMenu(FMenu);
  for (QAction* entry : FMenu->actions()) {
    entry->setVisible(false);
  }
  for (const char* name :
       {"PopCut", "PopCopy", "PopPaste", "PopSeparator1", "PopSeparator3", "PopDelete"}) {
    FWindow.Action(name)->setVisible(true);
  }
  if (TGraphicObject* object = FSelection.Object()) {
    ShowDeviceEntries(*object);
  }
}

void TDeviceMenu::ShowDeviceEntries(TGraphicObject& object) {
  auto show = [this](std::initializer_list<const char*> names, bool visible = true) {
    for (const char* name : names) {
      FWindow.Action(name)->setVisible(visible);
    }
  };
  const bool output = dynamic_cast<const TOutputDevice*>(&object) != nullptr;
  if (const auto* device = dynamic_cast<const TTextDevice*>(&object);
      device && !IsPowerSource(object) && !output) {
    show({"PopText", "PopTextStyle"});
    FWindow.Action("PopTextStyle")->setEnabled(!device->GetLabelText().isEmpty());
  }
  if (dynamic_cast<const THistoryDevice*>(&object) && !IsPowerSource(object) &&
      !dynamic_cast<const TLEDSegmentDevice*>(&object) &&
      !dynamic_cast<const TNumericDevice*>(&object)) {
    show({"PopHistory", "PopSeparator2"});
  }

  if (HasInputChoice(object)) {
    show({"PopGateInputs"});
    FWindow.Action("PopGateInputs")
        ->setEnabled(!static_cast<const TDevice&>(object).HasConnectedPin());
  } else if (dynamic_cast<const TMemoryDevice*>(&object)) {
    show({"PopMemoryContents"});
  } else if (dynamic_cast<const TGraphicText*>(&object)) {
    show({"PopEditAnnotation"});
    show({"PopNameMacro"}, !FDocument.IsInsideMacro());
  } else if (dynamic_cast<const TBitGenerator*>(&object)) {
    show({"PopEditSequence"});
  } else if (dynamic_cast<const TClockDevice*>(&object)) {
    // a clock has no entries of its own
  } else if (const auto* macro = dynamic_cast<const TMacro*>(&object)) {
    show({"PopEditMacro"});
    show({"PopViewDatasheet"}, !macro->Datasheet.isEmpty());
  } else if (output) {
    show({"PopChangeColour", "PopText"});
    show({"PopCommon"}, dynamic_cast<const TLEDSegmentDevice*>(&object) != nullptr);
    if (dynamic_cast<const TNumericDevice*>(&object)) {
      show({"PopText"}, false);
      show({"PopProperties"});
    }
  } else if (dynamic_cast<const TInteractiveSwitch*>(&object)) {
    show({"PopSwitchType"});
  } else if (object.GraphicKind() == TGraphicKind::Wire ||
             object.GraphicKind() == TGraphicKind::Solder) {
    show({"PopCut", "PopCopy", "PopPaste", "PopSeparator1", "PopSeparator3"}, false);
  } else if (const auto* tag = dynamic_cast<const TTagDevice*>(&object)) {
    FDrawing.Handles().SetContextMenu(FTagMenu);
    FWindow.Action("PopTagTextStyle")->setEnabled(tag->GetNumber() >= 0);
    FWindow.Action("PopTagTemplateEditor")->setEnabled(!FDocument.IsInsideMacro());
  } else if (dynamic_cast<const TInteractiveInput*>(&object)) {
    show({"PopPulseInput"});
  } else {
    show({"PopSeparator1"}, false);
  }
}

void TDeviceMenu::RefreshDeviceMenu() {
  const TGraphicObject* object = FSelection.Object();
  const auto* recorded = dynamic_cast<const THistoryDevice*>(object);
  FWindow.Action("PopHistory")->setChecked(recorded && recorded->Recorded);
  const auto* input = dynamic_cast<const TInteractiveInput*>(object);
  FWindow.Action("PopPulseInput")->setChecked(input && input->Pulse);
}

// ---------------------------------------------------------------------------------------------
// The commands

void TDeviceMenu::SetGateInputs(int count) {
  const auto* gate = dynamic_cast<const TGateDevice*>(FSelection.Object());
  if (!gate || gate->InputCount == count) {
    return;
  }
  std::unique_ptr<TGraphicObject> replacement = GateWithInputs(*gate, count);
  if (!replacement) {
    return;
  }
  float x;
  float y;
  gate->GetCentre(x, y);
  FDocument.EditAsOne(tr("Inputs"), [&] {
    FDrawing.AddObject(std::move(replacement), qRound(x), qRound(y));
    FDrawing.DeleteSelection();  // the old gate, still the selection
  });
}

void TDeviceMenu::RefreshColourMenu() {
  const auto* device = dynamic_cast<const TOutputDevice*>(FSelection.Object());
  if (!device) {
    return;
  }
  const bool numeric = dynamic_cast<const TNumericDevice*>(device) != nullptr;
  bool matched = false;
  for (const TColourEntry& entry : ColourEntries) {
    QAction* action = FWindow.Action(entry.Name);
    const bool offered = numeric || entry.Colour != ColourWhite;
    action->setVisible(offered);
    action->setChecked(offered && device->Colour == entry.Colour);
    matched = matched || action->isChecked();
  }
  FWindow.Action("PopCustomColour")->setChecked(!matched);
}

void TDeviceMenu::SetColour(unsigned colour) {
  FSelection.ChangeAs<TOutputDevice>(
      [colour](TOutputDevice& device) { device.Colour = static_cast<TColour>(colour); });
}

void TDeviceMenu::ChooseCustomColour() {
  const auto* device = dynamic_cast<const TOutputDevice*>(FSelection.Object());
  if (!device) {
    return;
  }
  const QColor chosen = QColorDialog::getColor(ToQColor(device->Colour), &FWindow);
  if (chosen.isValid()) {
    SetColour(static_cast<unsigned>(chosen.red() | chosen.green() << 8 | chosen.blue() << 16));
  }
}

void TDeviceMenu::EditLabelText() {
  auto* device = dynamic_cast<TTextDevice*>(FSelection.Object());
  if (!device) {
    return;
  }
  TRenameValues values{device->GetLabelText(), device->GetLabelOverbar()};
  TRenameDialog dialog(&FWindow);
  if (!dialog.Edit(values)) {
    return;
  }
  const auto* history = dynamic_cast<const THistoryDevice*>(device);
  const bool shownInHistory = history && history->Recorded;
  FSelection.Change(
      [&values](TGraphicObject& object) {
        auto& labelled = static_cast<TTextDevice&>(object);
        labelled.SetLabelText(values.Text);
        labelled.SetLabelOverbar(values.Overbar);
        labelled.Remap();
      },
      true);
  if (shownInHistory) {
    FWindow.RefreshLogicHistory();  // its row shows the name
  }
}

void TDeviceMenu::EditAnnotation() {
  auto* text = dynamic_cast<TGraphicText*>(FSelection.Object());
  if (!text) {
    return;
  }
  TEditTextValues values = AnnotationValues(*text);
  if (OwnedDialog<TEditTextDialog>(FWindow).Edit(values)) {
    FSelection.Change(
        [&values](TGraphicObject& object) {
          ApplyAnnotationValues(values, static_cast<TGraphicText&>(object));
        },
        true);
  }
}

void TDeviceMenu::NameMacroFromAnnotation() {
  if (const auto* text = dynamic_cast<const TGraphicText*>(FSelection.Object())) {
    FDocument.BeginEdit();
    FDocument.MacroName = text->Text;
    FDrawing.SetModified(true);
  }
}

}  // namespace logivane
