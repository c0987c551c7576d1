#include "ExampleParts.h"
#include "Examples.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cGateDevice.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "tools/ToolFixture.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QXmlStreamReader>

namespace logivane {
namespace {

const char* const FullAdderTable =
    "# full adder, the rows held long enough that a slow circuit shows\n"
    "A B Cin | Sum Cout\n"
    "steps 20000\n"
    "0 0 0 | 0 0\n"
    "0 0 1 | 1 0\n"
    "0 1 0 | 1 0\n"
    "0 1 1 | 0 1\n"
    "1 0 0 | 1 0\n"
    "1 0 1 | 0 1\n"
    "1 1 0 | 0 1\n"
    "1 1 1 | 1 1\n";

/// A full adder whose two lamps carry each other's labels: the rows where Sum and Cout differ
/// fail.
std::unique_ptr<TMacro> CrossedAdder() {
  auto circuit = examples::FullAdder();
  for (int i = 0; i < circuit->Outputs().Count(); ++i) {
    auto* lamp = static_cast<TLEDDevice*>(circuit->Outputs().Child(i));
    lamp->SetLabelText(lamp->GetLabelText() == "Sum" ? "Cout" : "Sum");
  }
  return circuit;
}

/// A full adder beside a clocked chain of inverters that flips as a whole on every step: the
/// table's long rows take it a thousand times as long as the plain adder, which leaves a wide
/// margin on both sides of the time limit in a debug, sanitizer or release build alike.
std::unique_ptr<TMacro> SlowAdder() {
  auto circuit = examples::FullAdder();
  TGraphicObject* previous = examples::Place<TClockDevice>(*circuit, 1000, 1000)->Pin(0);
  for (int i = 0; i < 20000; ++i) {
    auto* gate = examples::Place<TNotGate>(*circuit, 1000 + 60 * (i % 100), 1060 + 60 * (i / 100));
    Connect(*circuit, *previous, *gate->Pin(1));
    previous = gate->Pin(0);
  }
  circuit->Reset();
  return circuit;
}

class GradeTool : public test::ToolTest {
protected:
  QString Saved(const QString& name, const TMacro& circuit) const {
    return Written(name, CircuitBytes(circuit, {}));
  }

  static TRun Run(const QStringList& arguments) {
    return RunProgram(QStringLiteral(LOGIVANE_GRADE_PATH), arguments, 120000);
  }
};

/// Per test suite of a JUnit file: its test cases, and how many hold a failure or an error.
struct TSuite {
  int Cases = 0;
  int Failures = 0;
  int Errors = 0;
  QString FirstFailure;

  bool operator==(const TSuite&) const = default;
};

QMap<QString, TSuite> ReadJunit(const QByteArray& bytes) {
  QMap<QString, TSuite> suites;
  QXmlStreamReader xml(bytes);
  QString suite;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) {
      continue;
    }
    const auto name = xml.name();
    if (name == QLatin1String("testsuite")) {
      suite = QFileInfo(xml.attributes().value("name").toString()).fileName();
    } else if (name == QLatin1String("testcase")) {
      ++suites[suite].Cases;
    } else if (name == QLatin1String("failure")) {
      if (suites[suite].Failures++ == 0) {
        suites[suite].FirstFailure = xml.attributes().value("message").toString();
      }
    } else if (name == QLatin1String("error")) {
      ++suites[suite].Errors;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return suites;
}

TEST_F(GradeTool, GradesEveryCircuitOfAFolderWhateverEachDoes) {
  const QString table = Written("adder.lvtest", FullAdderTable);
  Saved("class/good.lvm", *examples::FullAdder());
  Saved("class/late/crossed.lvm", *CrossedAdder());
  Saved("class/slow.lvm", *SlowAdder());
  Written("class/garbage.lvm", "\x02\x05 not a circuit");
  Written("class/notes.txt", "not a circuit and not graded");

  const TRun run = Run({table, PathOf("class"), "--timeout", "4", "-j", "2", "--json",
                        PathOf("out.json"), "--junit", PathOf("out.xml")});
  EXPECT_EQ(run.Status, 6) << run.Err.toStdString();
  const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 6) << run.Out.toStdString();
  EXPECT_TRUE(lines[1].contains("class/garbage.lvm") && lines[1].contains(" error: "));
  EXPECT_TRUE(lines[2].contains("class/good.lvm") && lines[2].endsWith("8       8  pass"));
  EXPECT_TRUE(lines[3].contains("class/late/crossed.lvm") && lines[3].endsWith("2       8  fail"));
  EXPECT_TRUE(lines[4].contains("class/slow.lvm") && lines[4].endsWith("0       8  timeout"));
  EXPECT_EQ(lines[5], "1 of 4 circuits pass");

