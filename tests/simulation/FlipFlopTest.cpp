#include "simulation/DeviceTestBench.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <vector>

namespace logivane {
namespace {

using test::PinValues;
using test::SetPins;
using test::TBench;

TEST(RSFlipFlop, TruthTableWithResetWinning) {
  TRSFlipFlop latch;
  struct Row {
    TLevel r, s, q, notQ;
  };
  // Each row follows the one before: the latch remembers.
  const std::vector<Row> rows = {
      {0, 0, 0, 1}, {0, 1, 1, 0}, {0, 0, 1, 0}, {1, 0, 0, 1},
      {0, 1, 1, 0}, {1, 1, 0, 1}, {0, 0, 0, 1}, {0, 3, 1, 0},  // 3 is read as high
  };
  for (const Row& row : rows) {
    SetPins(latch, {{TRSFlipFlop::PinR, row.r}, {TRSFlipFlop::PinS, row.s}});
    latch.Calculate();
    EXPECT_EQ(PinValues(latch, {0, 1}), (std::vector<TLevel>{row.q, row.notQ}))
        << "R " << row.r << " S " << row.s;
  }
}

TEST(FlipFlops, ResetLeavesEveryPinLowUntilTheFirstStep) {
  TRSFlipFlop rs;
  TDFlipFlop d;
  TJKFlipFlop jk;
  for (TFlipFlop* flipFlop : std::vector<TFlipFlop*>{&rs, &d, &jk}) {
    flipFlop->Calculate();
    flipFlop->Reset();
    EXPECT_EQ(PinValues(*flipFlop, {0, 1}), (std::vector<TLevel>{0, 0}));
    EXPECT_EQ(flipFlop->Q, 0);
    EXPECT_EQ(flipFlop->NotQ, 1);
  }
  d.Calculate();  // the first evaluation clears
  EXPECT_EQ(PinValues(d, {0, 1}), (std::vector<TLevel>{0, 1}));
}

/// A clocked flip-flop on a bench: a clock device on the clock pin, data driven by hand.
template <class T>
struct TClockedBench {
  TClockedBench() {
    bench.Connect(*clock.Pin(0), *flipFlop.Pin(TClockedFlipFlop::PinClock));
    bench.Reset();
  }
  TBench bench;
  TClockDevice& clock = bench.Add<TClockDevice>();
  T& flipFlop = bench.Add<T>();

  /// Q after each step, with the given inputs held during that step.
  std::vector<TLevel> Run(const std::vector<std::vector<std::pair<int, TLevel>>>& inputs) {
    std::vector<TLevel> q;
    for (const auto& step : inputs) {
      for (const auto& [pin, level] : step) {
        flipFlop.Pin(pin)->Value = level;
      }
      bench.Step();
      q.push_back(flipFlop.Pin(0)->GetValue());
      EXPECT_EQ(flipFlop.Pin(1)->GetValue(), q.back() ^ 1);
    }
    return q;
  }
};

TEST(DFlipFlop, TakesDOnTheRisingEdge) {
  TClockedBench<TDFlipFlop> b;
  const int D = TDFlipFlop::PinData;
  // Clock 0,1,0,1,...: D is taken as it was at the end of the low step before each rise.
  const std::vector<TLevel> q =
      b.Run({{{D, 1}}, {{D, 1}}, {{D, 0}}, {{D, 1}}, {{D, 0}}, {{D, 0}}, {{D, 1}}, {{D, 1}}});
  EXPECT_EQ(q, (std::vector<TLevel>{0, 1, 1, 0, 0, 0, 0, 1}));
}

TEST(DFlipFlop, PresetWinsOverClearAndBothOverrideTheClock) {
  TClockedBench<TDFlipFlop> b;
  const int D = TDFlipFlop::PinData, C = TDFlipFlop::PinClear, P = TDFlipFlop::PinPreset;
  EXPECT_EQ(b.Run({{{D, 1}, {C, 1}}, {}, {}, {}}), (std::vector<TLevel>{0, 0, 0, 0}));
  EXPECT_EQ(b.Run({{{P, 1}}, {}, {}}), (std::vector<TLevel>{1, 1, 1}));
  EXPECT_EQ(b.Run({{{C, 0}, {P, 0}, {D, 0}}, {}}), (std::vector<TLevel>{1, 1}))
      << "without a falling and rising clock the preset level is kept";
}

TEST(JKFlipFlop, TogglesOncePerCycleOnTheFallingEdge) {
  TClockedBench<TJKFlipFlop> b;
  const int J = TJKFlipFlop::PinData, K = TJKFlipFlop::PinK;
  std::vector<std::vector<std::pair<int, TLevel>>> toggle(8, {{J, 1}, {K, 1}});
  EXPECT_EQ(b.Run(toggle), (std::vector<TLevel>{0, 0, 1, 1, 0, 0, 1, 1}));
}

TEST(JKFlipFlop, SetsResetsAndHolds) {
  TClockedBench<TJKFlipFlop> b;
  const int J = TJKFlipFlop::PinData, K = TJKFlipFlop::PinK;
  // Two steps per clock cycle; the outputs follow the inputs of the high step at the fall.
  const std::vector<TLevel> q =
      b.Run({{{J, 1}, {K, 0}}, {}, {}, {{J, 0}, {K, 0}}, {}, {{J, 0}, {K, 1}}, {}, {}});
  EXPECT_EQ(q, (std::vector<TLevel>{0, 0, 1, 1, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace logivane
