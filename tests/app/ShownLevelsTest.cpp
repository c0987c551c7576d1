#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cConnect.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>

namespace logivane::test {
namespace {

enum class TShade { Low, High, Neither };

/// The main window on a copy of an example circuit; it tells which level the window shows on
/// each wire and each LED.
class ShownLevelsTest : public MainWindowTest {
protected:
  void Open(const QString& example) {
    Original = QStringLiteral(LOGIVANE_EXAMPLES_DIR "/") + example;
    const QString copy = Path(QFileInfo(example).fileName());
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(Original, copy));
    Show({copy}).resize(1400, 1000);
    QCoreApplication::processEvents();
    ASSERT_EQ(Document().FileName, copy);
  }
  QRgb PixelAt(const QImage& shot, QPointF unit) const {
    return shot.pixel(InWindow((unit * Drawing().Zoom()).toPoint()));
  }
  /// The level the window shows on `wire`, read halfway along its longest segment.
  TShade WireShade(const QImage& shot, const TWire& wire) const {
    QPointF middle;
    int longest = -1;
    for (int i = 0; i + 1 < wire.PointCount(); ++i) {
      const QPoint a = wire.GetPoint(i);
      const QPoint b = wire.GetPoint(i + 1);
      if ((a.x() == b.x() || a.y() == b.y()) && (b - a).manhattanLength() > longest) {
        longest = (b - a).manhattanLength();
        middle = QPointF(a + b) / 2;
      }
    }
    const QRgb pixel = PixelAt(shot, middle);
    return pixel == qRgb(0, 0, 0)         ? TShade::High
           : pixel == qRgb(192, 192, 192) ? TShade::Low
                                          : TShade::Neither;
  }
  /// The level the window shows on `led`, read in the middle of its lamp.
  TShade LedShade(const QImage& shot, const TLEDDevice& led) const {
    const QRgb pixel = PixelAt(shot, CentreOf(*led.Child(0)));
    const QColor lit = ToQColor(led.Colour);
    if (pixel == lit.rgb() || pixel == ToQColor(TLEDDevice::UndrivenHighColour).rgb()) {
      return TShade::High;
    }
    if (pixel == qRgb(255, 255, 255) || pixel == ToQColor(TLEDDevice::UndrivenLowColour).rgb()) {
      return TShade::Low;
    }
    return TShade::Neither;
  }
  /// Every LED shows the level drawn on the wire that feeds it; returns how many are lit.
  int ExpectOneState(const char* when) const {
    const QImage shot = Form->grab().toImage();
    int lit = 0;
    for (TSerialize* item : Circuit().Outputs().Objects()) {
      const auto* led = dynamic_cast<const TLEDDevice*>(item);
      if (!led || !led->Pin(0)->Wire) {
        continue;
      }
      const TShade shown = LedShade(shot, *led);
      EXPECT_NE(shown, TShade::Neither) << when;
      EXPECT_EQ(WireShade(shot, *led->Pin(0)->Wire), shown)
          << when << ": " << led->GetLabelText().toStdString();
      lit += shown == TShade::High;
    }
    return lit;
  }
  /// Switches every interactive input on, through the window, and runs a full clock cycle.
  void SwitchOnAndStep() {
    Action("SpeedInteraction")->trigger();
    for (TSerialize* item : Circuit().Inputs().Objects()) {
      if (auto* input = dynamic_cast<TInteractiveInput*>(item); input && input->Level == 0) {
        ClickInWindow(CentreOf(*input->Child(0)));
      }
    }
    for (int i = 0; i < 4; ++i) {
      Action("MenuStepCircuit")->trigger();
    }
  }
  QByteArray Saved() {
    EXPECT_TRUE(Document().SaveToFile(Path("saved.lvm")));
    return FileBytes(Path("saved.lvm"));
  }

  QString Original;
};

TEST_F(ShownLevelsTest, AnOpenedCircuitShowsOneStateAndSavesAsItWasRead) {
  for (const char* example : {"2 Combinational/half-adder.lvm", "2 Combinational/full-adder.lvm",
                              "4 Sequential/counter.lvm", "4 Sequential/traffic-light.lvm"}) {
    Open(example);
    ExpectOneState(example);
    EXPECT_TRUE(Saved() == FileBytes(Original)) << example;
  }
}

TEST_F(ShownLevelsTest, UndoRedoAndResetShowOneState) {
  Open("2 Combinational/half-adder.lvm");
  SwitchOnAndStep();
  ASSERT_GT(ExpectOneState("after a run"), 0);
  // Another edit, made from the state the run left.
  Action("SpeedPointer")->trigger();
  const auto* input = static_cast<TDevice*>(Circuit().Inputs().Objects().Items(0));
  ClickInWindow(CentreOf(*input->Child(0)));
  QTest::keyClick(Form->windowHandle(), Qt::Key_Right);
  ASSERT_TRUE(Action("MenuUndo")->isEnabled());

  Action("MenuUndo")->trigger();
  ExpectOneState("undone");
  Action("MenuRedo")->trigger();
  ExpectOneState("redone");

  SwitchOnAndStep();
  ASSERT_GT(ExpectOneState("after another run"), 0);
  Action("MenuRun")->trigger();  // every run starts from a reset circuit
  ExpectOneState("reset");
  Action("MenuStop")->trigger();
}

}  // namespace
}  // namespace logivane::test
