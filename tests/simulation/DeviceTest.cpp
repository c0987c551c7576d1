// The library devices as their datasheets describe them, each on its own.

#include "TestHelpers.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cInteractive.h"
#include "simulation/cMacro.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace logivane {
namespace {

using test::ExpectRows;

std::unique_ptr<TGateDevice> MakeGate(const std::string& name) {
  const auto factory = TClassRegistry::Find(name.c_str(), name.size());
  return std::unique_ptr<TGateDevice>(dynamic_cast<TGateDevice*>(factory()));
}

TEST(Gates, FollowTheirTruthTablesOnEveryInput) {
  // The wider gates: every row of inputs, pin 1 the most significant bit.
  for (const char* family : {"And", "Nand", "Or", "Nor"}) {
    for (const int inputs : {2, 3, 4}) {
      std::vector<int> pins;
      for (int k = 1; k <= inputs; ++k) {
        pins.push_back(k);
      }
      std::vector<std::vector<TLevel>> rows;
      const unsigned all = (1u << inputs) - 1;
      for (unsigned r = 0; r <= all; ++r) {
        std::vector<TLevel> row;
        for (int k = 1; k <= inputs; ++k) {
          row.push_back(static_cast<TLevel>(r >> (inputs - k) & 1));
        }
        const bool value = std::string_view(family).ends_with("nd") ? r == all : r != 0;
        row.push_back(value != (family[0] == 'N'));
        rows.push_back(row);
      }
      // Appended, not added to a literal, which GCC 12's optimiser wrongly warns about.
      const std::string name =
          std::string("T").append(std::to_string(inputs)).append(family).append("Gate");
      ExpectRows(*MakeGate(name), pins, {0}, rows);
    }
  }
  //          A  B  out; only the low bit of an input counts
  ExpectRows(*MakeGate("T2XorGate"), {1, 2}, {0},
             {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {3, 2, 1}});
  ExpectRows(*MakeGate("T2XnorGate"), {1, 2}, {0}, {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {1, 1, 1}});
  ExpectRows(*MakeGate("TNotGate"), {1}, {0}, {{0, 1}, {1, 0}, {2, 1}});
}

TEST(TriState, DrivesOnlyWhileEnabledAndOtherwiseLeavesTheNet) {
  TTriState buffer;
  //                    data enable  out
  ExpectRows(buffer, {0, 2}, {1}, {{1, 0, 0}, {1, 1, 1}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}});
}

TEST(FlipFlops, RSLatchHoldsAndResetWinsWhenBothAreHigh) {
  TRSFlipFlop latch;
  const int R = TRSFlipFlop::PinR, S = TRSFlipFlop::PinS;
  //                      R  S  Q  /Q
  ExpectRows(latch, {R, S}, {0, 1},
             {{0, 0, 0, 1},
              {0, 1, 1, 0},
              {0, 0, 1, 0},
              {1, 0, 0, 1},
              {0, 1, 1, 0},
              {1, 1, 0, 1},
              {0, 0, 0, 1},
              {0, 3, 1, 0}});
}

TEST(FlipFlops, DTakesDAsTheClockRisesAndPresetBeatsClear) {
  TDFlipFlop d;
  d.Reset();
  const int D = TDFlipFlop::PinData, C = TDFlipFlop::PinClock;
  const int Clr = TDFlipFlop::PinClear, Pre = TDFlipFlop::PinPreset;
  //                                D  C Clr Pre  Q  /Q
  ExpectRows(d, {D, C, Clr, Pre}, {0, 1},
             {{1, 0, 0, 0, 0, 1},  // the first evaluation clears
              {1, 1, 0, 0, 1, 0},  // rises: takes D as it was while low
              {0, 1, 0, 0, 1, 0},  // high: D is not looked at
              {0, 0, 0, 0, 1, 0},  // falls: nothing moves
              {1, 1, 0, 0, 0, 1},  // rises with the D of the low step
              {1, 0, 1, 1, 1, 0},  // preset wins over clear
              {0, 0, 1, 0, 0, 1},  // clear
              {1, 0, 0, 0, 0, 1},  // a low clock after clear holds
              {1, 1, 0, 0, 1, 0}});

  // The clear that follows a reset must not fall on a flip-flop the preset already set.
  d.Reset();
  ExpectRows(d, {D, C, Clr, Pre}, {0, 1},
             {{0, 0, 0, 1, 1, 0}, {0, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 1}});
}

