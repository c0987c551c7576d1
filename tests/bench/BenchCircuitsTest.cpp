#include "TestHelpers.h"
#include "circuits/BenchCircuits.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

namespace logivane {
namespace {

TLevel LedAt(const TMacro& root, int index) {
  return static_cast<TLEDDevice*>(root.Outputs().Child(index))->Level;
}

/// The value on the first `bits` LEDs of `Outputs`, LED 0 the least significant.
unsigned LedValue(const TMacro& root, int bits) {
  unsigned value = 0;
  for (int i = bits - 1; i >= 0; --i) {
    value = (value << 1) | static_cast<unsigned>(LedAt(root, i) & 1);
  }
  return value;
}

TEST(BenchCircuits, TheCounterCountsOnFallingClockEdgesAndWraps) {
  const auto root = bench::SynchronousCounter(4);
  EXPECT_EQ(static_cast<TTextDevice*>(root->Outputs().Child(3))->GetLabelText(), "Q3");
  // The clock falls on steps 3, 5, 7, ...; the count shows from that step on.
  for (int step = 1; step <= 40; ++step) {
    test::SettledStep(*root);
    EXPECT_EQ(LedValue(*root, 4), static_cast<unsigned>((step - 1) / 2) % 16) << "step " << step;
  }
}

TEST(BenchCircuits, TheInverterChainFlipsOnEveryStep) {
  for (const int length : {1, 250}) {
    const auto root = bench::InverterChain(length);
    for (int step = 1; step <= 4; ++step) {
      const std::uint64_t before = root->TotalEvaluations();
      test::SettledStep(*root);
      const TLevel clock = step % 2 == 0;
      EXPECT_EQ(LedAt(*root, 0), clock ^ (length & 1)) << length << " step " << step;
      // The clock, one pass that flips the chain and one that confirms it, the LED. The first
      // clock level is the one the chain was built with, so that step needs only one pass.
      const unsigned passes = step == 1 ? 1 : 2;
      EXPECT_EQ(root->TotalEvaluations() - before, 1u + passes * length + 1u);
    }
  }
}

}  // namespace
}  // namespace logivane
