#include "TestHelpers.h"
#include "editor/RecordedMessages.h"
#include "simulation/cGateDevice.h"
#include "windows/PrintPreview.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace logivane {
namespace {

using namespace test;

/// Expects `actual` to lie within `slack` pixels of `expected` on every side: lines have width,
/// and bounds keep a unit of room.
void ExpectNear(const QRect& actual, const QRect& expected, int slack) {
  EXPECT_NEAR(actual.left(), expected.left(), slack) << "left";
  EXPECT_NEAR(actual.top(), expected.top(), slack) << "top";
  EXPECT_NEAR(actual.right(), expected.right(), slack) << "right";
  EXPECT_NEAR(actual.bottom(), expected.bottom(), slack) << "bottom";
}

/// A PDF printer of 72 pixels per inch, so that one device pixel is one pixel of the page
/// rendered at 72 dpi.
std::unique_ptr<QPrinter> PdfPrinter(const QString& fileName, int resolution = 72) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(fileName);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  printer->setResolution(resolution);
  return printer;
}

class PrintTest : public ::testing::Test {
protected:
  void SetUp() override {
    Place<T2AndGate>(*Circuit, 40, 40);
    Place<T2OrGate>(*Circuit, 90, 80);
  }

  /// Prints the circuit to a PDF and renders its page at 72 dpi; the page's ink in page
  /// pixels, and the printable area's corner and size.
  QRect PrintedInk(const TPrintOptions& options, QRect& paintRect) {
    const QString pdf = Folder.filePath(QStringLiteral("page.pdf"));
    auto printer = PdfPrinter(pdf);
    paintRect = printer->pageLayout().paintRectPixels(72);
    EXPECT_TRUE(PrintCircuitOn(*printer, *Circuit, options));
    const QString png = Folder.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, png});
    return InkBounds(QImage(png + QStringLiteral(".png")));
  }
  /// The circuit's bounds at `scale` pixels per unit.
  QRect Scaled(int scale) const {
    const TRect r = Circuit->GetBounds();
    return QRect(QPoint(r.Left, r.Top) * scale, QPoint(r.Right, r.Bottom) * scale);
  }

  QTemporaryDir Folder;
  std::unique_ptr<TMacro> Circuit = NewRoot();
};

TEST_F(PrintTest, PrintsAtTwoScalesAtItsOwnPlaceOrCentredWithoutMovingTheCircuit) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
    GTEST_SKIP() << "pdftoppm (poppler-utils) is missing";
  }
  const QByteArray before = WrittenObject(*Circuit);
  QRect page;

  const QRect plain = PrintedInk({.Zoom = false, .CentreImage = false}, page);
  ExpectNear(plain, Scaled(2).translated(page.topLeft()), 4);
  const QRect zoomed = PrintedInk({.Zoom = true, .CentreImage = false}, page);
  ExpectNear(zoomed, Scaled(4).translated(page.topLeft()), 8);

  const QRect centred = PrintedInk({.Zoom = false, .CentreImage = true}, page);
  const QRect centredZoomed = PrintedInk({.Zoom = true, .CentreImage = true}, page);
  for (const QRect& ink : {centred, centredZoomed}) {
    EXPECT_NEAR(ink.center().x(), page.center().x(), 4);
    EXPECT_NEAR(ink.center().y(), page.center().y(), 4);
  }
  EXPECT_NEAR(centredZoomed.width(), 2.0 * centred.width(), 4);
  EXPECT_NEAR(centredZoomed.height(), 2.0 * centred.height(), 4);

  EXPECT_EQ(WrittenObject(*Circuit), before);
}

TEST(PrintLayoutTest, PagePanelShowsThePageAtThirtyPixelsPerInch) {
  EXPECT_EQ(PagePanelSize({QSize(2400, 3300), QSize(300, 300)}), QSize(240, 330));
  EXPECT_EQ(PagePanelSize({QSize(4800, 6600), QSize(600, 600)}), QSize(240, 330));
  // A resolution far below 30 dpi still gives a panel rather than a division by zero.
  EXPECT_EQ(PagePanelSize({QSize(100, 50), QSize(10, 10)}), QSize(100, 50));
}

