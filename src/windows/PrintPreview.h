#pragma once

#include "windows/PrintCircuit.h"

#include <QMainWindow>
#include <QPrinter>

#include <functional>
#include <memory>

namespace Ui {
class TPrintPreview;
}

namespace logivane {

class TMacro;

/**
 * @brief The print preview: the page as it will print, and the print options (zoom, centring,
 * orientation) that the main window's Print command uses too.
 *
 * The window owns the printer that every print command shares. It never moves the circuit:
 * the print and the preview draw it through a painter transform.
 */
class TPrintPreview : public QMainWindow {
  Q_OBJECT
public:
  /// Runs the printer set-up dialog on `printer`; true when the user accepted it.
  using TPrinterSetup = std::function<bool(QWidget* parent, QPrinter& printer)>;

  /// With no `printer` the window uses the system's default printer; a given one (a PDF file,
  /// in tests) counts as installed.
  explicit TPrintPreview(QWidget* parent = nullptr, std::unique_ptr<QPrinter> printer = {});
  ~TPrintPreview() override;

  /// The circuit to print; not owned. Whoever destroys it must set another or none first.
  TMacro* Circuit() const { return FCircuit; }
  /// `marks`, not owned, are printed over the circuit as they are when it prints.
  void SetCircuit(TMacro* circuit, const TFaultMarks* marks = nullptr);
  QPrinter& Printer() const { return *FPrinter; }
  bool PrinterInstalled() const;
  TPrintOptions Options() const;
  /// 10, or 5 when zoomed: one drawing unit is 2 / `PreviewDivisor` pixels in the preview.
  int PreviewDivisor() const { return FPreviewDivisor; }
  /// The printer dialog; tests replace it.
  TPrinterSetup RunPrinterSetup;

  /// Prints the circuit with the window's options, when a printer is installed; a printer
  /// that fails is reported and changes nothing.
  void PrintCircuit();
  void PrintSetupClick();
  /// Sizes the page panel from the printer's page and resolution and centres it.
  void SizePage();

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void ZoomClick(bool down);
  void SetOrientation(bool landscape);
  /// Presses Portrait or Landscape as the printer is set.
  void FollowPrinterOrientation();
  /// Puts the page panel of `size` in the middle of the grey desk, which grows to scroll a page
  /// larger than the window.
  void PlacePagePanel(QSize size);
  void PaintPage(QPainter& painter);

  std::unique_ptr<Ui::TPrintPreview> FUi;
  std::unique_ptr<QPrinter> FPrinter;
  bool FPrinterGiven = false;
  TMacro* FCircuit = nullptr;
  const TFaultMarks* FMarks = nullptr;
  int FPreviewDivisor = 10;
};

}  // namespace logivane
