#include "MainWindowFixture.h"
#include "TestHelpers.h"
#include "editor/PictureExport.h"
#include "simulation/cGateDevice.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>

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

/// The main window over an LED, and a gate beside it once `AddGate` has run.
class PictureTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show();
    Led = Place<TLEDDevice>(Circuit(), 300, 150);
  }
  void AddGate() { Gate = Place<T2AndGate>(Circuit(), 100, 100); }

  TLEDDevice* Led = nullptr;
  TDevice* Gate = nullptr;
};

TEST_F(PictureTest, TenDrawingUnitsOfSpaceSurroundTheObjects) {
  ASSERT_TRUE(Form->ExportPicture(Path("led.png"), {100, false}));
  const QImage picture(Path("led.png"));
  const TRect bounds = Led->GetBounds();
  EXPECT_EQ(picture.width(), bounds.Right - bounds.Left + 20);
  EXPECT_EQ(picture.height(), bounds.Bottom - bounds.Top + 20);
  // The LED's circle (radius 5 round x = 300) lies a little inside its bounds, which leave
  // room for the pen; the picture centres it.
  const int inset = 300 - 5 - bounds.Left;
  const QRect ink = InkBounds(picture);
  EXPECT_EQ(ink.left(), 10 + inset);
  EXPECT_EQ(picture.width() - 1 - ink.right(), ink.left());

  // At twice the size the space doubles with the drawing (give or take a smoothed pixel).
  ASSERT_TRUE(Form->ExportPicture(Path("led2.png"), {200, false}));
  EXPECT_NEAR(InkBounds(QImage(Path("led2.png"))).left(), 2 * (10 + inset), 1);
}

TEST_F(PictureTest, PngHasTheScaledSizeAndTheBackgroundAskedFor) {
  AddGate();
  const TRect level = Circuit().GetBounds();
  ASSERT_TRUE(Form->ExportPicture(Path("level.png"), {200, false}));
  QImage picture(Path("level.png"));
  EXPECT_EQ(picture.size(), PictureSize(level, 2));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));

  // The selection alone, on nothing.
  Drawing().Select(Gate);
  ASSERT_TRUE(Form->ExportPicture(Path("gate.png"), {100, true}));
  picture = QImage(Path("gate.png"));
  EXPECT_EQ(picture.size(), PictureSize(Gate->GetBounds(), 1));
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(PictureTest, SvgAndPdfAreReadableDrawingsWithRoundLeds) {
  AddGate();
  ASSERT_TRUE(Form->ExportPicture(Path("level.svg"), {100, false}));
  QSvgRenderer svg(Path("level.svg"));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox().size(), PictureSize(Circuit().GetBounds(), 1));

  ASSERT_TRUE(Form->ExportPicture(Path("level.pdf"), {400, false}));
  const QByteArray contents = PdfContents(Path("level.pdf"));
  ASSERT_FALSE(contents.isEmpty());
  // A circle is drawn with curves ("c"); a polygon that only looks round has lines alone.
  EXPECT_TRUE(contents.contains(" c\n")) << contents.left(400).toStdString();
  const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
  if (pdftoppm.isEmpty()) {
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  }
  EXPECT_EQ(QProcess::execute(pdftoppm,
                              {"-png", "-r", "72", "-singlefile", Path("level.pdf"), Path("page")}),
            0);
  EXPECT_FALSE(QImage(Path("page.png")).isNull());
}

TEST_F(PictureTest, AFolderThatCannotBeWrittenLeavesNothingBehind) {
  for (const char* name : {"missing/level.png", "missing/level.pdf", "level.bmp"}) {
    Messages.clear();
    EXPECT_FALSE(Form->ExportPicture(Path(name), {100, false})) << name;
    EXPECT_TRUE(Messages.value(0).startsWith("Unable to write the picture")) << name;
  }
  EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

}  // namespace
}  // namespace logivane
