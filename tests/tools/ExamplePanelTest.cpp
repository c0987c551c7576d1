// Library macros placed in an example, and displays wired through the pins on their top.
#include "Layout.h"
#include "LibraryPart.h"
#include "Panel.h"
#include "Tidiness.h"
#include "testtable/TestRun.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace logivane {
namespace {

using namespace examples;

TEST(ExamplePanel, ADisplayOnALibraryAdderShowsEverySumTidily) {
  auto circuit = std::make_unique<TMacro>();
  TMacro& c = *circuit;
  c.Closed = false;
  c.Displayed = true;
  const TPlacedPart adder(c, QStringLiteral("adder4"), 300, 200);
  EXPECT_THROW(adder[QStringLiteral("D9")], std::logic_error);
  EXPECT_THROW(TPlacedPart(c, QStringLiteral("no-such-part"), 0, 0), std::logic_error);

  TLayout layout(c);
  for (const char* stem : {"A", "B"}) {
    for (int bit = 0; bit < 4; ++bit) {
      const QString name = QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(bit);
      const int y = PinPoint(adder[name]).y();
      layout.Net(*NewInput(c, 60, y, name)->Pin(0), {&adder[name]});
    }
  }
  // Five bits side by side on one edge: each must come down from its own level.
  // A display has 2, 4, 8 or 16 lines: five must be shown on eight, not on the default four.
  EXPECT_THROW(NewDisplay(c, 500, 400, 5, QStringLiteral("sum")), std::invalid_argument);
  TNumericDevice* sum = NewDisplay(c, 500, 400, 8, QStringLiteral("sum"));
  ApproachDisplay(layout, *sum, 5, 300);
  for (int bit = 0; bit < 4; ++bit) {
    layout.Net(adder.Bit(QStringLiteral("S"), bit), {sum->Pin(bit)});
  }
  layout.Net(adder[QStringLiteral("COUT")], {sum->Pin(4)});
  layout.Route();
  c.Reset();
  EXPECT_EQ(Clutter(c), QString());

  QString text = QStringLiteral("A3 A2 A1 A0 B3 B2 B1 B0 | sum\n");
  for (const auto& [a, b] : {std::pair{0, 0}, {5, 9}, {15, 1}, {15, 15}}) {
    for (int bit = 3; bit >= 0; --bit) {
      text += QStringLiteral("%1 ").arg(a >> bit & 1);
    }
    for (int bit = 3; bit >= 0; --bit) {
      text += QStringLiteral("%1 ").arg(b >> bit & 1);
    }
    text += QStringLiteral("| %1\n").arg(a + b);
  }
  std::vector<TTestError> errors;
  const TTestReport report = RunTestTable(c, TTestTable::Parse(text, errors));
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(report.Rows.size(), 4U);
  for (const TTestRowResult& row : report.Rows) {
    EXPECT_TRUE(row.Passed()) << row.FailureText().toStdString();
  }
}

}  // namespace
}  // namespace logivane
