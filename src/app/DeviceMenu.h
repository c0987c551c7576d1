#pragma once

#include <QCoreApplication>

class QMenu;

namespace logivane {

class TCircuitDocument;
class TDeviceDialogs;
class TGraphicObject;
class TLogivaneDrawing;
class TMainForm;
class TSelection;

/**
 * @brief The context menu of the selection: which entries each class of object offers, and the
 * changes those entries make. A tag has a menu of its own.
 *
 * The entries are actions of the window, so that they are found by name as every other action
 * is; the entries that open the window's dialogs run the window's commands.
 */
class TDeviceMenu {
  Q_DECLARE_TR_FUNCTIONS(TDeviceMenu)
public:
  TDeviceMenu(TMainForm& window, TCircuitDocument& document, TLogivaneDrawing& drawing,
              TSelection& selection, TDeviceDialogs& dialogs);

  /// Builds both menus; once, after the window's Edit menu.
  void Create();
  QMenu& Menu() const { return *FMenu; }
  QMenu& TagMenu() const { return *FTagMenu; }
  /// Gives the handles the menu that fits the selection, with the entries that fit it shown.
  void Configure();
  /// Replaces the selected And, Nand, Or or Nor gate by the one of its family with `count`
  /// inputs, as one edit.
  void SetGateInputs(int count);

private:
  void CreateDeviceMenu();
  void CreateTagMenu();
  void ShowDeviceEntries(TGraphicObject& object);
  void RefreshDeviceMenu();
  void RefreshColourMenu();
  void SetColour(unsigned colour);
  void ChooseCustomColour();
  void EditLabelText();
  void EditAnnotation();
  void NameMacroFromAnnotation();

  TMainForm& FWindow;
  TCircuitDocument& FDocument;
  TLogivaneDrawing& FDrawing;
  TSelection& FSelection;
  TDeviceDialogs& FDialogs;
  QMenu* FMenu = nullptr;
  QMenu* FTagMenu = nullptr;
};

}  // namespace logivane
