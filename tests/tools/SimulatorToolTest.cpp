#include "document/cCircuitFile.h"
#include "simulation/SimTestHelpers.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace logivane {
namespace {

using test::Net;
using test::Place;

/// A 4-bit synchronous counter of JK flip-flops counting on the clock's falling edges, shown
/// on a numeric display labelled "count" in plain decimal.
std::unique_ptr<TMacro> Counter() {
  auto root = test::NewRoot();
  TMacro& c = *root;
  auto* clock = Place<TClockDevice>(c, 0, 0);
  clock->SetLabelText("clock");
  auto* high = Place<TSupply>(c, 0, 100);
  auto* count = Place<TNumericDevice>(c, 500, 200);
  count->Format = TNumericDevice::FormatDecimal;
  count->SetLabelText("count");
  std::vector<TJKFlipFlop*> stages;
  for (int i = 0; i < 4; ++i) {
    stages.push_back(Place<TJKFlipFlop>(c, 100 + 100 * static_cast<float>(i), 0));
  }
  std::vector<TPin*> clocks;
  for (TJKFlipFlop* stage : stages) {
    clocks.push_back(stage->Pin(3));
  }
  Net(c, *clock->Pin(0), clocks);
  Net(c, *high->Pin(0), {stages[0]->Pin(2), stages[0]->Pin(6)});
  // Stage i toggles when every stage below it is high.
  TPin* carry = stages[0]->Pin(0);
  for (int i = 1; i < 4; ++i) {
    std::vector<TPin*> loads{stages[static_cast<std::size_t>(i)]->Pin(2),
                             stages[static_cast<std::size_t>(i)]->Pin(6)};
    TPin* next = carry;
    if (i < 3) {
      auto* gate = Place<T2AndGate>(c, 100 + 100 * static_cast<float>(i), 100);
      loads.push_back(gate->Pin(1));
      Net(c, *stages[static_cast<std::size_t>(i)]->Pin(0), {gate->Pin(2)});
      next = gate->Pin(0);
    }
    Net(c, *carry, loads);
    carry = next;
  }
  for (int i = 0; i < 4; ++i) {
    TPin* q = stages[static_cast<std::size_t>(i)]->Pin(0);
    if (q->IsConnected()) {
      // Tap the existing net through a joint.
      TWire* wire = q->Wire;
      TSolder* joint = AddSolder(c, *wire, (wire->GetPoint(0) + wire->GetPoint(1)) / 2);
      Connect(c, *joint, *count->Pin(i));
    } else {
      Connect(c, *q, *count->Pin(i));
    }
  }
  root->Reset();
  return root;
}

/// Two enabled tri-state buffers driving one wire.
std::unique_ptr<TMacro> Contention() {
  auto root = test::NewRoot();
  TMacro& c = *root;
  auto* high = Place<TSupply>(c, 0, 0);
  auto* low = Place<TGround>(c, 0, 100);
  auto* first = Place<TTriState>(c, 100, 0);
  auto* second = Place<TTriState>(c, 100, 100);
  Net(c, *high->Pin(0), {first->Pin(0), first->Pin(2), second->Pin(2)});
  Net(c, *low->Pin(0), {second->Pin(0)});
  Connect(c, *first->Pin(1), *second->Pin(1));
  root->Reset();
  return root;
}

class SimulatorTool : public ::testing::Test {
protected:
  struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
  };

  QString PathOf(const QString& name) const { return QDir(FFolder.path()).filePath(name); }

  QString Saved(const TMacro& circuit, const QString& name) const {
    EXPECT_TRUE(SaveCircuitFile(PathOf(name), circuit, {}));
    return PathOf(name);
  }

  static TRun Run(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(LOGIVANE_SIM_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromLatin1(process.readAllStandardOutput()),
            QString::fromLatin1(process.readAllStandardError())};
  }

  static QByteArray Bytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }

  QTemporaryDir FFolder;
};

