// The memory device's windows: the size dialog that placing a memory opens, and the contents
// window, which must never outlive the memory it shows.
#include "app/MainUnit.h"
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

void TMainForm::CreateMemoryContents() {
  FMemoryContents = new TEditContentsDialog(this);
  FMemoryContents->setObjectName(QStringLiteral("MemoryContents"));
  connect(FMemoryContents, &TEditContentsDialog::ContentsChanging, FDocument,
          &TCircuitDocument::BeginEdit);
  connect(FMemoryContents, &TEditContentsDialog::ContentsChanged, this, [this] {
    FDocument->NameNextEdit(tr("Edit Memory"));
    FDrawing->SetModified(true);
  });
  connect(FDrawing, &TLogivaneDrawing::OnObjectsRemoving, this,
          &TMainForm::CloseMemoryContentsWithin);
}

std::unique_ptr<TGraphicObject> TMainForm::NewMemoryDevice() {
  TChangeMemoryDialog dialog(this);
  if (!dialog.Edit(FMemorySize)) {
    return nullptr;
  }
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(FMemorySize.IsRAM, FMemorySize.AddressWidth, FMemorySize.DataWidth);
  return memory;
}

void TMainForm::MemoryContentsClick() {
  if (auto* memory = dynamic_cast<TMemoryDevice*>(SelectedObject())) {
    ShowMemoryContents(*memory);
  }
}

void TMainForm::ShowMemoryContents(TMemoryDevice& memory) {
  FMemoryContents->SetMemory(&memory);
  FMemoryContents->show();
  FMemoryContents->raise();
}

void TMainForm::FollowMemoryAccess() {
  if (FMemoryContents->isVisible()) {
    FMemoryContents->FollowAccess();
  }
}

void TMainForm::CloseMemoryContentsWithin(const std::vector<TGraphicObject*>& doomed) {
  const TMemoryDevice* memory = FMemoryContents->Memory();
  if (memory && std::any_of(doomed.begin(), doomed.end(), [memory](const TGraphicObject* object) {
        return object && Holds(*object, memory);
      })) {
    FMemoryContents->Detach();
  }
}

}  // namespace logivane
