#include "MainWindowFixture.h"
#include "TestHelpers.h"
#include "editor/CLogivaneHandle.h"
#include "simulation/cOutput.h"

#include <QApplication>
#include <QFile>
#include <QImage>

namespace logivane {
namespace {

using namespace test;

/// The page descriptions of a PDF file, their compressed streams inflated.
QByteArray PdfContents(const QString& fileName) {
  QFile file(fileName);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  QByteArray contents;
  qsizetype from = 0;
  while ((from = pdf.indexOf("stream\n", from)) >= 0) {
    from += 7;
    const qsizetype end = pdf.indexOf("endstream", from);
    if (end < 0) {
      break;
    }
    // qUncompress wants the inflated size first; a small guess is grown as needed.
    QByteArray packed("\x00\x00\x10\x00", 4);
    packed += pdf.mid(from, end - from);
    contents += qUncompress(packed);
    from = end;
  }
  return contents;
}

/// The columns of `image` that hold anything but white.
std::pair<int, int> InkedColumns(const QImage& image) {
  int first = image.width();
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != QColor(Qt::white)) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

class PictureMarginTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show();
    Led = Place<TLEDDevice>(Circuit(), 300, 150);
  }
  TLEDDevice* Led = nullptr;
};

TEST_F(PictureMarginTest, TenDrawingUnitsOfSpaceSurroundTheObjects) {
  ASSERT_TRUE(Form->ExportPicture(Path("led.png"), {100, false}));
  const QImage picture(Path("led.png"));
  const TRect bounds = Led->GetBounds();
  EXPECT_EQ(picture.width(), bounds.Right - bounds.Left + 20);
  EXPECT_EQ(picture.height(), bounds.Bottom - bounds.Top + 20);
  // The LED's circle (radius 5 round x = 300) lies a little inside its bounds, which leave
  // room for the pen; the picture centres it.
  const int inset = 300 - 5 - bounds.Left;
  const auto [first, last] = InkedColumns(picture);
  EXPECT_EQ(first, 10 + inset);
  EXPECT_EQ(picture.width() - 1 - last, first);

  // At twice the size the space doubles with the drawing (give or take a smoothed pixel).
  ASSERT_TRUE(Form->ExportPicture(Path("led2.png"), {200, false}));
  EXPECT_NEAR(InkedColumns(QImage(Path("led2.png"))).first, 2 * (10 + inset), 1);
}

TEST_F(PictureMarginTest, LedsAreRoundInPdf) {
  ASSERT_TRUE(Form->ExportPicture(Path("led.pdf"), {400, false}));
  const QByteArray contents = PdfContents(Path("led.pdf"));
  ASSERT_FALSE(contents.isEmpty());
  // A circle is drawn with curves ("c"); a polygon that only looks round has lines alone.
  EXPECT_TRUE(contents.contains(" c\n")) << contents.left(400).toStdString();
}

}  // namespace
}  // namespace logivane
