#include "app/MemoryCommands.h"

#include "app/MainUnit.h"
#include "app/Selection.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cMacro.h"
#include "simulation/cMemory.h"
#include "windows/EditMemoryDlg.h"

namespace logivane {

namespace {

/// Whether `target` is `object` or lies anywhere inside it.
bool Holds(const TGraphicObject& object, const TGraphicObject* target) {
  if (&object == target) {
    return true;
  }
  const auto* macro = dynamic_cast<const TMacro*>(&object);
  if (!macro) {
    return false;
  }
  for (TSerialize* item : macro->Devices().Objects()) {
    if (Holds(*static_cast<TGraphicObject*>(item), target)) {
      return true;
    }
  }
  return false;
}

}  // namespace

TMemoryCommands::TMemoryCommands(TMainForm& window, TCircuitDocument& document,
                                 TLogivaneDrawing& drawing, TSelection& selection)
    : FWindow(window), FDocument(document), FDrawing(drawing), FSelection(selection) {
}

void TMemoryCommands::Create() {
  FContents = new TEditContentsDialog(&FWindow);
  FContents->setObjectName(QStringLiteral("MemoryContents"));
  QObject::connect(FContents, &TEditContentsDialog::ContentsChanging, &FDocument,
                   &TCircuitDocument::BeginEdit);
  QObject::connect(FContents, &TEditContentsDialog::ContentsChanged, &FWindow, [this] {
    FDocument.NameNextEdit(tr("Edit Memory"));
    FDrawing.SetModified(true);
  });
  QObject::connect(&FDrawing, &TLogivaneDrawing::OnObjectsRemoving, &FWindow,
                   [this](const std::vector<TGraphicObject*>& doomed) { CloseWithin(doomed); });
}

std::unique_ptr<TGraphicObject> TMemoryCommands::NewDevice() {
  TChangeMemoryDialog dialog(&FWindow);
  if (!dialog.Edit(FSize)) {
    return nullptr;
  }
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(FSize.IsRAM, FSize.AddressWidth, FSize.DataWidth);
  return memory;
}

void TMemoryCommands::ContentsClick() {
  if (auto* memory = dynamic_cast<TMemoryDevice*>(FSelection.Object())) {
    Show(*memory);
  }
}

void TMemoryCommands::Show(TMemoryDevice& memory) {
  FContents->SetMemory(&memory);
  FContents->show();
  FContents->raise();
}

void TMemoryCommands::CloseWithin(const std::vector<TGraphicObject*>& doomed) {
  const TMemoryDevice* memory = FContents->Memory();
  if (memory && std::any_of(doomed.begin(), doomed.end(), [memory](const TGraphicObject* object) {
        return object && Holds(*object, memory);
      })) {
    FContents->Detach();
  }
}

}  // namespace logivane