TEST(FlipFlops, JKSetsResetsAndTogglesOnceAsTheClockFalls) {
  TJKFlipFlop jk;
  jk.Reset();
  const int J = TJKFlipFlop::PinData, K = TJKFlipFlop::PinK, C = TJKFlipFlop::PinClock;
  //                        J  K  C  Q  /Q
  ExpectRows(jk, {J, K, C}, {0, 1},
             {{1, 0, 0, 0, 1},  // the first evaluation clears
              {1, 0, 1, 0, 1},  // high: the master loads, the outputs hold
              {0, 0, 0, 1, 0},  // falls: set
              {1, 1, 1, 1, 0},  // toggle is loaded from the held outputs
              {1, 1, 0, 0, 1},  // falls: toggled once
              {1, 1, 1, 0, 1},
              {1, 1, 0, 1, 0},
              {0, 1, 1, 1, 0},
              {0, 1, 0, 0, 1},  // reset
              {0, 0, 1, 0, 1},
              {0, 0, 0, 0, 1}});  // hold
}

/// The levels a source drives on its next `steps` evaluations.
std::vector<TLevel> Levels(TDevice& source, int steps) {
  std::vector<TLevel> levels;
  for (int i = 0; i < steps; ++i) {
    source.Calculate();
    levels.push_back(source.Pin(0)->GetValue());
  }
  return levels;
}

TEST(Sources, PlayTheirSequencesFromEachResetAndAnInputTogglesAndPulses) {
  TClockDevice clock;
  EXPECT_EQ(Levels(clock, 4), (std::vector<TLevel>{0, 1, 0, 1}));

  TBitGenerator generator;
  EXPECT_EQ(Levels(generator, 3), (std::vector<TLevel>{0, 0, 0})) << "empty sequence";
  generator.SetSequence(QStringLiteral("110"));
  EXPECT_EQ(Levels(generator, 8), (std::vector<TLevel>{1, 1, 1, 1, 0, 0, 1, 1}));
  generator.Reset();
  EXPECT_EQ(Levels(generator, 2), (std::vector<TLevel>{1, 1}));

  // Digits drive their value; anything else drives 0, and no position reads past the end.
  clock.SetSequence(QStringLiteral("2x1\u00e9"));
  EXPECT_EQ(Levels(clock, 6), (std::vector<TLevel>{2, 0, 1, 0, 2, 0}));
  clock.Position = 99;
  EXPECT_EQ(Levels(clock, 1), (std::vector<TLevel>{2}));

  // An interactive input toggles on a press, which a reset keeps, and pulses.
  TInteractiveInput input;
  input.Press();
  EXPECT_EQ(Levels(input, 1), (std::vector<TLevel>{1}));
  input.Reset();
  EXPECT_EQ(Levels(input, 1), (std::vector<TLevel>{65535})) << "a press survives a reset";
  input.Press();
  input.Reset();
  EXPECT_EQ(Levels(input, 1), (std::vector<TLevel>{0}));

  input.Pulse = true;
  EXPECT_EQ(Levels(input, 6), (std::vector<TLevel>{1, 1, 0, 0, 1, 1}));
}

TEST(Indicators, SevenSegmentLightsForCathodeAndAnode) {
  TLEDSegmentDevice display;
  display.Reset();
  display.Pin(1)->Value = 1;  // the digit 1: segments b and c
  display.Pin(2)->Value = 1;
  EXPECT_TRUE(display.Calculate().Changed);
  EXPECT_EQ(display.Segments, (std::array<bool, 7>{0, 1, 1, 0, 0, 0, 0}));
  EXPECT_FALSE(display.Calculate().Changed);
  display.CommonCathode = false;
  display.Calculate();
  EXPECT_EQ(display.Segments, (std::array<bool, 7>{1, 0, 0, 1, 1, 1, 1}));
}

