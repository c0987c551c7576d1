#include "windows/PrintPreview.h"

#include "editor/UserMessages.h"
#include "editor/WaitCursor.h"
#include "ui_PrintPreview.h"
#include "windows/ControlLabels.h"

#include <QActionGroup>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace logivane {

namespace {

/// Grey shown around the page.
constexpr int DeskMargin = 10;

bool RunPrintDialog(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

TPrintPreview::TPrintPreview(QWidget* parent, std::unique_ptr<QPrinter> printer)
    : QMainWindow(parent, Qt::Window),
      RunPrinterSetup(RunPrintDialog),
      FUi(std::make_unique<Ui::TPrintPreview>()),
      FPrinter(std::move(printer)),
      FPrinterGiven(FPrinter != nullptr) {
  FUi->setupUi(this);
  setObjectName(QStringLiteral("PrintPreview"));
  if (!FPrinter) {
    // The printer's own resolution: the circuit prints at a fixed number of device pixels.
    FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  }
  FUi->Desk->setBackgroundRole(QPalette::Dark);
  FUi->PaintBox->OnPaint = [this](QPainter& painter, const QRect&) {
    PaintPage(painter);
  };
  FUi->ScrollBox->viewport()->installEventFilter(this);

  auto* orientation = new QActionGroup(this);
  orientation->addAction(FUi->PreviewPortrait);
  orientation->addAction(FUi->PreviewLandscape);
  connect(FUi->PreviewPortrait, &QAction::triggered, this, [this] { SetOrientation(false); });
  connect(FUi->PreviewLandscape, &QAction::triggered, this, [this] { SetOrientation(true); });
  connect(FUi->PreviewZoom, &QAction::toggled, this, &TPrintPreview::ZoomClick);
  connect(FUi->PreviewCentreImage, &QAction::toggled, FUi->PaintBox, qOverload<>(&QWidget::update));
  connect(FUi->PreviewPrint, &QAction::triggered, this, &TPrintPreview::PrintCircuit);
  connect(FUi->PreviewPrintSetup, &QAction::triggered, this, &TPrintPreview::PrintSetupClick);
  connect(FUi->PreviewClose, &QAction::triggered, this, &QWidget::close);

  // A circuit is usually wider than high.
  if (PrinterInstalled()) {
    FPrinter->setPageOrientation(QPageLayout::Landscape);
  }
  ControlLabels::Label(*this);
}

TPrintPreview::~TPrintPreview() = default;

void TPrintPreview::SetCircuit(TMacro* circuit, const TFaultMarks* marks) {
  FCircuit = circuit;
  FMarks = marks;
  FUi->PaintBox->update();
}

bool TPrintPreview::PrinterInstalled() const {
  return FPrinterGiven || !QPrinterInfo::availablePrinters().isEmpty();
}

TPrintOptions TPrintPreview::Options() const {
  return {FUi->PreviewZoom->isChecked(), FUi->PreviewCentreImage->isChecked()};
}

void TPrintPreview::PrintCircuit() {
  if (!PrinterInstalled() || !FCircuit) {
    return;
  }
  TWaitCursor wait;
  if (!PrintCircuitOn(*FPrinter, *FCircuit, Options(), FMarks)) {
    UserMessages::Show(this, QMessageBox::Warning,
                       tr("The circuit could not be printed. Check that the printer is "
                          "switched on and ready, then try again."));
  }
}

void TPrintPreview::PrintSetupClick() {
  if (!RunPrinterSetup(this, *FPrinter)) {
    return;
  }
  SizePage();
  FollowPrinterOrientation();
}

void TPrintPreview::SizePage() {
  // Without a printer the panel keeps its design size.
  PlacePagePanel(PrinterInstalled() ? PagePanelSize(PageFactsOf(*FPrinter))
                                    : FUi->PagePanel->size());
}

void TPrintPreview::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  SizePage();
  if (PrinterInstalled()) {
    FollowPrinterOrientation();
  }
}

bool TPrintPreview::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FUi->ScrollBox->viewport() && event->type() == QEvent::Resize) {
    SizePage();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TPrintPreview::changeEvent(QEvent* event) {
  // The circuit may have been edited in the main window while this one was in the background.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    FUi->PaintBox->update();
  }
  QMainWindow::changeEvent(event);
}

void TPrintPreview::ZoomClick(bool down) {
  FPreviewDivisor = down ? 5 : 10;
  FUi->PaintBox->update();
}

void TPrintPreview::SetOrientation(bool landscape) {
  FPrinter->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  SizePage();
}

void TPrintPreview::FollowPrinterOrientation() {
  const bool landscape = FPrinter->pageLayout().orientation() == QPageLayout::Landscape;
  FUi->PreviewLandscape->setChecked(landscape);
  FUi->PreviewPortrait->setChecked(!landscape);
}

void TPrintPreview::PlacePagePanel(QSize size) {
  const QSize box = FUi->ScrollBox->viewport()->size();
  const QSize desk = box.expandedTo(size + QSize(2 * DeskMargin, 2 * DeskMargin));
  FUi->Desk->resize(desk);
  FUi->PagePanel->setGeometry(QRect(
      QPoint(desk.width() / 2 - size.width() / 2, desk.height() / 2 - size.height() / 2), size));
}

void TPrintPreview::PaintPage(QPainter& painter) {
  painter.fillRect(FUi->PaintBox->rect(), Qt::white);
  if (FCircuit) {
    DrawCircuit(painter, *FCircuit,
                PreviewTransform(*FCircuit, FUi->PaintBox->size(), FPreviewDivisor,
                                 FUi->PreviewCentreImage->isChecked()),
                FMarks);
  }
}

}  // namespace logivane