TEST_F(SimulatorTool, ACounterCountsOnEveryClockCycleAndWraps) {
  const QString file = Saved(*Counter(), "counter.lvm");
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

TEST_F(SimulatorTool, RecordedDevicesAreWatchedWithoutAsking) {
  auto circuit = Counter();
  static_cast<THistoryDevice*>(circuit->Inputs().Child(0))->Recorded = true;
  const TRun run = Run({Saved(*circuit, "recorded.lvm"), "--steps", "2"});
  ASSERT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "step\tclock\n1\t0\n2\t1\n");
}

TEST_F(SimulatorTool, BusContentionStopsTheRun) {
  const TRun run = Run({Saved(*Contention(), "fight.lvm"), "--steps", "5"});
  EXPECT_EQ(run.Status, 4);
  EXPECT_TRUE(run.Err.startsWith("Bus contention, process halted\nat step 1 in TTriState"))
      << run.Err.toStdString();
}

TEST_F(SimulatorTool, FilesItCannotUseGiveTheirStatus) {
  EXPECT_EQ(Run({PathOf("absent.lvm")}).Status, 2);
  EXPECT_EQ(Run({PathOf("absent.lvm")}).Err, "Unable to locate the Logivane file 'absent.lvm'\n");

  QFile garbage(PathOf("garbage.lvm"));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("\x02\x05 not a circuit");
  garbage.close();
  EXPECT_EQ(Run({garbage.fileName()}).Status, 2) << "the version word is not a circuit's";

  QByteArray later = Bytes(Saved(*Contention(), "later.lvm"));
  later[3] = 35;
  QFile laterFile(PathOf("later.lvm"));
  ASSERT_TRUE(laterFile.open(QIODevice::WriteOnly));
  laterFile.write(later);
  laterFile.close();
  const TRun refused = Run({laterFile.fileName()});
  EXPECT_EQ(refused.Status, 3);
  EXPECT_EQ(refused.Err, "You need a later version of Logivane to read this file.\n");

  QFile truncated(PathOf("truncated.lvm"));
  ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
  truncated.write(later.left(40).replace(3, 1, "\x22"));
  truncated.close();
  EXPECT_EQ(Run({truncated.fileName()}).Status, 3);
}

TEST_F(SimulatorTool, BadUsageShowsHowToCallIt) {
  const QString file = Saved(*Counter(), "usage.lvm");
  for (const QStringList& arguments :
       {QStringList{}, QStringList{file, "--steps", "many"}, QStringList{file, "--steps", "-1"},
        QStringList{file, "--frobnicate"}, QStringList{file, file},
        QStringList{file, "--watch", "nothing here"}}) {
    const TRun run = Run(arguments);
    EXPECT_EQ(run.Status, 1) << arguments.join(' ').toStdString();
    EXPECT_FALSE(run.Err.isEmpty());
  }
  EXPECT_TRUE(Run({}).Err.contains("Usage: logivane-sim FILE.lvm"));
}

TEST_F(SimulatorTool, SavingWhatWasLoadedGivesTheSameBytes) {
  const QString file = Saved(*Counter(), "original.lvm");
  const TRun run = Run({file, "--steps", "0", "--save", PathOf("copy.lvm")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, "step\n");
  EXPECT_EQ(Bytes(PathOf("copy.lvm")), Bytes(file));
}

TEST_F(SimulatorTool, DumpsAndMeasures) {
  const QString file = Saved(*Counter(), "dump.lvm");
  const TRun run =
      Run({file, "--steps", "8", "--watch", "count", "--vcd", PathOf("count.vcd"), "--bench"});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.split('\n', Qt::SkipEmptyParts).last().startsWith("steps_per_second: "));
  const QByteArray vcd = Bytes(PathOf("count.vcd"));
  EXPECT_TRUE(vcd.contains("$var wire 4 ! count $end"));
  EXPECT_TRUE(vcd.contains("#3\nb0001 !\n"));
  EXPECT_TRUE(vcd.contains("#7\nb0011 !\n"));
}

}  // namespace
}  // namespace logivane