TEST(Indicators, NumericDisplayShowsEveryFormat) {
  using N = TNumericDevice;
  struct TRow {
    int Lines;
    std::int32_t Format;
    std::uint32_t Value;
    const char* Shown;
  };
  const TRow rows[] = {
      {4, N::FormatDecimal | N::FormatTwosComplement | N::FormatSuppressZeros, 15, "[0][0]-1"},
      {4, N::FormatDecimal, 15, "0015"},
      {8, N::FormatDecimal | N::FormatTwosComplement, 0x80, "0000-128"},
      {16, N::FormatHex, 0xFFFF, "000000000000FFFF"},
      {8, N::FormatHex | N::FormatSuppressZeros, 0x3A, "[0][0][0][0][0][0]3A"},
      {4, N::FormatBinary | N::FormatSuppressZeros, 0, "[0][0][0][0]"},
      {2, 0, 2, "10"},
  };
  for (const TRow& row : rows) {
    TNumericDevice display;
    display.SetPinCount(row.Lines);
    display.Format = row.Format;
    for (int k = 0; k < display.PinCount(); ++k) {
      display.Pin(k)->Value = static_cast<TLevel>(row.Value >> k & 1);
    }
    display.Calculate();
    display.UpdateDigits();
    QString shown;  // a dimmed digit in brackets
    for (int i = 0; i < display.PinCount(); ++i) {
      const TGraphicText& digit = display.Digit(i);
      shown += digit.TextColour == display.ZeroColour ? "[" + digit.Text + "]" : digit.Text;
    }
    EXPECT_EQ(shown, QString::fromLatin1(row.Shown)) << row.Lines << " " << row.Format;
  }
  TNumericDevice display;
  display.SetPinsAtBottom(true);
  display.SetPinCount(2);
  float x, y;
  display.Pin(0)->GetCentre(x, y);
  EXPECT_EQ(y, 15.0f) << "a rebuilt symbol keeps its pins at the bottom";
}

TEST(Indicators, TrimmingTheHistoryKeepsTheFirstSamplesOfLevelsAndValues) {
  TLEDDevice led;
  TNumericDevice display;
  for (const int value : {1, 0, 3, 2}) {
    led.Level = value & 1;
    led.RecordState();
    for (int k = 0; k < display.PinCount(); ++k) {
      display.Pin(k)->Value = value >> k & 1;
    }
    display.Calculate();
    display.RecordState();
  }
  led.TrimHistory(2);
  display.TrimHistory(2);
  EXPECT_EQ(led.History, "10");
  EXPECT_EQ(display.Values, (std::vector<std::uint16_t>{1, 0}));
  EXPECT_TRUE(display.History.isEmpty()) << "the file keeps no values";
  display.TrimHistory(5);
  EXPECT_EQ(display.SampleCount(), 2);
  display.Reset();
  EXPECT_EQ(display.SampleCount(), 0);
}

/// One step of a circuit around a memory: fresh drivers, control and address lines set, the
/// data lines set unless null, one evaluation. Returns the word on the data pins.
int Access(TMemoryDevice& memory, int cs, int rw, int address, int data = -1) {
  const int first = memory.FirstDataPin();
  for (int i = 0; i < memory.AddressWidth(); ++i) {
    memory.Pin(i)->Value = address >> (memory.AddressWidth() - 1 - i) & 1;
  }
  for (int i = 0; data >= 0 && i < memory.DataWidth(); ++i) {
    memory.Pin(first + i)->Value = data >> (memory.DataWidth() - 1 - i) & 1;
  }
  memory.Pin(memory.ChipSelectPin())->Value = cs;
  if (memory.IsRAM()) {
    memory.Pin(memory.ReadWritePin())->Value = rw;
  }
  memory.ClearDrivers();
  memory.Calculate();
  int value = 0;
  for (int i = 0; i < memory.DataWidth(); ++i) {
    value = value << 1 | memory.Pin(first + i)->Value;
  }
  return value;
}

enum : int { Write = 0, Read = 1 };

