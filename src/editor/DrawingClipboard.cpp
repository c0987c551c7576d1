#include "document/cClipboardStream.h"
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "editor/WaitCursor.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cMacro.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace logivane {

namespace {

const char* const CopyFailedMessage = "Unable to copy object to clipboard.";

/// The picture of a copy is never larger than this on either side; a larger copy is scaled
/// down to fit rather than taking gigabytes of memory.
constexpr int MaxPictureSide = 4096;

/// The content lists of a circuit in the order their objects are pasted.
std::array<TGraphicList*, 6> PasteOrder(const TMacro& circuit) {
  return {&circuit.Devices(), &circuit.Tags(),   &circuit.Wires(),
          &circuit.Solders(), &circuit.Inputs(), &circuit.Outputs()};
}

/// Gives `objects` to the handles as one selection.
void SelectGroup(TLogivaneHandles& handles, TGraphicList& objects) {
  handles.SetItem(&objects);
  objects.Objects().DetachAll();
}

}  // namespace

std::unique_ptr<TMacro> TLogivaneDrawing::DuplicateRegion(const TMacro& source, const TRect& r) {
  std::unique_ptr<TMacro> copy;
  try {
    copy = ReadClipboardBytes<TMacro>(ClipboardBytes(source));
  } catch (const std::exception&) {
    UserMessages::Show(this, QMessageBox::Information, tr(CopyFailedMessage));
    return nullptr;
  }
  TGraphicList outside;
  copy->CollectOutside(r, outside);
  for (TSerialize* object : outside.Objects()) {
    copy->DeleteChild(static_cast<TGraphicObject*>(object));
  }
  outside.Objects().DetachAll();
  FDocument->NetlistDirty = true;
  logivane::RemoveLooseWires(*copy);
  logivane::CleanSolders(*copy);
  logivane::UpdateTagKinds(*copy);
  return copy;
}

bool TLogivaneDrawing::CopySelection() {
  if (Circuit().Closed || !CanCopy()) {
    return false;
  }
  TWaitCursor wait;
  PasteOffset = QPoint(20, 20);
  const TRect region = FHandles->Item()->GetBounds();
  std::unique_ptr<TMacro> copy = DuplicateRegion(Circuit(), region);
  if (!copy) {
    return false;
  }
  FPasteBuffer = std::move(copy);
  CopyAsPicture(*FPasteBuffer);
  InvalidateRect(region);
  return true;
}

