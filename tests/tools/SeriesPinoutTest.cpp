// Every library macro against its function table, driven through its outline pins by number;
// the 7400-series macros pinned as the real packages, since a student wires the chip on the
// drawing as on the breadboard.
#include "tools/LibraryBench.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace logivane {
namespace {

using Pinout = std::vector<QString>;

const Pinout QuadGates = {"1A", "1B", "1Y", "2A", "2B", "2Y", "GND",
                          "3Y", "3A", "3B", "4Y", "4A", "4B", "VCC"};

/// Pin 1 first, as the makers' datasheets print them.
const std::map<QString, Pinout>& RealPinouts() {
  static const std::map<QString, Pinout> pinouts = {
      {"7400", QuadGates},
      {"7402",
       {"1Y", "1A", "1B", "2Y", "2A", "2B", "GND", "3A", "3B", "3Y", "4A", "4B", "4Y", "VCC"}},
      {"7404",
       {"1A", "1Y", "2A", "2Y", "3A", "3Y", "GND", "4Y", "4A", "5Y", "5A", "6Y", "6A", "VCC"}},
      {"7408", QuadGates},
      {"7410",
       {"1A", "1B", "2A", "2B", "2C", "2Y", "GND", "3Y", "3A", "3B", "3C", "1Y", "1C", "VCC"}},
      {"7420",
       {"1A", "1B", "NC", "1C", "1D", "1Y", "GND", "2Y", "2A", "2B", "NC", "2C", "2D", "VCC"}},
      {"7432", QuadGates},
      {"7486", QuadGates},
      {"7474",
       {"/1CLR", "1D", "1CLK", "/1PRE", "1Q", "/1Q", "GND", "/2Q", "2Q", "/2PRE", "2CLK", "2D",
        "/2CLR", "VCC"}},
      {"7476",
       {"1CLK", "/1PRE", "/1CLR", "1J", "VCC", "2CLK", "/2PRE", "/2CLR", "2J", "/2Q", "2Q", "2K",
        "GND", "/1Q", "1Q", "1K"}},
      {"7483",
       {"A4", "S3", "A3", "B3", "VCC", "S2", "B2", "A2", "S1", "A1", "B1", "GND", "C0", "C4", "S4",
        "B4"}},
      {"74138",
       {"A", "B", "C", "/G2A", "/G2B", "G1", "/Y7", "GND", "/Y6", "/Y5", "/Y4", "/Y3", "/Y2", "/Y1",
        "/Y0", "VCC"}},
      {"74151",
       {"D3", "D2", "D1", "D0", "Y", "/W", "/G", "GND", "C", "B", "A", "D7", "D6", "D5", "D4",
        "VCC"}},
      {"74157",
       {"S", "1A", "1B", "1Y", "2A", "2B", "2Y", "GND", "3Y", "3B", "3A", "4Y", "4B", "4A", "/G",
        "VCC"}},
      {"74161",
       {"/CLR", "CLK", "A", "B", "C", "D", "ENP", "GND", "/LOAD", "ENT", "QD", "QC", "QB", "QA",
        "RCO", "VCC"}},
  };
  return pinouts;
}

TEST(Library, EveryMacroFollowsItsFunctionTableByPinNumberAsTheRealPackageIsPinned) {
  EXPECT_GE(library::AllParts().size(), 30U);
  std::size_t series = 0;
  for (const library::TPart& part : library::AllParts()) {
    const std::string name = part.Name.toStdString();
    std::vector<QString> order = part.Outline.PinOrder();
    if (part.Folder == QLatin1String("7400 Series")) {
      const auto real = RealPinouts().find(part.Name);
      if (real == RealPinouts().end()) {
        ADD_FAILURE() << name << " has no real pinout to be checked against";
        continue;
      }
      ++series;
      // The names by number, as the symbol and the datasheet show them.
      EXPECT_EQ(order, real->second) << name;
      order = real->second;
    }
    // The committed file, driven by pin number: a swapped pair of pins fails its table.
    const library::TFunctionTable table = part.Table();
    test::TBench bench(part, table, order);
    EXPECT_EQ(bench.MacroName, part.Title) << name;
    EXPECT_EQ(bench.Macro->Datasheet, part.DatasheetName()) << name;
    for (std::size_t row = 0; row < table.Rows.size(); ++row) {
      const std::string mismatch = bench.Mismatch(table.Rows[row]);
      if (!mismatch.empty()) {
        ADD_FAILURE() << name << " by pin number, row " << row << ":" << mismatch;
        break;  // the rows after a wrong one say nothing new
      }
    }
  }
  EXPECT_EQ(series, RealPinouts().size());
}

}  // namespace
}  // namespace logivane
