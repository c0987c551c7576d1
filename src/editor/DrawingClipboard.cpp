#include "editor/DrawingClipboard.h"

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

const char* const CopyFailedMessage =
    QT_TRANSLATE_NOOP("logivane::TLogivaneDrawing", "Unable to copy object to clipboard.");

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

TDrawingClipboard::TDrawingClipboard(TLogivaneDrawing& drawing)
    : FDrawing(drawing),
      FPasteBuffer(std::make_unique<TMacro>()),
      FSymbolClipboard(std::make_unique<TGraphicList>()) {
  FPasteBuffer->Closed = false;
}

TDrawingClipboard::~TDrawingClipboard() = default;

bool TDrawingClipboard::CanPaste() const {
  return !FPasteBuffer->IsEmpty();
}

bool TDrawingClipboard::CanPasteSymbol() const {
  return FSymbolClipboard->Count() > 0;
}

template <class T>
void TDrawingClipboard::PlaceNextPaste(T& copy) {
  copy.Translate(static_cast<float>(FPasteOffset.x()), static_cast<float>(FPasteOffset.y()));
  copy.Remap();
  FPasteOffset += QPoint(20, 20);
}

std::unique_ptr<TMacro> TDrawingClipboard::DuplicateRegion(const TMacro& source, const TRect& r) {
  std::unique_ptr<TMacro> copy;
  try {
    copy = ReadClipboardBytes<TMacro>(ClipboardBytes(source));
  } catch (const std::exception&) {
    UserMessages::Show(&FDrawing, QMessageBox::Information,
                       TLogivaneDrawing::tr(CopyFailedMessage));
    return nullptr;
  }
  TGraphicList outside;
  copy->CollectOutside(r, outside);
  for (TSerialize* object : outside.Objects()) {
    copy->DeleteChild(static_cast<TGraphicObject*>(object));
  }
  outside.Objects().DetachAll();
  FDrawing.Document().NetlistDirty = true;
  logivane::RemoveLooseWires(*copy);
  logivane::CleanSolders(*copy);
  logivane::UpdateTagKinds(*copy);
  return copy;
}

bool TDrawingClipboard::CopySelection() {
  if (FDrawing.Circuit().Closed || !FDrawing.CanCopy()) {
    return false;
  }
  TWaitCursor wait;
  FPasteOffset = QPoint(20, 20);
  const TRect region = FDrawing.Handles().Item()->GetBounds();
  std::unique_ptr<TMacro> copy = DuplicateRegion(FDrawing.Circuit(), region);
  if (!copy) {
    return false;
  }
  FPasteBuffer = std::move(copy);
  CopyAsPicture(*FPasteBuffer);
  FDrawing.InvalidateRect(region);
  return true;
}

void TDrawingClipboard::CopyAsPicture(TMacro& copy) {
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

void TDrawingClipboard::CutSelection() {
  if (FDrawing.Circuit().Closed || !FDrawing.CanCopy() || !CopySelection()) {
    return;
  }
  FDrawing.Document().BeginEdit();
  FDrawing.NameNextEdit(TLogivaneDrawing::tr("Cut"));
  FDrawing.DeleteSelected();
  FDrawing.RemoveLooseWires();
  FDrawing.CleanSolders();
  FDrawing.UpdateTagKinds();
  FDrawing.SetModified(true);
}

void TDrawingClipboard::PasteClipboard() {
  if (!CanPaste() || FDrawing.Circuit().Closed) {
    return;
  }
  TWaitCursor wait;
  std::unique_ptr<TMacro> copy = DuplicateRegion(*FPasteBuffer, FPasteBuffer->GetBounds());
  if (!copy) {
    return;
  }
  FDrawing.Document().BeginEdit();
  FDrawing.Handles().Deselect();
  PlaceNextPaste(*copy);
  TGraphicList pasted;
  copy->CollectInside(copy->GetBounds(), pasted);
  const auto from = PasteOrder(*copy);
  const auto to = PasteOrder(FDrawing.Circuit());
  for (std::size_t i = 0; i < from.size(); ++i) {
    for (TSerialize* object : from[i]->Objects()) {
      to[i]->Objects().Add(object);
    }
    from[i]->Objects().DetachAll();  // the circuit owns them now
  }
  for (TSerialize* object : pasted.Objects()) {
    FDrawing.InvalidateBounds(*static_cast<TGraphicObject*>(object));
  }
  SelectGroup(FDrawing.Handles(), pasted);
  FDrawing.Document().NetlistDirty = true;
  FDrawing.NameNextEdit(TLogivaneDrawing::tr("Paste"));
  FDrawing.SetModified(true);
}

// ---------------------------------------------------------------------------------------------
// The symbol clipboard of a circuit shown as its symbol

std::unique_ptr<TGraphicList> TDrawingClipboard::DuplicateSymbolObjects(
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
  FDrawing.Document().NetlistDirty = true;
  try {
    return ReadClipboardBytes<TGraphicList>(bytes);
  } catch (const std::exception&) {
    UserMessages::Show(&FDrawing, QMessageBox::Information,
                       TLogivaneDrawing::tr(CopyFailedMessage));
    return nullptr;
  }
}

bool TDrawingClipboard::CopySymbol() {
  if (!FDrawing.Circuit().Closed || !FDrawing.HasSelection()) {
    return false;
  }
  FPasteOffset = QPoint(20, 20);
  std::unique_ptr<TGraphicList> copy = DuplicateSymbolObjects(FDrawing.Handles().Items());
  if (!copy) {
    return false;
  }
  FSymbolClipboard = std::move(copy);
  return true;
}

void TDrawingClipboard::CutSymbol() {
  if (!FDrawing.Circuit().Closed || !FDrawing.HasSelection() || !CopySymbol()) {
    return;
  }
  FDrawing.Document().BeginEdit();
  FDrawing.NameNextEdit(TLogivaneDrawing::tr("Cut"));
  FDrawing.DeleteSelected();
  FDrawing.SetModified(true);
}

void TDrawingClipboard::PasteSymbol() {
  if (!FDrawing.Circuit().Closed || !CanPasteSymbol()) {
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
  FDrawing.Document().BeginEdit();
  FDrawing.Handles().Deselect();
  PlaceNextPaste(*copy);
  for (TSerialize* item : copy->Objects()) {
    auto* object = static_cast<TGraphicObject*>(item);
    TGraphicList& list =
        object->GraphicKind() == TGraphicKind::Pin ? FDrawing.Circuit().Pins() : FDrawing.Circuit();
    list.Objects().Add(object);
    FDrawing.InvalidateBounds(*object);
  }
  SelectGroup(FDrawing.Handles(), *copy);
  FDrawing.NameNextEdit(TLogivaneDrawing::tr("Paste"));
  FDrawing.SetModified(true);
}

void TDrawingClipboard::SelectAllSymbol() {
  if (!FDrawing.Circuit().Closed) {
    return;
  }
  FDrawing.LeaveEditingModes();
  TGraphicList all;
  for (TGraphicList* list :
       {&FDrawing.Circuit().Pins(), static_cast<TGraphicList*>(&FDrawing.Circuit())}) {
    for (TSerialize* object : list->Objects()) {
      all.Objects().Add(object);
    }
  }
  SelectGroup(FDrawing.Handles(), all);
}

}  // namespace logivane
