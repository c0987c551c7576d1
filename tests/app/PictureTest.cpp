#include "TestHelpers.h"
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"
#include "editor/PictureExport.h"
#include "editor/UserMessages.h"
#include "simulation/cGateDevice.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

namespace logivane {
namespace {

using namespace test;

/// The main window over a gate driving an LED, with its message boxes recorded.
class PictureTest : public ::testing::Test {
protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path());
    UserMessages::SetHandler([this](QMessageBox::Icon, const QString& text, auto) {
      Messages << text;
      return QMessageBox::Ok;
    });
    Form = std::make_unique<TMainForm>();
    TMacro& c = Form->Drawing().Circuit();
    Gate = Place<T2AndGate>(c, 100, 100);
    Place<TLEDDevice>(c, 300, 150);
  }
  void TearDown() override {
    Form.reset();
    UserMessages::SetHandler({});
  }
  QString Path(const QString& name) const { return Folder.filePath(name); }

  QTemporaryDir Folder;
  std::unique_ptr<TMainForm> Form;
  TDevice* Gate = nullptr;
  QStringList Messages;
};

TEST_F(PictureTest, PngHasTheScaledSizeAndTheBackgroundAskedFor) {
  const TRect level = Form->Drawing().Circuit().GetBounds();
  ASSERT_TRUE(Form->ExportPicture(Path("level.png"), {200, false}));
  QImage picture(Path("level.png"));
  EXPECT_EQ(picture.size(), PictureSize(level, 2));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));

  // The selection alone, on nothing.
  Form->Drawing().Select(Gate);
  ASSERT_TRUE(Form->ExportPicture(Path("gate.png"), {100, true}));
  picture = QImage(Path("gate.png"));
  EXPECT_EQ(picture.size(), PictureSize(Gate->GetBounds(), 1));
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(PictureTest, SvgAndPdfAreReadableDrawings) {
  ASSERT_TRUE(Form->ExportPicture(Path("level.svg"), {100, false}));
  QSvgRenderer svg(Path("level.svg"));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox().size(), PictureSize(Form->Drawing().Circuit().GetBounds(), 1));

  ASSERT_TRUE(Form->ExportPicture(Path("level.pdf"), {100, false}));
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
