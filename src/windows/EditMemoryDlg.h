#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

namespace Ui {
class TEditContentsDialog;
}

namespace logivane {

class TMemoryContentsModel;
class TMemoryDevice;

/**
 * @brief The "Memory Contents" window: every word of one memory device, edited in binary or
 * hexadecimal, cleared, or loaded from and saved to a memory map, Intel HEX or binary file.
 *
 * Modeless and on top of the main window. It refers to its memory without owning it, so its
 * owner must call `SetMemory(nullptr)` (or `Detach`) before the memory is destroyed.
 */
class TEditContentsDialog : public QMainWindow {
  Q_OBJECT
public:
  /// Returns the chosen file name, or an empty one when the user cancels.
  using TFileChooser = std::function<QString(QWidget* parent)>;

  explicit TEditContentsDialog(QWidget* parent = nullptr);
  ~TEditContentsDialog() override;

  /// Shows the words of `memory` from address 0; null shows none.
  void SetMemory(TMemoryDevice* memory);
  TMemoryDevice* Memory() const;
  /// Lets go of the memory and hides the window.
  void Detach();
  /// Shows the words as they are now and selects the address of the memory's latest access;
  /// called after each simulation step. A word being edited keeps its place.
  void FollowAccess();

  // The commands of the menus and the tool bar.
  void ClearMemoryClick();
  void OpenMapClick();
  void SaveMapClick();

  /// The memory file dialogs; tests replace them.
  TFileChooser ChooseOpenMap;
  TFileChooser ChooseSaveMap;

signals:
  /// The user is about to change the memory's words.
  void ContentsChanging();
  /// The user changed the memory's words: edited, cleared or loaded them.
  void ContentsChanged();

private:
  void ShowHexadecimal(bool hexadecimal);
  /// Keeps the cursor off the address column.
  void KeepToContents(const QModelIndex& current);
  void SelectAddress(int address);
  void WordsReplaced();

  std::unique_ptr<Ui::TEditContentsDialog> FUi;
  TMemoryContentsModel* FModel;
};

}  // namespace logivane
