#include "simulation/SimTestHelpers.h"
#include "simulation/cGateDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace logivane {
namespace {

using test::ReadBack;
using test::WrittenObject;

const char* const GateClasses[] = {"TNotGate",   "T2AndGate",  "T3AndGate",  "T4AndGate",
                                   "T2NandGate", "T3NandGate", "T4NandGate", "T2OrGate",
                                   "T3OrGate",   "T4OrGate",   "T2NorGate",  "T3NorGate",
                                   "T4NorGate",  "T2XorGate",  "T2XnorGate"};

std::unique_ptr<TGateDevice> MakeGate(const char* name) {
  const auto factory = TClassRegistry::Find(name, std::strlen(name));
  EXPECT_NE(factory, nullptr) << name;
  return std::unique_ptr<TGateDevice>(dynamic_cast<TGateDevice*>(factory()));
}

/// Sets the inputs, from pin 1 on, to the bits of `row` (pin 1 the most significant) and
/// returns the level the gate drives.
TLevel Evaluate(TGateDevice& gate, unsigned row) {
  for (int k = 1; k <= gate.InputCount; ++k) {
    gate.Pin(k)->Value = static_cast<TLevel>(row >> (gate.InputCount - k) & 1);
  }
  gate.Calculate();
  return gate.Pin(0)->Value;
}

TEST(Gates, TwoInputGatesFollowTheirTruthTables) {
  struct TTable {
    const char* Name;
    TLevel Out[4];  // for inputs 00, 01, 10, 11
  };
  const TTable tables[] = {
      {"T2AndGate", {0, 0, 0, 1}}, {"T2NandGate", {1, 1, 1, 0}}, {"T2OrGate", {0, 1, 1, 1}},
      {"T2NorGate", {1, 0, 0, 0}}, {"T2XorGate", {0, 1, 1, 0}},  {"T2XnorGate", {1, 0, 0, 1}},
  };
  for (const TTable& table : tables) {
    const auto gate = MakeGate(table.Name);
    for (unsigned row = 0; row < 4; ++row) {
      EXPECT_EQ(Evaluate(*gate, row), table.Out[row]) << table.Name << " row " << row;
    }
  }
  TNotGate inverter;
  EXPECT_EQ(Evaluate(inverter, 0), 1);
  EXPECT_EQ(Evaluate(inverter, 1), 0);

  // Only the low bit of an input counts.
  T2AndGate gate;
  gate.Pin(1)->Value = 3;
  gate.Pin(2)->Value = 2;
  gate.Calculate();
  EXPECT_EQ(gate.Pin(0)->Value, 0);
}

TEST(Gates, WiderGatesCombineEveryInput) {
  struct TFamily {
    const char* Names[2];
    std::function<TLevel(unsigned row, unsigned all)> Out;
  };
  const TFamily families[] = {
      {{"T3AndGate", "T4AndGate"},
       [](unsigned r, unsigned all) {
         return TLevel(r == all);
       }},
      {{"T3NandGate", "T4NandGate"},
       [](unsigned r, unsigned all) {
         return TLevel(r != all);
       }},
      {{"T3OrGate", "T4OrGate"},
       [](unsigned r, unsigned) {
         return TLevel(r != 0);
       }},
      {{"T3NorGate", "T4NorGate"},
       [](unsigned r, unsigned) {
         return TLevel(r == 0);
       }},
  };
  for (const TFamily& family : families) {
    for (const char* name : family.Names) {
      const auto gate = MakeGate(name);
      const unsigned all = (1u << gate->InputCount) - 1;
      for (unsigned row = 0; row <= all; ++row) {
        EXPECT_EQ(Evaluate(*gate, row), family.Out(row, all)) << name << " row " << row;
      }
    }
  }
}

TEST(Gates, AnUnchangedOutputReportsNoChangeButStillStampsItsNet) {
  TMacro circuit;
  auto* inverter = test::Place<TNotGate>(circuit, 0, 0);
  auto* reader = test::Place<T2OrGate>(circuit, 100, 0);
  Connect(circuit, *inverter->Pin(0), *reader->Pin(1));

  EXPECT_TRUE(inverter->Calculate().Changed);
  EXPECT_EQ(reader->Pin(1)->Value, 1);
  circuit.SetVisited(false);
  reader->ClearDrivers();
  const SimResult again = inverter->Calculate();
  EXPECT_FALSE(again.Changed || again.Race || again.Contention || again.Culprit);
  EXPECT_EQ(reader->Pin(1)->Driver, inverter);
}

TEST(GateSymbols, PinsSitWhereTheLeadsEnd) {
  for (const char* name : GateClasses) {
    SCOPED_TRACE(name);
    const auto gate = MakeGate(name);
    EXPECT_FALSE(gate->CanResize);
    EXPECT_TRUE(gate->CanRotate);
    EXPECT_FALSE(gate->PinsVisible);
    ASSERT_EQ(gate->PinCount(), gate->InputCount + 1);
    EXPECT_EQ(gate->Pin(0)->Kind, PinOutput);

    // Every pin centre is the outer end of one lead.
    std::vector<QPoint> leadEnds;
    for (int i = 0; i < gate->Count(); ++i) {
      if (std::strcmp(gate->Child(i)->ClassName(), TPolyline::StaticClassName) == 0) {
        const auto* lead = static_cast<const TPolyline*>(gate->Child(i));
        leadEnds.push_back(lead->FirstPoint());
        leadEnds.push_back(lead->LastPoint());
      }
    }
    for (int i = 0; i < gate->PinCount(); ++i) {
      float x, y;
      gate->Pin(i)->GetCentre(x, y);
      EXPECT_NE(std::find(leadEnds.begin(), leadEnds.end(), QPoint(RoundToInt(x), RoundToInt(y))),
                leadEnds.end())
          << "pin " << i;
      EXPECT_EQ(gate->Pin(i)->Kind, i == 0 ? PinOutput : PinInput);
    }
  }
}

TEST(GateSymbols, FamiliesDifferInBodyBubbleAndLeads) {
  struct TExpected {
    const char* Name;
    int Shapes;
    const char* Help;
    float FirstInputY;
  };
  const TExpected expected[] = {
      {"TNotGate", 4, "GateInverter.htm", 0}, {"T2AndGate", 4, "GateAND.htm", 10},
      {"T3NandGate", 6, "GateNAND.htm", 10},  {"T4OrGate", 6, "GateOR.htm", 15},
      {"T2NorGate", 5, "GateNOR.htm", 10},    {"T2XorGate", 5, "GateXOR.htm", 10},
      {"T2XnorGate", 6, "GateXNOR.htm", 10},
  };
  for (const TExpected& e : expected) {
    SCOPED_TRACE(e.Name);
    const auto gate = MakeGate(e.Name);
    EXPECT_EQ(gate->Count(), e.Shapes);
    EXPECT_EQ(gate->HelpTopic, QString::fromLatin1(e.Help));
    float x, y;
    gate->Pin(1)->GetCentre(x, y);
    EXPECT_EQ(y, e.FirstInputY);
    EXPECT_EQ(x, std::strcmp(e.Name, "TNotGate") == 0 ? -20 : -30);
  }
  // The inner inputs of an OR stop at its hollow back, the outer ones reach round it.
  T4OrGate wide;
  const auto* outer = static_cast<const TPolyline*>(wide.Child(1));
  const auto* inner = static_cast<const TPolyline*>(wide.Child(2));
  EXPECT_EQ(outer->LastPoint(), QPoint(-17, 15));
  EXPECT_EQ(inner->LastPoint(), QPoint(-15, 5));
}

TEST(TriState, DrivesOnlyWhileEnabled) {
  TMacro circuit;
  auto* buffer = test::Place<TTriState>(circuit, 0, 0);
  auto* reader = test::Place<TNotGate>(circuit, 100, 0);
  Connect(circuit, *buffer->Pin(1), *reader->Pin(1));
  EXPECT_EQ(buffer->Pin(1)->Kind, PinTriState);

  buffer->Pin(0)->Value = 1;
  EXPECT_FALSE(buffer->Calculate().Changed);  // disabled: the net keeps its level
  EXPECT_EQ(reader->Pin(1)->Value, 0);

  buffer->Pin(2)->Value = 1;
  EXPECT_TRUE(buffer->Calculate().Changed);
  EXPECT_EQ(reader->Pin(1)->Value, 1);
  EXPECT_EQ(reader->Pin(1)->Driver, buffer);
  EXPECT_EQ(buffer->Pin(1)->Driver, nullptr);  // its own mark is gone for the next pass

  buffer->Pin(2)->Value = 0;
  buffer->Pin(0)->Value = 0;
  circuit.SetVisited(false);
  buffer->Calculate();
  EXPECT_EQ(reader->Pin(1)->Value, 1);
  EXPECT_FALSE(buffer->Contention);
}

TEST(GateFiles, EveryGateRoundTripsAndBehavesLikeANewOne) {
  for (const char* name : GateClasses) {
    SCOPED_TRACE(name);
    const auto gate = MakeGate(name);
    gate->Translate(40, -20);
    gate->Remap();
    const QByteArray bytes = WrittenObject(*gate);
    const auto copy = ReadBack<TGateDevice>(bytes);
    EXPECT_EQ(WrittenObject(*copy), bytes);
    EXPECT_EQ(copy->GetBounds(), gate->GetBounds());
    EXPECT_EQ(copy->InputCount, gate->InputCount);
    for (unsigned row = 0; row < (1u << gate->InputCount); ++row) {
      EXPECT_EQ(Evaluate(*copy, row), Evaluate(*gate, row));
    }
  }
  TTriState buffer;
  const QByteArray bytes = WrittenObject(buffer);
  EXPECT_EQ(WrittenObject(*ReadBack<TTriState>(bytes)), bytes);
}

TEST(GateFiles, AGateStoredWithTheWrongNumberOfPinsIsRefused) {
  T2AndGate small;
  T3AndGate wide;
  wide.SetPins(small.TakePins());
  const QByteArray bytes = WrittenObject(wide);
  EXPECT_THROW(ReadBack<T3AndGate>(bytes), EReadError);
  TTriState buffer;
  buffer.SetPins(std::make_unique<TGraphicList>());
  EXPECT_THROW(ReadBack<TTriState>(WrittenObject(buffer)), EReadError);
}

}  // namespace
}  // namespace logivane