  const QJsonObject json = QJsonDocument::fromJson(Bytes(PathOf("out.json"))).object();
  EXPECT_EQ(json["passed"].toInt(), 1);
  EXPECT_EQ(json["total"].toInt(), 4);
  const QJsonArray circuits = json["circuits"].toArray();
  ASSERT_EQ(circuits.size(), 4);
  QStringList results;
  for (const QJsonValue& circuit : circuits) {
    results << circuit["result"].toString();
  }
  EXPECT_EQ(results, QStringList({"error", "pass", "fail", "timeout"}));
  const QJsonArray crossedRows = circuits[2]["rows"].toArray();
  ASSERT_EQ(crossedRows.size(), 8);
  EXPECT_TRUE(crossedRows[0]["passed"].toBool());
  EXPECT_FALSE(crossedRows[1]["passed"].toBool());
  EXPECT_EQ(crossedRows[1]["line"].toInt(), 5);
  EXPECT_TRUE(crossedRows[1]["failure"].toString().contains("Sum expected 1, got 0"));
  EXPECT_FALSE(circuits[0]["message"].toString().isEmpty());

  const QMap<QString, TSuite> suites = ReadJunit(Bytes(PathOf("out.xml")));
  ASSERT_EQ(suites.size(), 4);
  EXPECT_EQ(suites["good.lvm"], (TSuite{8, 0, 0, {}}));
  EXPECT_EQ(suites["garbage.lvm"], (TSuite{1, 0, 1, {}}));
  EXPECT_EQ(suites["slow.lvm"], (TSuite{1, 0, 1, {}}));
  EXPECT_EQ(suites["crossed.lvm"].Cases, 8);
  EXPECT_EQ(suites["crossed.lvm"].Failures, 6);
  EXPECT_TRUE(suites["crossed.lvm"].FirstFailure.startsWith("row 2 (A=0 B=0 Cin=1)"))
      << suites["crossed.lvm"].FirstFailure.toStdString();
}

TEST_F(GradeTool, ExitStatusSaysWhetherAllPassAndWhyNot) {
  const QString table = Written("adder.lvtest", FullAdderTable);
  const QString good = Saved("good.lvm", *examples::FullAdder());
  const TRun passed = Run({table, good, good});
  EXPECT_EQ(passed.Status, 0) << passed.Err.toStdString();
  EXPECT_TRUE(passed.Out.endsWith("\n1 of 1 circuits pass\n")) << "a file given twice is one";

  const TRun missing = Run({table, good, PathOf("absent.lvm")});
  EXPECT_EQ(missing.Status, 6);
  EXPECT_TRUE(missing.Out.contains("absent.lvm")) << "a missing file is graded with the rest";

  const QString bad = Written("bad.lvtest", "A B Cin | Sum Cout\n0 0 | 0 0\n");
  const TRun unreadable = Run({bad, good, "--json", PathOf("never.json")});
  EXPECT_EQ(unreadable.Status, 7);
  EXPECT_TRUE(unreadable.Out.isEmpty());
  EXPECT_TRUE(unreadable.Err.contains("line 2")) << unreadable.Err.toStdString();
  EXPECT_FALSE(QFile::exists(PathOf("never.json"))) << "no circuit ran";

  EXPECT_EQ(Run({table, good, "--json", PathOf("no/such/folder/out.json")}).Status, 5);
  for (const QStringList& arguments :
       {QStringList{}, QStringList{table}, QStringList{table, good, "--timeout", "0"},
        QStringList{table, good, "-j", "none"}, QStringList{table, FFolder.path() + "/empty/"}}) {
    QDir().mkpath(PathOf("empty"));
    const TRun run = Run(arguments);
    EXPECT_EQ(run.Status, 1) << arguments.join(' ').toStdString();
    EXPECT_FALSE(run.Err.isEmpty());
  }
  const TRun help = Run({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_TRUE(help.Out.startsWith("Usage: logivane-grade TABLE.lvtest PATH..."));
}

}  // namespace
}  // namespace logivane