class PrintPreviewTest : public PrintTest {
protected:
  TPrintPreview& Show(int resolution = 300) {
    Preview = std::make_unique<TPrintPreview>(
        nullptr, PdfPrinter(Folder.filePath(QStringLiteral("preview.pdf")), resolution));
    Preview->SetCircuit(Circuit.get());
    Preview->resize(900, 800);
    Preview->show();
    QCoreApplication::processEvents();
    return *Preview;
  }
  QAction* Action(const char* name) const { return Preview->findChild<QAction*>(name); }
  QWidget& PagePanel() const { return *Preview->findChild<QWidget*>(QStringLiteral("PagePanel")); }
  QRect PreviewInk() const {
    return InkBounds(Preview->findChild<QWidget*>(QStringLiteral("PaintBox"))->grab().toImage());
  }

  std::unique_ptr<TPrintPreview> Preview;
};

TEST_F(PrintPreviewTest, OpensInLandscapeWithThePageSizedFromThePrinter) {
  Show();
  EXPECT_TRUE(Action("PreviewLandscape")->isChecked());
  EXPECT_FALSE(Action("PreviewPortrait")->isChecked());
  const QSize landscape = PagePanelSize(PageFactsOf(Preview->Printer()));
  EXPECT_EQ(PagePanel().size(), landscape);
  EXPECT_GT(landscape.width(), landscape.height());

  Action("PreviewPortrait")->trigger();
  EXPECT_EQ(Preview->Printer().pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_EQ(PagePanel().size(), landscape.transposed());

  // The buttons and the panel follow what the printer dialog chose.
  Preview->RunPrinterSetup = [](QWidget*, QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    return true;
  };
  Action("PreviewPrintSetup")->trigger();
  EXPECT_TRUE(Action("PreviewLandscape")->isChecked());
  EXPECT_EQ(PagePanel().size(), landscape);
}

TEST_F(PrintPreviewTest, ZoomDoublesTheCircuitAndCentreImagePutsItInTheMiddle) {
  Show();
  EXPECT_EQ(Preview->PreviewDivisor(), 10);
  const QRect centred = PreviewInk();
  Action("PreviewZoom")->trigger();
  EXPECT_EQ(Preview->PreviewDivisor(), 5);
  const QRect zoomed = PreviewInk();
  EXPECT_NEAR(zoomed.width(), 2 * centred.width(), 2);
  EXPECT_NEAR(zoomed.height(), 2 * centred.height(), 2);
  const QSize box = Preview->findChild<QWidget*>(QStringLiteral("PaintBox"))->size();
  for (const QRect& ink : {centred, zoomed}) {
    EXPECT_NEAR(ink.center().x(), box.width() / 2, 2);
    EXPECT_NEAR(ink.center().y(), box.height() / 2, 2);
  }

  Action("PreviewZoom")->trigger();
  Action("PreviewCentreImage")->trigger();
  // At its own place, a fifth of a pixel per unit.
  const TRect bounds = Circuit->GetBounds();
  ExpectNear(PreviewInk(),
             QRect(QPoint(bounds.Left, bounds.Top) / 5, QPoint(bounds.Right, bounds.Bottom) / 5),
             2);
}

TEST_F(PrintPreviewTest, APrinterThatCannotStartIsReportedAndNothingChanges) {
  Show();
  Preview->Printer().setOutputFileName(Folder.filePath(QStringLiteral("missing/page.pdf")));
  TRecordedMessages messages;
  const QByteArray before = WrittenObject(*Circuit);
  Action("PreviewPrint")->trigger();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("printer")));
  EXPECT_EQ(WrittenObject(*Circuit), before);
}

}  // namespace
}  // namespace logivane
