// Going back through the steps run, as a student does it: Step Back and Step by their keys, the
// Logic History following, and the steps forgotten by a click on an input or by an edit.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "windows/LogicAnalyserForm.h"

#include <gtest/gtest.h>

namespace logivane::test {
namespace {

class StepBackTest : public MainWindowTest {
protected:
  /// A clock into the toggle of a D flip-flop wired as a divider, and an input into an LED.
  void Build() {
    Show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    auto* clock = Place<TClockDevice>(Circuit(), 100, 100);
    Flop = Place<TDFlipFlop>(Circuit(), 300, 100);
    Input = Place<TInteractiveInput>(Circuit(), 100, 300);
    Lamp = Place<TLEDDevice>(Circuit(), 300, 300);
    Connect(Circuit(), *clock->Pin(0), *Flop->Pin(TDFlipFlop::PinClock));
    Connect(Circuit(), *Flop->Pin(1), *Flop->Pin(TDFlipFlop::PinData));
    Connect(Circuit(), *Input->Pin(0), *Lamp->Pin(0));
    Lamp->Recorded = true;
    Drawing().SetModified(true);
    Form->RefreshLogicHistory();
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Form->windowHandle(), key, modifiers);
  }
  /// Runs `steps` steps, keeping what the flip-flop showed after each.
  void StepAndKeep(int steps) {
    for (int i = 0; i < steps; ++i) {
      Key(Qt::Key_F12);
      Seen.push_back(Flop->Q);
    }
  }
  int Shown() const { return Form->LogicHistory().CycleCount - 1; }
  int Samples() const { return static_cast<int>(Lamp->History.size()); }

  TDFlipFlop* Flop = nullptr;
  TInteractiveInput* Input = nullptr;
  TLEDDevice* Lamp = nullptr;
  std::vector<TLevel> Seen{0};  // by step
};

TEST_F(StepBackTest, StepBackRetracesTheStepsAndStepReplaysThemWithoutAnEdit) {
  Build();
  Document().MarkSaved();
  EXPECT_FALSE(Action("SpeedStepBack")->isEnabled());
  StepAndKeep(8);
  ASSERT_TRUE(Action("MenuStepBack")->isEnabled());
  auto* windowStepBack = Form->LogicHistory().findChild<QAction*>("HistoryStepBack");
  ASSERT_TRUE(windowStepBack->isEnabled());
  windowStepBack->trigger();  // the Logic History's own button goes back as the command does
  Key(Qt::Key_F12);

  for (int back = 1; back <= 3; ++back) {
    Key(Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(Shown(), 8 - back);
    EXPECT_EQ(Flop->Q, Seen[static_cast<std::size_t>(Shown())]);
  }
  EXPECT_EQ(Samples(), 8) << "the samples ahead stay, to be shown faded";
  Key(Qt::Key_F12);
  EXPECT_EQ(Flop->Q, Seen[6]);
  EXPECT_EQ(Samples(), 8) << "a step remembered ahead is not sampled again";
  EXPECT_FALSE(Document().Modified()) << "running is no edit";

  // A click on a sample column of the Logic History goes to its step, either way.
  for (const int step : {2, 7}) {
    emit Form->LogicHistory().SampleChosen(step);
    EXPECT_EQ(Shown(), step);
    EXPECT_EQ(Flop->Q, Seen[static_cast<std::size_t>(step)]);
  }
}

TEST_F(StepBackTest, AClickOnAnInputForgetsOnlyTheStepsAheadAndAnEditForgetsAll) {
  Build();
  StepAndKeep(6);
  Key(Qt::Key_F12, Qt::ShiftModifier);
  Key(Qt::Key_F12, Qt::ShiftModifier);
  ASSERT_EQ(Shown(), 4);

  Action("SpeedInteraction")->trigger();
  ClickInWindow(CentreOf(*Input));
  EXPECT_EQ(Samples(), 4) << "the samples of the steps forgotten go";
  EXPECT_EQ(Document().Steps().Future(), 0);
  Key(Qt::Key_F12);
  EXPECT_EQ(Lamp->Level & 1, 1) << "the step runs on from the click";
  EXPECT_EQ(Samples(), 5);
  Key(Qt::Key_F12, Qt::ShiftModifier);
  EXPECT_EQ(Input->Level & 1, 1) << "going back to the click keeps it";

  Drawing().Select(Lamp);
  Key(Qt::Key_Delete);
  EXPECT_FALSE(Action("SpeedStepBack")->isEnabled());
  EXPECT_EQ(Document().Steps().Past(), 0);
}

}  // namespace
}  // namespace logivane::test
