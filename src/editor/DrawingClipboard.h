#pragma once

#include "document/Cfloat.h"

#include <QPoint>

#include <memory>
#include <vector>

namespace logivane {

class TGraphicList;
class TGraphicObject;
class TLogivaneDrawing;
class TMacro;

/**
 * @brief Cut, copy and paste on a drawing surface: the paste buffer of circuit parts and the
 * symbol clipboard of a circuit shown as its symbol.
 *
 * A copy travels through the clipboard stream, so what is pasted is exactly what a file would
 * hold; a copy of a circuit also goes to the desktop's clipboard as a picture. Each paste lands
 * a step further from the last, so that repeated pastes do not hide one another.
 */
class TDrawingClipboard {
public:
  explicit TDrawingClipboard(TLogivaneDrawing& drawing);
  ~TDrawingClipboard();

  bool CanPaste() const;
  bool CanPasteSymbol() const;
  TMacro& PasteBuffer() const { return *FPasteBuffer; }

  bool CopySelection();
  void CutSelection();
  void PasteClipboard();
  bool CopySymbol();
  void CutSymbol();
  void PasteSymbol();
  void SelectAllSymbol();

private:
  /// A copy of the part of `source` inside `r`, or null after a message when it cannot be made.
  std::unique_ptr<TMacro> DuplicateRegion(const TMacro& source, const TRect& r);
  void CopyAsPicture(TMacro& copy);
  std::unique_ptr<TGraphicList> DuplicateSymbolObjects(const std::vector<TGraphicObject*>& source);
  /// Moves `copy` to where the next paste goes and steps that place on.
  template <class T>
  void PlaceNextPaste(T& copy);

  TLogivaneDrawing& FDrawing;
  std::unique_ptr<TMacro> FPasteBuffer;
  std::unique_ptr<TGraphicList> FSymbolClipboard;
  QPoint FPasteOffset{20, 20};
};

}  // namespace logivane
