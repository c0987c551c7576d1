#include "simulation/SampleCircuits.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMemory.h"
#include "tools/ToolFixture.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace logivane {
namespace {

class SimulatorTool : public test::ToolTest {
protected:
  QString Saved(const TMacro& circuit, const QString& name) const {
    EXPECT_TRUE(SaveCircuitFile(PathOf(name), circuit, {}));
    return PathOf(name);
  }

  static TRun Run(const QStringList& arguments) {
    return RunProgram(QStringLiteral(LOGIVANE_SIM_PATH), arguments, 60000);
  }
};

TEST_F(SimulatorTool, ACounterCountsOnEveryClockCycleAndWraps) {
  const QString file = Saved(*test::Counter(), "counter.lvm");
  const TRun run = Run({file, "--steps", "34", "--watch", "clock", "--watch", "count"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 35);
  EXPECT_EQ(lines[0], "step\tclock\tcount");
  for (int step = 1; step <= 34; ++step) {
    const int expected = (step - 1) / 2 % 16;  // the count moves as the clock falls
    const QString row = QStringLiteral("%1\t%2\t%3")
                            .arg(step)
                            .arg(step % 2 == 0 ? 1 : 0)
                            .arg(expected, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(lines[step], row);
  }
}

TEST_F(SimulatorTool, GoingBackPrintsTheStepGoneBackToAndDumpsNoStepAfterIt) {
  const QString file = Saved(*test::Counter(), "counter.lvm");
  const TRun run =
      Run({file, "--steps", "34", "--back", "29", "--watch", "count", "--vcd", PathOf("back.vcd")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 36);
  EXPECT_EQ(lines[5], "5\t0002");
  EXPECT_EQ(lines.last(), lines[5]);
  const QByteArray vcd = Bytes(PathOf("back.vcd"));
  EXPECT_TRUE(vcd.contains("#5\n")) << vcd.toStdString();
  EXPECT_FALSE(vcd.contains("#6\n")) << vcd.toStdString();
  EXPECT_EQ(Run({file, "--steps", "3", "--back", "4"}).Status, 1);
}

TEST_F(SimulatorTool, RecordedDevicesAreWatchedWithoutAsking) {
  auto circuit = test::Counter();
  static_cast<THistoryDevice*>(circuit->Inputs().Child(0))->Recorded = true;
  const TRun run = Run({Saved(*circuit, "recorded.lvm"), "--steps", "2"});
  ASSERT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "step\tclock\n1\t0\n2\t1\n");
}

TEST_F(SimulatorTool, BusContentionStopsTheRun) {
  const TRun run = Run({Saved(*test::Contention(), "fight.lvm"), "--steps", "5"});
  EXPECT_EQ(run.Status, 4);
  EXPECT_EQ(run.Err,
            "Bus contention, process halted\nat step 1 in tri-state buffer [untitled]\n"
            "  driver: [untitled] (tri-state buffer)\n  driver: [untitled] (tri-state buffer)\n")
      << run.Err.toStdString();
}

TEST_F(SimulatorTool, FilesItCannotUseGiveTheirStatus) {
  EXPECT_EQ(Run({PathOf("absent.lvm")}).Status, 2);
  EXPECT_EQ(Run({PathOf("absent.lvm")}).Err, "Unable to locate the Logivane file 'absent.lvm'\n");

  EXPECT_EQ(Run({Written("garbage.lvm", "\x02\x05 not a circuit")}).Status, 2)
      << "the version word is not a circuit's";

  QByteArray later = Bytes(Saved(*test::Contention(), "later.lvm"));
  later[3] = 35;
  const TRun refused = Run({Written("later.lvm", later)});
  EXPECT_EQ(refused.Status, 3);
  EXPECT_EQ(refused.Err, "You need a later version of Logivane to read this file.\n");
  EXPECT_EQ(Run({Written("truncated.lvm", later.left(40).replace(3, 1, "\x22"))}).Status, 3);
}

TEST_F(SimulatorTool, BadUsageShowsHowToCallIt) {
  const QString file = Saved(*test::Counter(), "usage.lvm");
  for (const QStringList& arguments :
       {QStringList{}, QStringList{file, "--steps", "many"}, QStringList{file, "--steps", "-1"},
        QStringList{file, "--frobnicate"}, QStringList{file, file},
        QStringList{file, "--watch", "nothing here"},
        QStringList{file, "--test", file, "--steps", "3"}}) {
    const TRun run = Run(arguments);
    EXPECT_EQ(run.Status, 1) << arguments.join(' ').toStdString();
    EXPECT_FALSE(run.Err.isEmpty());
  }
  const QString usage = Run({}).Err;
  EXPECT_TRUE(usage.contains("Usage: logivane-sim FILE.lvm"));
  for (const char* status :
       {"0 done", "1 bad usage", "2 no such file", "3 a later", "4 the circuit", "5 an output file",
        "6 a row of the test table", "7 a test table"}) {
    EXPECT_TRUE(usage.contains(status)) << status;
  }
  for (const char* help : {"--help", "-h"}) {
    const TRun asked = Run({help});
    EXPECT_EQ(asked.Status, 0) << help;
    EXPECT_TRUE(asked.Out.startsWith("Usage: logivane-sim") && usage.endsWith(asked.Out));
    EXPECT_TRUE(asked.Err.isEmpty());
  }
}

TEST_F(SimulatorTool, SavingWhatWasLoadedGivesTheSameBytes) {
  const QString file = Saved(*test::Counter(), "original.lvm");
  const TRun run = Run({file, "--steps", "0", "--save", PathOf("copy.lvm")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, "step\n");
  EXPECT_EQ(Bytes(PathOf("copy.lvm")), Bytes(file));
}

TEST_F(SimulatorTool, DumpsAndMeasures) {
  const QString file = Saved(*test::Counter(), "dump.lvm");
  const TRun run =
      Run({file, "--steps", "8", "--watch", "count", "--vcd", PathOf("count.vcd"), "--bench"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.split('\n', Qt::SkipEmptyParts).last().startsWith("steps_per_second: "));
  const QByteArray vcd = Bytes(PathOf("count.vcd"));
  EXPECT_TRUE(vcd.contains("$var wire 4 ! count $end"));
  EXPECT_TRUE(vcd.contains("#3\nb0001 !\n"));
  EXPECT_TRUE(vcd.contains("#7\nb0011 !\n"));
}

TEST_F(SimulatorTool, MemoriesAreLoadedBeforeTheRunAndWrittenAfterIt) {
  // A ROM, then a RAM whose unwired select and read/write lines make it write 0 to address 0.
  auto circuit = test::Counter();
  for (const bool ram : {false, true}) {
    auto memory = std::make_unique<TMemoryDevice>();
    memory->BuildSymbol(ram, 4, 8);
    memory->Translate(ram ? 700 : 600, 300);
    memory->Remap();
    AddObject(*circuit, std::move(memory));
  }
  const QString file = Saved(*circuit, "memories.lvm");
  const TRun listed = Run({file, "--list-memories"});
  ASSERT_EQ(listed.Status, 0) << listed.Err.toStdString();
  EXPECT_EQ(listed.Out.toStdString(),
            "memory\ttype\taddress\tdata\tleft\ttop\n1\tROM\t4\t8\t569\t249\n"
            "2\tRAM\t4\t8\t669\t249\n");

  const QString image = Written("program.hex", ":040000001122334452\n:00000001FF\n");
  const TRun run =
      Run({file, "--steps", "2", "--memory", "1=" + image, "--memory", "2=" + image,
           "--dump-memory", "1=" + PathOf("rom.bin"), "--dump-memory", "2=" + PathOf("ram.bin")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QByteArray rest(12, '\0');
  EXPECT_EQ(Bytes(PathOf("rom.bin")), QByteArray::fromHex("11223344") + rest);
  EXPECT_EQ(Bytes(PathOf("ram.bin")), QByteArray::fromHex("00223344") + rest);

  const QString damaged = Written("damaged.hex", ":040000001122334453\n:00000001FF\n");
  const struct {
    QStringList Arguments;
    int Status;
    const char* Err;
  } refusals[] = {
      {{"--memory", "3=" + image}, 1, "The circuit's top level has no memory 3; it has 2"},
      {{"--memory", "0=" + image}, 1, "does not name a memory and a file"},
      {{"--memory", "1=" + PathOf("absent.hex")}, 2, "Unable to load"},
      {{"--memory", "1=" + damaged},
       3,
       "Line 1: the checksum is 53, but the record adds up to 52."},
      {{"--dump-memory", "1=" + PathOf("no/such/folder.bin")}, 5, "Unable to write"},
  };
  for (const auto& refusal : refusals) {
    const TRun refused = Run(QStringList{file, "--steps", "1"} + refusal.Arguments);
    EXPECT_EQ(refused.Status, refusal.Status) << refusal.Arguments.join(' ').toStdString();
    EXPECT_TRUE(refused.Err.contains(refusal.Err)) << refused.Err.toStdString();
  }
}

TEST_F(SimulatorTool, WaveDromHasAColumnPerStepAndTheNumericDisplayAsABus) {
  const QString file = Saved(*test::Counter(), "wave.lvm");
  const TRun run = Run({file, "--steps", "4", "--watch", "clock", "--watch", "count", "--wavedrom",
                        PathOf("count.json")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QJsonArray waves =
      QJsonDocument::fromJson(Bytes(PathOf("count.json"))).object()["signal"].toArray();
  ASSERT_EQ(waves.size(), 2);
  EXPECT_EQ(waves[0].toObject()["name"].toString(), "clock");
  EXPECT_EQ(waves[0].toObject()["wave"].toString(), "0.101");  // from the reset, step 0
  EXPECT_EQ(waves[1].toObject()["wave"].toString(), "=..=.");
  EXPECT_EQ(waves[1].toObject()["data"].toVariant().toStringList(), QStringList({"0", "1"}));
  EXPECT_EQ(Run({file, "--wavedrom", PathOf("missing/count.json")}).Status, 5);
}

TEST_F(SimulatorTool, ATestTableTellsWhichRowsFailAndItsStatusWhetherAllPass) {
  const QString adder = Saved(*test::LabelledFullAdder(), "adder.lvm");
  const TRun passing = Run({adder, "--test",
                            Written("adder.lvtest",
                                    "\xEF\xBB\xBF"
                                    "A B Cin | Sum Cout\n"
                                    "bits(A B Cin) | = A^B^Cin = A&B | Cin&(A^B)\n")});
  EXPECT_EQ(passing.Status, 0) << passing.Err.toStdString();
  EXPECT_EQ(passing.Out, "8 of 8 rows pass\n");

  const TRun failing = Run(
      {adder, "--test", Written("wrong.lvtest", "A B Cin | Sum Cout\n0 1 1 | 0 1\n0 1 0 | 0 0\n")});
  EXPECT_EQ(failing.Status, 6);
  EXPECT_EQ(failing.Out, "row 2 (A=0 B=1 Cin=0): Sum expected 0, got 1\n1 of 2 rows pass\n");

  const QString unfit = Written("unfit.lvtest", "A B | Sum Carry\n0 0 | 0 0\n");
  const TRun unbound = Run({adder, "--test", unfit});
  EXPECT_EQ(unbound.Status, 7);
  EXPECT_TRUE(unbound.Out.isEmpty());
  EXPECT_EQ(unbound.Err, unfit +
                             ": line 1, column 11: 'Carry' names no device at the top level; "
                             "expected the label of an LED or a numeric display, or tagN\n");

  const QString garbled = Written("garbled.lvtest", "A | Sum\n0 | 0 # \xFF\n");
  const TRun notText = Run({adder, "--test", garbled});
  EXPECT_EQ(notText.Status, 7);
  EXPECT_EQ(notText.Err, "The test table '" + garbled + "' is not UTF-8 text.\n");
  EXPECT_EQ(
      Run({adder, "--test", Written("bad.lvtest", "A | Sum\n0 | 2 0\n")}).Err,
      PathOf("bad.lvtest") + ": line 2, column 7: expected 1 output values after '|', found 2\n");
  EXPECT_EQ(Run({adder, "--test", PathOf("absent.lvtest")}).Status, 7);
  // The circuit's own statuses come first.
  EXPECT_EQ(Run({PathOf("absent.lvm"), "--test", unfit}).Status, 2);
}

}  // namespace
}  // namespace logivane
