// The run state as a user sees it: the run buttons, the state at the right end of the status
// bar, and the hint after a click on an input of a stopped circuit.
#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "app/RunCommands.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>

#include <set>

namespace logivane::test {
namespace {

const QString StoppedHint = "Stopped: press Run (F9) or Step Circuit (F12) to see the effect";

class RunStateTest : public MainWindowTest {
protected:
  /// The window, active, with the clock at its fastest.
  void ShowFast() {
    ShowActive();
    Action("HertzFifty")->trigger();
  }
  QString RunState() const { return Form->Run().RunState().text(); }
  QString StatusMessage() const { return Form->statusBar()->currentMessage(); }
  bool RunReady() const { return ToolButton("SpeedRun").property("ready").toBool(); }
};

TEST_F(RunStateTest, StopReleasesPauseAndTheStatusBarAlwaysTellsTheRunState) {
  ShowFast();
  auto* clock = Place<TClockDevice>(Circuit(), 100, 100);
  auto* led = Place<TLEDDevice>(Circuit(), 200, 100);
  Connect(Circuit(), *clock->Pin(0), *led->Pin(0));
  EXPECT_EQ(RunState(), "Stopped");
  EXPECT_EQ(Form->statusBar()->findChild<QLabel*>("RunState"), &Form->Run().RunState());

  ClickTool("SpeedRun");
  EXPECT_EQ(RunState(), "Running \u00b7 cycle 1");
  std::set<TLevel> seen;  // the LED blinks with the clock
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        seen.insert(led->Pin(0)->Value);
        return seen.size() == 2 && RunState().section(' ', -1).toInt() > 1;
      },
      5000));

  ClickTool("SpeedPause");
  const QString paused = RunState();
  EXPECT_TRUE(paused.startsWith("Paused \u00b7 cycle ")) << paused.toStdString();
  QTest::qWait(40);
  EXPECT_EQ(RunState(), paused);  // ticks while paused count nothing

  ClickTool("SpeedStop");
  EXPECT_FALSE(Action("SpeedPause")->isChecked());
  EXPECT_EQ(RunState(), "Stopped");

  // After New, Run runs at once: the clock ticks and the count grows.
  Key(Qt::Key_N, Qt::ControlModifier);
  clock = Place<TClockDevice>(Circuit(), 100, 100);
  Key(Qt::Key_F9);
  EXPECT_TRUE(Action("SpeedRun")->isChecked());
  EXPECT_FALSE(Action("SpeedPause")->isChecked());
  QTest::qWait(60);
  EXPECT_TRUE(RunState().startsWith("Running")) << RunState().toStdString();
  EXPECT_GT(RunState().section(' ', -1).toInt(), 1);

  Key(Qt::Key_F10);
  EXPECT_EQ(RunState(), "Stopped");
}

TEST_F(RunStateTest, AClickOnAnInputOfAStoppedCircuitSaysHowToSeeItsEffect) {
  ShowFast();
  auto* input = Place<TInteractiveInput>(Circuit(), 100, 100);
  auto* led = Place<TLEDDevice>(Circuit(), 200, 100);
  Connect(Circuit(), *input->Pin(0), *led->Pin(0));
  Drawing().SetModified(true);
  Key(Qt::Key_F12);  // the circuit settles once
  const TLevel before = led->Pin(0)->Value;
  ClickTool("SpeedInteraction");

  ClickInWindow(CentreOf(*input));
  EXPECT_EQ(StatusMessage(), StoppedHint);
  EXPECT_EQ(led->Pin(0)->Value, before);  // a stopped circuit computes nothing
  EXPECT_TRUE(RunReady());
  EXPECT_TRUE(Action("SpeedRun")->isEnabled());

  // A step shows the effect and takes the hint away.
  Key(Qt::Key_F12);
  EXPECT_NE(led->Pin(0)->Value, before);
  EXPECT_TRUE(StatusMessage().isEmpty());
  EXPECT_FALSE(RunReady());

  // While running a click shows its effect at the next tick, without the hint.
  ClickInWindow(CentreOf(*input));
  Key(Qt::Key_F9);
  EXPECT_TRUE(StatusMessage().isEmpty());
  EXPECT_FALSE(RunReady());
  ClickInWindow(CentreOf(*input));
  EXPECT_TRUE(StatusMessage().isEmpty());
  QTest::qWait(40);
  EXPECT_EQ(led->Pin(0)->Value, input->Pin(0)->Value);
}

}  // namespace
}  // namespace logivane::test
