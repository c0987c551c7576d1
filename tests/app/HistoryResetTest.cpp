#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "windows/LogicAnalyserForm.h"
#include "windows/PartsList.h"

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace logivane::test {
namespace {

/// The main window with a clock recorded in the Logic History and an LED that is not, after a
/// few steps.
class HistoryResetTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show();
    Clock =
        static_cast<TClockDevice*>(Drawing().AddObject(std::make_unique<TClockDevice>(), 100, 100));
    Led = static_cast<TLEDDevice*>(Drawing().AddObject(std::make_unique<TLEDDevice>(), 300, 100));
    Action("SpeedPointer")->trigger();
    ClickInWindow(OnSymbol(*Clock));
    Action("PopHistory")->trigger();
    ASSERT_TRUE(Clock->Recorded);
    for (int i = 0; i < Steps; ++i) {
      Action("MenuStepCircuit")->trigger();
    }
    ASSERT_EQ(Clock->History.size(), Steps);
    ASSERT_EQ(History().CycleCount, Steps + 1);
  }
  /// A point on the first shape of `device`'s symbol, where a click selects it.
  static QPoint OnSymbol(const TDevice& device) { return CentreOf(*device.Child(0)); }
  TAnalyserForm& History() const { return Form->LogicHistory(); }
  void Rename(const TDevice& device, const QString& text) {
    ClickInWindow(OnSymbol(device));
    AcceptNextDialog(
        [text](QDialog& dialog) { dialog.findChild<QLineEdit*>("Text")->setText(text); });
    Action("PopText")->trigger();
  }

  static constexpr int Steps = 3;
  TClockDevice* Clock = nullptr;
  TLEDDevice* Led = nullptr;
};

TEST_F(HistoryResetTest, RenamingStartsTheHistoryAgainOnlyForADeviceItShows) {
  Rename(*Led, "Carry");
  EXPECT_EQ(Led->GetLabelText(), "Carry");
  EXPECT_EQ(Clock->History.size(), Steps);
  EXPECT_EQ(History().CycleCount, Steps + 1);

  Rename(*Clock, "Tick");
  EXPECT_EQ(Clock->GetLabelText(), "Tick");
  EXPECT_TRUE(Clock->History.isEmpty());
  EXPECT_EQ(History().CycleCount, 1);
}

TEST_F(HistoryResetTest, AMacroDroppedFromThePartsCentreStartsTheCountAgain) {
  auto library = NewRoot();
  const TMacro* macro = AddSubCircuit(*library, 0, 0, 1);
  ASSERT_TRUE(QDir(Folder.path()).mkdir("Parts Centre"));
  const QString file = Path("Parts Centre/part.lvm");
  ASSERT_TRUE(SaveCircuitFile(file, *macro, "Part"));

  QMimeData part;
  part.setData(TPartsList::MimeType, file.toUtf8());
  QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &part, Qt::LeftButton, {});
  QCoreApplication::sendEvent(&Drawing(), &enter);
  QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &part, Qt::LeftButton, {});
  QCoreApplication::sendEvent(&Drawing(), &drop);
  ASSERT_EQ(Circuit().Devices().Count(), 1);
  EXPECT_TRUE(Clock->History.isEmpty());  // the circuit was reset
  EXPECT_EQ(History().CycleCount, 1);
}

}  // namespace
}  // namespace logivane::test
