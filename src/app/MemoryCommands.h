#pragma once

#include "dialogs/ChangeMemoryDlg.h"

#include <QCoreApplication>

#include <memory>
#include <vector>

namespace logivane {

class TCircuitDocument;
class TEditContentsDialog;
class TGraphicObject;
class TLogivaneDrawing;
class TMainForm;
class TMemoryDevice;
class TSelection;

/**
 * @brief The memory device's windows: the size dialog that placing a memory opens, and the
 * contents window, which must never outlive the memory it shows.
 */
class TMemoryCommands {
  Q_DECLARE_TR_FUNCTIONS(TMemoryCommands)
public:
  TMemoryCommands(TMainForm& window, TCircuitDocument& document, TLogivaneDrawing& drawing,
                  TSelection& selection);

  /// Makes the contents window, a child of the window; once.
  void Create();
  TEditContentsDialog& Contents() const { return *FContents; }
  /// A new memory of the type and size that the memory dialog gives; null when cancelled.
  std::unique_ptr<TGraphicObject> NewDevice();
  /// Shows the contents window for the selected memory device.
  void ContentsClick();
  void Show(TMemoryDevice& memory);
  /// Closes the contents window when its memory is one of `doomed` or lies inside one.
  void CloseWithin(const std::vector<TGraphicObject*>& doomed);

private:
  TMainForm& FWindow;
  TCircuitDocument& FDocument;
  TLogivaneDrawing& FDrawing;
  TSelection& FSelection;
  TEditContentsDialog* FContents = nullptr;
  /// The memory dialog starts from the last size placed.
  TMemorySize FSize;
};

}  // namespace logivane
