// The document's files: saving the level shown, opening a circuit, inserting a macro file.
#include "document/cGrid.h"
#include "editor/CircuitDocument.h"
#include "editor/EditHistory.h"
#include "simulation/cMacro.h"

namespace logivane {

namespace {

/// Marks the levels open for editing closed while it lives, as leaving them would.
class TLevelsClosed {
public:
  explicit TLevelsClosed(std::vector<TMacro*> levels) : FLevels(std::move(levels)) {
    for (TMacro* level : FLevels) {
      level->Closed = true;
    }
  }
  ~TLevelsClosed() {
    for (TMacro* level : FLevels) {
      level->Closed = false;
    }
  }
  TLevelsClosed(const TLevelsClosed&) = delete;
  TLevelsClosed& operator=(const TLevelsClosed&) = delete;

private:
  std::vector<TMacro*> FLevels;
};

}  // namespace

QByteArray TCircuitDocument::RootFileBytes() {
  std::vector<TMacro*> open;
  if (IsInsideMacro()) {
    open.assign(FLevelStack.begin() + 1, FLevelStack.end());
    open.push_back(FLevel);
  }
  const TLevelsClosed closed(std::move(open));
  return CircuitBytes(*FRoot, MacroName);
}

QByteArray TCircuitDocument::RecordedRootFileBytes() const {
  // Inside a level the history holds it open, which is not how the file keeps it. An edit still
  // open (a drag) is left out, as an undo would leave it out.
  return FEditHistory && !IsInsideMacro() ? FEditHistory->CurrentBytes() : QByteArray();
}

bool TCircuitDocument::SaveToFile(const QString& fileName, QString* error) {
  if (!SaveCircuitFile(fileName, *FLevel, MacroName, error)) {
    return false;
  }
  FileName = fileName;
  MarkSaved();
  return true;
}

TCircuitReadResult TCircuitDocument::LoadFromFile(const QString& fileName,
                                                  const TProgress& progress) {
  TCircuitReadResult result = ReadCircuitFile(fileName, progress);
  if (!result.Succeeded()) {
    return result;
  }
  ReplaceRoot(std::move(result.Circuit));
  FileName = fileName;
  MacroName = result.MacroName;
  if (FEditHistory) {
    FEditHistory->Reset();
  }
  MarkSaved();
  return result;
}

TMacro* TCircuitDocument::InsertMacroFile(const QString& fileName, QPoint centre, const TGrid& grid,
                                          TCircuitReadResult& result) {
  result = ReadCircuitFile(fileName);
  if (!result.Succeeded()) {
    return nullptr;
  }
  TMacro& macro = *result.Circuit;
  macro.Closed = true;
  macro.IsSubCircuit = true;
  macro.Displayed = false;
  // The body, without its pins, is centred on the point with its top-left corner on the grid.
  const bool pinsVisible = macro.PinsVisible;
  macro.PinsVisible = false;
  const TFloatRect body = macro.GetFloatBounds();
  macro.Translate(-body.MinX, -body.MinY);
  const QPoint corner =
      grid.SnapPoint(QPoint(RoundToInt(centre.x() - (body.MaxX - body.MinX) / 2),
                            RoundToInt(centre.y() - (body.MaxY - body.MinY) / 2)));
  macro.Translate(static_cast<float>(corner.x()), static_cast<float>(corner.y()));
  macro.Remap();
  macro.PinsVisible = pinsVisible;
  BeginEdit();
  NameNextEdit(tr("Insert Macro"));
  FLevel->Devices().Add(std::move(result.Circuit));
  NetlistDirty = true;
  return &macro;
}

}  // namespace logivane
