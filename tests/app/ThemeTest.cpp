// The themes of Tools > Options > Preferences: the windows and drawings on screen follow them,
// files, pictures, printouts and the clipboard never do.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "app/Theme.h"
#include "document/cColourScheme.h"
#include "windows/PrintPreview.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QToolBar>
#include <QToolButton>

namespace logivane {
namespace {

using namespace test;

/// The share of the pixels of `image` that have exactly the colour `colour`. Shares rather than
/// counts, as the edges of smoothed lines and letters take every grey between ink and paper.
double ShareOf(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    }
  }
  return double(count) / (image.width() * image.height());
}

/// An image that is mostly white paper.
void ExpectLight(const QImage& image) {
  EXPECT_GT(ShareOf(image, Qt::white), 0.5);
  EXPECT_GT(ShareOf(image, Qt::black), 0.0);
}

QImage Grab(QWidget& widget) {
  return widget.grab().toImage();
}

class ThemeTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show({QStringLiteral(LOGIVANE_EXAMPLES_DIR "/4 Sequential/counter.lvm")});
  }
  void TearDown() override {
    ApplyTheme(TTheme::System);  // the other tests paint in the desktop's colours
    MainWindowTest::TearDown();
  }
  void UseTheme(TTheme theme) {
    TPreferences preferences = Form->Preferences();
    preferences.Theme = theme;
    Form->ApplyPreferences(preferences);
  }
  /// The white of paper, as the dark scheme shows it.
  static QColor DarkPaper() { return TColourScheme::Dark().Map(ColourWhite); }
  QByteArray SavedBytes(const QString& name) {
    EXPECT_TRUE(Document().SaveToFile(Path(name)));
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }
};

TEST_F(ThemeTest, DarkPaintsTheScreenAndNeverTheFileThePictureThePrintoutOrTheClipboard) {
  const QByteArray light = SavedBytes("light.lvm");
  UseTheme(TTheme::Dark);
  EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
  EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
  QWidget& screen = *ScrollBox().viewport();
  EXPECT_GT(ShareOf(Grab(screen), DarkPaper()), 0.5);
  // The run tool bar has a style sheet of its own, which kept the light palette until the
  // theme polished it again.
  QToolBar& runBar = *Form->findChild<QToolBar*>(QStringLiteral("RunToolBar"));
  const QImage bar = Grab(runBar);
  EXPECT_LT(bar.pixelColor(bar.width() - 3, bar.height() / 2).lightness(), 100);
  // The arrow of a tool bar's overflow button, drawn black by the style, turns light.
  const QToolButton& more = *Form->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
  const QImage arrow = more.icon().pixmap(QSize(16, 16)).toImage();
  int lightInk = 0;
  int darkInk = 0;
  for (int y = 0; y < arrow.height(); ++y) {
    for (int x = 0; x < arrow.width(); ++x) {
      if (const QColor ink = arrow.pixelColor(x, y); ink.alpha() == 255) {
        (ink.lightness() > 128 ? lightInk : darkInk) += 1;
      }
    }
  }
  EXPECT_GT(lightInk, darkInk);
  EXPECT_EQ(SavedBytes("dark.lvm"), light);

  ASSERT_TRUE(Form->ExportPicture(Path("dark.png"), {100, false}));
  const QImage picture(Path("dark.png"));
  ExpectLight(picture);

  Form->PrintPreviewClick();
  const QImage page = Grab(*Form->PrintPreview().findChild<QWidget*>(QStringLiteral("PaintBox")));
  ExpectLight(page);

  Drawing().Select(Circuit().Devices().Child(0));
  ASSERT_TRUE(Action("MenuCopy")->isEnabled());
  Action("MenuCopy")->trigger();
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  ExpectLight(copied);

  UseTheme(TTheme::Light);
  EXPECT_FALSE(IsDarkPalette(QApplication::palette()));
  EXPECT_GT(ShareOf(Grab(screen), Qt::white), 0.5);
}

TEST_F(ThemeTest, ThePreferencesChooseTheThemeAndTheStoreKeepsItByName) {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* theme = dialog->findChild<QComboBox*>(QStringLiteral("Theme"));
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->currentIndex(), 0);
    theme->setCurrentIndex(2);
    dialog->accept();
  });
  Action("MenuPreferences")->trigger();
  EXPECT_EQ(Form->Preferences().Theme, TTheme::Dark);
  EXPECT_TRUE(TColourScheme::Screen().IsDark());
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(QSettings().value("3.04/Options/Theme").toString(), "Dark");

  // What the store holds is read back; a value this program does not know is System.
  Show();
  EXPECT_EQ(Form->Preferences().Theme, TTheme::Dark);
  QSettings().setValue("3.04/Options/Theme", "Purple");
  Show();
  EXPECT_EQ(Form->Preferences().Theme, TTheme::System);
  EXPECT_FALSE(TColourScheme::Screen().IsDark());
}

}  // namespace
}  // namespace logivane
