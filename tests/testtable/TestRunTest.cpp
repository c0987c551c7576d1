#include "TestHelpers.h"
#include "simulation/SampleCircuits.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "testtable/TestRun.h"

#include <gtest/gtest.h>

namespace logivane::test {
namespace {

TTestReport RunTable(TMacro& circuit, const char* text) {
  std::vector<TTestError> errors;
  const TTestTable table = TTestTable::Parse(QString::fromUtf8(text), errors);
  EXPECT_TRUE(errors.empty()) << errors.front().ToString().toStdString();
  return RunTestTable(circuit, table);
}

std::vector<std::string> Failures(const TTestReport& report) {
  std::vector<std::string> failures;
  for (const TTestError& error : report.Errors) {
    failures.push_back(error.ToString().toStdString());
  }
  for (const TTestRowResult& row : report.Rows) {
    if (!row.Passed()) {
      failures.push_back(row.FailureText().toStdString());
    }
  }
  return failures;
}

TEST(TestRun, AFullAdderPassesItsTableAndAWrongRowSaysWhatItExpectedAndGot) {
  auto adder = LabelledFullAdder();
  const TTestReport report =
      RunTable(*adder,
               "A B Cin | Sum Cout\n"
               "bits(A B Cin) | = A ^ B ^ Cin = (A & B) | (Cin & (A ^ B))\n");
  EXPECT_TRUE(Failures(report).empty());
  EXPECT_EQ(report.Summary(), "8 of 8 rows pass");
  EXPECT_TRUE(report.AllPass());

  const TTestReport wrong = RunTable(*adder,
                                     "A B Cin | Sum Cout\n"
                                     "0 0 0 | 0 0\n"
                                     "X 1 1 | 1 X   # A stays 0, and carry out is not looked at\n"
                                     "1 X X | 1 0   # B and Cin stay 1\n");
  EXPECT_EQ(Failures(wrong),
            (std::vector<std::string>{"row 2 (A=X B=1 Cin=1): Sum expected 1, got 0",
                                      "row 3 (A=1 B=X Cin=X): Cout expected 0, got 1"}));
  EXPECT_EQ(wrong.Rows[2].Line, 4);
  EXPECT_EQ(wrong.Summary(), "1 of 3 rows pass");
  EXPECT_FALSE(wrong.AllPass());
}

TEST(TestRun, APulseClocksOnceAndStepsLetACircuitRunItsOwnClock) {
  // A D flip-flop that toggles on every clock: D is fed from not Q.
  auto root = NewRoot();
  TMacro& c = *root;
  auto* clock = Labelled<TInteractiveInput>(c, 0, 0, "Clk");
  auto* flipFlop = Place<TDFlipFlop>(c, 100, 0);
  auto* q = Labelled<TLEDDevice>(c, 200, 0, "Q");
  Net(c, *clock->Pin(0), {flipFlop->Pin(3)});
  Connect(c, *flipFlop->Pin(1), *flipFlop->Pin(2), {{140, 40}, {50, 40}});
  Net(c, *flipFlop->Pin(0), {q->Pin(0)});
  clock->Pulse = true;  // free-running until the table takes it over
  root->Reset();
  EXPECT_TRUE(Failures(RunTable(c,
                                "Clk | Q\n"
                                "0 | 0\n"
                                "C | 1\n"
                                "repeat 3\n"
                                "  C | 0\n"
                                "  C | 1\n"
                                "X | 1\n"))
                  .empty());
  EXPECT_TRUE(clock->Pulse);

  // The sample counter counts falling edges of its own clock, one per two steps.
  auto counter = Counter();
  EXPECT_TRUE(Failures(RunTable(*counter,
                                "| count\n"
                                "| 0\n"
                                "steps 2\n"
                                "| 1\n"
                                "| 0x2\n"
                                "steps 26\n"
                                "| 15\n"
                                "steps 2\n"
                                "| 0\n"))
                  .empty());
  const TTestReport wrong = RunTable(*counter, "| count\nsteps 6\n| 0xA\n| 6\n");
  EXPECT_EQ(Failures(wrong), (std::vector<std::string>{"row 1: count expected 0xA, got 0x2",
                                                       "row 2: count expected 6, got 5"}));
}

TEST(TestRun, SwitchesPushButtonsAndTagsByNumber) {
  auto root = NewRoot();
  TMacro& c = *root;
  auto* high = Place<TSupply>(c, 0, 0);
  auto* make = Labelled<TInteractiveSwitch>(c, 100, 0, "Make");
  make->SetSwitchType(TInteractiveSwitch::PushToMake);
  auto* breaker = Labelled<TInteractiveSwitch>(c, 100, 100, "Break");
  breaker->SetSwitchType(TInteractiveSwitch::PushToBreak);
  auto* made = Labelled<TLEDDevice>(c, 200, 0, "L1");
  auto* broken = Labelled<TLEDDevice>(c, 200, 100, "L2");
  Net(c, *high->Pin(0), {make->Pin(0), breaker->Pin(0)});
  Net(c, *make->Pin(1), {made->Pin(0)});
  Net(c, *breaker->Pin(1), {broken->Pin(0)});
  // A macro's own top level: tag 1 in, inverted, to tag 2.
  auto* in = Place<TTagDevice>(c, 0, 200);
  in->SetNumber(1);
  auto* inverter = Place<TNotGate>(c, 100, 200);
  auto* out = Place<TTagDevice>(c, 200, 200);
  out->SetNumber(2);
  Net(c, *in->GetPin(), {inverter->Pin(1)});
  Net(c, *inverter->Pin(0), {out->GetPin()});
  UpdateTagKinds(c);
  root->Reset();
  const QByteArray before = WrittenObject(c);

  EXPECT_TRUE(Failures(RunTable(c,
                                "Make Break tag1 | L1 L2 tag2\n"
                                "0 0 0 | 0 1 1\n"
                                "1 1 1 | 1 0 0\n"
                                "0 X 0 | 0 0 1\n"))
                  .empty());
  EXPECT_EQ(in->LinkPin->Partner, nullptr);
  EXPECT_FALSE(breaker->On == false);  // back at rest, closed
  EXPECT_EQ(WrittenObject(c), before);
}

/// An input En that enables two tri-state buffers driving one wire with opposite levels, and
/// an input Osc that lets an inverter feed itself through an AND gate.
std::unique_ptr<TMacro> FaultyCircuit() {
  auto root = NewRoot();
  TMacro& c = *root;
  auto* high = Place<TSupply>(c, 0, 0);
  auto* low = Place<TGround>(c, 0, 100);
  auto* enable = Labelled<TInteractiveInput>(c, 0, 200, "En");
  auto* first = Place<TTriState>(c, 100, 0);
  auto* second = Place<TTriState>(c, 100, 100);
  auto* bus = Labelled<TLEDDevice>(c, 300, 50, "Bus");
  Net(c, *high->Pin(0), {first->Pin(0)});
  Net(c, *low->Pin(0), {second->Pin(0)});
  Net(c, *enable->Pin(0), {first->Pin(2), second->Pin(2)});
  Net(c, *first->Pin(1), {second->Pin(1), bus->Pin(0)});

  auto* oscillate = Labelled<TInteractiveInput>(c, 0, 300, "Osc");
  auto* gate = Place<T2AndGate>(c, 100, 300);
  auto* inverter = Place<TNotGate>(c, 200, 300);
  auto* ring = Labelled<TLEDDevice>(c, 300, 300, "Ring");
  Net(c, *oscillate->Pin(0), {gate->Pin(1)});
  Net(c, *gate->Pin(0), {inverter->Pin(1)});
  Net(c, *inverter->Pin(0), {gate->Pin(2), ring->Pin(0)});
  root->Reset();
  return root;
}

TEST(TestRun, ARaceOrAShortFailsItsRowWithTheCircuitsMessageAndTheNextRowsStillRun) {
  for (const bool interpreted : {false, true}) {
    auto root = FaultyCircuit();
    root->Interpreted = interpreted;
    const TTestReport report = RunTable(*root,
                                        "En Osc | Bus Ring\n"
                                        "0 0 | X 1\n"
                                        "1 0 | X 1\n"
                                        "0 0 | X 1\n"
                                        "0 1 | X X\n"
                                        "0 0 | X 1\n");
    EXPECT_EQ(Failures(report),
              (std::vector<std::string>{"row 2 (En=1 Osc=0): Bus contention, process halted",
                                        "row 4 (En=0 Osc=1): Race condition, process halted"}))
        << interpreted;
    EXPECT_EQ(report.Summary(), "3 of 5 rows pass");
  }
}

TEST(TestRun, ATableThatDoesNotFitTheCircuitSaysWhereAndLeavesItUntouched) {
  auto adder = LabelledFullAdder();
  Labelled<TLEDDevice>(*adder, 400, 200, "Cout");  // a second Cout
  Labelled<TClockDevice>(*adder, 0, 300, "clock");
  Labelled<TLEDSegmentDevice>(*adder, 300, 300, "Seg");
  auto* display = Place<TNumericDevice>(*adder, 500, 300);
  display->SetPinCount(4);  // before the label, which a new symbol clears
  display->SetLabelText("Count");
  Place<TTagDevice>(*adder, 600, 300);  // a tag without a number is no name's
  adder->Reset();
  static_cast<TInteractiveInput*>(adder->Inputs().Child(0))->Press();  // A is held high
  const QByteArray before = WrittenObject(*adder);

  const TTestReport report = RunTable(*adder,
                                      "A clock Nobody | Sum Cout Seg Count tag4\n"
                                      "1 0 0 | 300 0 0 300 0\n"
                                      "1 0 0 | 1 0 0 16 0\n");
  EXPECT_EQ(Failures(report),
            (std::vector<std::string>{
                "line 1, column 3: 'clock' names the clock; expected an interactive input, a "
                "switch or a push button, or an input tag",
                "line 1, column 9: 'Nobody' names no device at the top level; expected the "
                "label of an interactive input, a switch or a push button, or tagN",
                "line 1, column 22: 'Cout' names 2 devices",
                "line 1, column 27: 'Seg' names the seven-segment display; expected an LED or a "
                "numeric display, or an output tag",
                "line 1, column 37: 'tag4' names no device at the top level; expected the "
                "label of an LED or a numeric display, or tagN"}));
  EXPECT_EQ(WrittenObject(*adder), before);

  const TTestReport values = RunTable(*adder,
                                      "A | Sum Count\n"
                                      "1 | 300 300\n"
                                      "repeat 2\n"
                                      "  0 | 0 16\n"
                                      "0 | 1 0xF\n");
  EXPECT_EQ(Failures(values),
            (std::vector<std::string>{
                "line 2, column 5: expected 0, 1 or X for 'Sum', which shows one bit",
                "line 2, column 9: 300 does not fit the 4-bit display 'Count' (0 to 15)",
                "line 4, column 9: 16 does not fit the 4-bit display 'Count' (0 to 15)"}));
  EXPECT_TRUE(values.Rows.empty());
  EXPECT_EQ(WrittenObject(*adder), before);

  // A run that fits leaves the circuit as it found it too: A still held high.
  EXPECT_EQ(RunTable(*adder, "A B Cin | Sum\n0 0 0 | 0\n").Summary(), "1 of 1 rows pass");
  EXPECT_EQ(WrittenObject(*adder), before);
}

}  // namespace
}  // namespace logivane::test