TEST(Memory, RamWritesAndReadsAndKeepsItsPinsWhileDeselected) {
  TMemoryDevice ram;
  ram.BuildSymbol(true, 4, 8);
  Access(ram, 0, Write, 1, 0x13);
  Access(ram, 0, Write, 12, 0x81);
  Access(ram, 0, Write, 12, 0xC4);
  EXPECT_EQ(Access(ram, 0, Read, 1), 0x13);
  EXPECT_EQ(Access(ram, 0, Read, 12), 0xC4);
  EXPECT_EQ(ram.LastAddress(), 12);
  EXPECT_EQ(Access(ram, 0, Read, 2), 0);
  EXPECT_EQ(Access(ram, 1, Write, 7, 0x66), 0x66) << "deselected: the pins keep their levels";
  EXPECT_EQ(ram.GetWord(7), 0);
  EXPECT_EQ(ram.LastAddress(), 2);
}

TEST(Memory, BuildingTheOrderOfAFreshlyReadCircuitWritesNothing) {
  // Read from a file, every pin is low: selected and writing, as far as the RAM can tell. A
  // level primes the levels inside it with a settle of theirs, which must not write either.
  TMacro root;
  auto* ram = root.Devices().Add(std::make_unique<TMemoryDevice>());
  ram->SetWord(0x5A, 0);
  TMacro* outer = test::AddSubCircuit(root, 0, 0, 0);
  TMacro* inner = test::AddSubCircuit(*outer, 0, 0, 0);
  auto* nestedRam = inner->Devices().Add(std::make_unique<TMemoryDevice>());
  nestedRam->SetWord(0xA5, 0);
  root.BuildEvalOrder();
  EXPECT_EQ(ram->GetWord(0), 0x5A);
  EXPECT_EQ(nestedRam->GetWord(0), 0xA5);
}

TEST(Memory, RomReadsWheneverSelectedAndDrivesOnlyItsDataWidth) {
  TMemoryDevice rom;
  rom.BuildSymbol(false, 4, 4);
  ASSERT_EQ(rom.PinCount(), 9);
  rom.SetWord(0x1F3, 3);  // wider than the bus, as a memory map may load
  EXPECT_EQ(Access(rom, 0, Write, 3), 0x3);
  EXPECT_EQ(rom.GetWord(3), 0x1F3);
}

TEST(Memory, BadSizesAndAddressesNeverReachPastThePinsOrWords) {
  TMemoryDevice ram;
  ram.BuildSymbol(true, 4, 4);
  for (const auto& [address, data] : {std::pair{3, 8}, std::pair{15, 8}, std::pair{8, 3}}) {
    EXPECT_THROW(ram.BuildSymbol(true, address, data), std::invalid_argument);
  }
  EXPECT_EQ(ram.PinCount(), 10);
  ram.SetWord(9, 16);
  EXPECT_EQ(ram.GetWord(-1), 0);
  EXPECT_EQ(ram.GetWord(16), 0);

  ram.AllocateContents(4);  // fewer words than the address pins reach
  ram.SetWord(0xF, 3);
  Access(ram, 0, Write, 12, 0xA);
  EXPECT_EQ(Access(ram, 0, Read, 12), 0);
  EXPECT_EQ(Access(ram, 0, Read, 3), 0xF);
  auto pins = ram.TakePins();
  EXPECT_FALSE(ram.Calculate().Changed);
}

TEST(Symbols, TextsOfFlipFlopAndMemorySymbolsShowNoBox) {
  TDFlipFlop d;
  TJKFlipFlop jk;
  TRSFlipFlop rs;
  TMemoryDevice memory;
  for (const TDevice* device : std::vector<const TDevice*>{&d, &jk, &rs, &memory}) {
    int texts = 0;
    for (int i = 0; i < device->Count(); ++i) {
      if (const auto* text = dynamic_cast<const TGraphicText*>(device->Child(i))) {
        EXPECT_FALSE(text->ShowBox) << device->ClassName() << " " << text->Text.toStdString();
        ++texts;
      }
    }
    EXPECT_GT(texts, 1) << device->ClassName();
  }
}

}  // namespace
}  // namespace logivane