void TLogivaneDrawing::CopyAsPicture(TMacro& copy) {
  const TRect bounds = copy.GetBounds();
  const int width = bounds.Right - bounds.Left;
  const int height = bounds.Bottom - bounds.Top;
  if (width <= 0 || height <= 0) {
    return;
  }
  const double scale = std::min(1.0, double(MaxPictureSide) / std::max(width, height));
  QImage picture(std::max(1, int(width * scale)), std::max(1, int(height * scale)),
                 QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.scale(scale, scale);
  painter.translate(-bounds.Left, -bounds.Top);
  copy.Draw(painter);
  painter.end();
  QGuiApplication::clipboard()->setImage(picture);
}

void TLogivaneDrawing::CutSelection() {
  if (Circuit().Closed || !CanCopy() || !CopySelection()) {
    return;
  }
  FDocument->BeginEdit();
  NameNextEdit(tr("Cut"));
  DeleteSelected();
  RemoveLooseWires();
  CleanSolders();
  UpdateTagKinds();
  SetModified(true);
}

void TLogivaneDrawing::PasteClipboard() {
  if (!CanPaste() || Circuit().Closed) {
    return;
  }
  TWaitCursor wait;
  std::unique_ptr<TMacro> copy = DuplicateRegion(*FPasteBuffer, FPasteBuffer->GetBounds());
  if (!copy) {
    return;
  }
  FDocument->BeginEdit();
  FHandles->Deselect();
  copy->Translate(static_cast<float>(PasteOffset.x()), static_cast<float>(PasteOffset.y()));
  copy->Remap();
  TGraphicList pasted;
  copy->CollectInside(copy->GetBounds(), pasted);
  const auto from = PasteOrder(*copy);
  const auto to = PasteOrder(Circuit());
  for (std::size_t i = 0; i < from.size(); ++i) {
    for (TSerialize* object : from[i]->Objects()) {
      to[i]->Objects().Add(object);
    }
    from[i]->Objects().DetachAll();  // the circuit owns them now
  }
  for (TSerialize* object : pasted.Objects()) {
    InvalidateBounds(*static_cast<TGraphicObject*>(object));
  }
  SelectGroup(*FHandles, pasted);
  FDocument->NetlistDirty = true;
  PasteOffset += QPoint(20, 20);
  NameNextEdit(tr("Paste"));
  SetModified(true);
}

// ---------------------------------------------------------------------------------------------
// The symbol clipboard of a circuit shown as its symbol

std::unique_ptr<TGraphicList> TLogivaneDrawing::DuplicateSymbolObjects(
    const std::vector<TGraphicObject*>& source) {
  // Outline pins travel as fresh, unlinked pins: their links to tags stay behind.
  TGraphicList written;
  std::vector<std::unique_ptr<TMacroPin>> freshPins;
  for (TGraphicObject* object : source) {
    if (dynamic_cast<TMacroPin*>(object)) {
      float x, y;
      object->GetCentre(x, y);
      auto& pin = freshPins.emplace_back(std::make_unique<TMacroPin>(PinNeutral));
      pin->Translate(x, y);
      pin->Remap();
      written.Objects().Add(pin.get());
    } else {
      written.Objects().Add(object);
    }
  }
  const QByteArray bytes = ClipboardBytes(written);
  written.Objects().DetachAll();
  FDocument->NetlistDirty = true;
  try {
    return ReadClipboardBytes<TGraphicList>(bytes);
  } catch (const std::exception&) {
    UserMessages::Show(this, QMessageBox::Information, tr(CopyFailedMessage));
    return nullptr;
  }
}

bool TLogivaneDrawing::CopySymbol() {
  if (!Circuit().Closed || !HasSelection()) {
    return false;
  }
  PasteOffset = QPoint(20, 20);
  std::unique_ptr<TGraphicList> copy = DuplicateSymbolObjects(FHandles->Items());
  if (!copy) {
    return false;
  }
  FSymbolClipboard = std::move(copy);
  return true;
}

void TLogivaneDrawing::CutSymbol() {
  if (!Circuit().Closed || !HasSelection() || !CopySymbol()) {
    return;
  }
  FDocument->BeginEdit();
  NameNextEdit(tr("Cut"));
  DeleteSelected();
  SetModified(true);
}

void TLogivaneDrawing::PasteSymbol() {
  if (!Circuit().Closed || !CanPasteSymbol()) {
    return;
  }
  std::vector<TGraphicObject*> source;
  for (TSerialize* object : FSymbolClipboard->Objects()) {
    source.push_back(static_cast<TGraphicObject*>(object));
  }
  std::unique_ptr<TGraphicList> copy = DuplicateSymbolObjects(source);
  if (!copy) {
    return;
  }
  FDocument->BeginEdit();
  FHandles->Deselect();
  copy->Translate(static_cast<float>(PasteOffset.x()), static_cast<float>(PasteOffset.y()));
  copy->Remap();
  for (TSerialize* item : copy->Objects()) {
    auto* object = static_cast<TGraphicObject*>(item);
    TGraphicList& list = object->GraphicKind() == TGraphicKind::Pin ? Circuit().Pins() : Circuit();
    list.Objects().Add(object);
    InvalidateBounds(*object);
  }
  SelectGroup(*FHandles, *copy);
  PasteOffset += QPoint(20, 20);
  NameNextEdit(tr("Paste"));
  SetModified(true);
}

void TLogivaneDrawing::SelectAllSymbol() {
  if (!Circuit().Closed) {
    return;
  }
  LeaveEditingModes();
  TGraphicList all;
  for (TGraphicList* list : {&Circuit().Pins(), static_cast<TGraphicList*>(&Circuit())}) {
    for (TSerialize* object : list->Objects()) {
      all.Objects().Add(object);
    }
  }
  SelectGroup(*FHandles, all);
}

}  // namespace logivane
