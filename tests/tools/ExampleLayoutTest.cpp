// The router that wires the examples, and the rules every shipped example is drawn to.
#include "ExampleParts.h"
#include "Layout.h"
#include "Tidiness.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cConnect.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "testtable/TestRun.h"

#include <gtest/gtest.h>

#include <QDirIterator>

namespace logivane {
namespace {

using namespace examples;

template <class T>
T* Labelled(TMacro& circuit, int x, int y, const char* label) {
  auto* device = Place<T>(circuit, x, y);
  device->SetLabelText(QString::fromLatin1(label));
  device->Recorded = true;
  return device;
}

/// Every vertex of a wire that is not one of its ends lies on the routing grid.
bool TurnsOnTheGrid(const TMacro& circuit) {
  for (int i = 0; i < circuit.Wires().Count(); ++i) {
    const auto& wire = *static_cast<const TWire*>(circuit.Wires().Child(i));
    for (int k = 1; k + 1 < wire.PointCount(); ++k) {
      if (wire.GetPoint(k).x() % 10 != 0) {
        return false;
      }
    }
  }
  return true;
}

TEST(ExampleLayout, RoutesBranchesAndFeedbackTidilyAndAsDeclared) {
  // A latch of two NOR gates: each output feeds back to the other gate, to the left of it.
  auto circuit = NewCircuit();
  TMacro& c = *circuit;
  auto* s = Labelled<TInteractiveInput>(c, 60, 100, "S");
  auto* r = Labelled<TInteractiveInput>(c, 60, 200, "R");
  auto* top = Place<T2NorGate>(c, 200, 110);
  auto* bottom = Place<T2NorGate>(c, 200, 190);
  auto* q = Labelled<TLEDDevice>(c, 400, 110, "Q");
  auto* notQ = Labelled<TLEDDevice>(c, 400, 190, "nQ");
  q->SetLabelPosition(TTextDevice::LabelRight);
  notQ->SetLabelPosition(TTextDevice::LabelRight);
  TLayout layout(c);
  layout.Net(*r->Pin(0), {top->Pin(1)});
  layout.Net(*s->Pin(0), {bottom->Pin(2)});
  layout.Net(*top->Pin(0), {q->Pin(0), bottom->Pin(1)});
  layout.Net(*bottom->Pin(0), {notQ->Pin(0), top->Pin(2)});
  layout.Route();
  c.Reset();

  EXPECT_EQ(Clutter(c), QString());
  EXPECT_TRUE(TurnsOnTheGrid(c));
  std::vector<TTestError> errors;
  const TTestTable table = TTestTable::Parse(QStringLiteral("S R | Q nQ\n"
                                                            "1 0 | 1 0\n"
                                                            "0 0 | 1 0\n"
                                                            "0 1 | 0 1\n"
                                                            "0 0 | 0 1\n"),
                                             errors);
  const TTestReport report = RunTestTable(c, table);
  ASSERT_EQ(report.Rows.size(), 4U);
  for (const TTestRowResult& row : report.Rows) {
    EXPECT_TRUE(row.Passed()) << row.FailureText().toStdString();
  }
}

TEST(ExampleLayout, EveryShippedExampleReadsCleanly) {
  QDirIterator found(QStringLiteral(LOGIVANE_EXAMPLES_DIR), {QStringLiteral("*.lvm")}, QDir::Files,
                     QDirIterator::Subdirectories);
  int count = 0;
  while (found.hasNext()) {
    const QString file = found.next();
    const TCircuitReadResult read = ReadCircuitFile(file);
    ASSERT_TRUE(read.Succeeded()) << file.toStdString();
    EXPECT_EQ(Clutter(*read.Circuit), QString()) << file.toStdString();
    ++count;
  }
  EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace logivane
