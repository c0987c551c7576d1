// A small computer: an 8-bit accumulator machine built from the library's macros, running a
// program held in a ROM.

#include "ExampleParts.h"
#include "Examples.h"
#include "Layout.h"
#include "LibraryPart.h"
#include "Panel.h"
#include "document/cGText.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cGateDevice.h"
#include "simulation/cMemory.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <algorithm>
#include <array>

namespace logivane::examples {

namespace {

// Each program word is an opcode byte over an operand byte. Every bit of the opcode drives one
// control line, so the machine needs no instruction decoder.
constexpr int WriteBit = 8;       // the accumulator takes the ALU's result
constexpr int SubtractBit = 9;    // the ALU subtracts the operand instead of adding it
constexpr int JumpBit = 10;       // the program counter takes the operand
constexpr int IfNotZeroBit = 11;  // ... but only while the accumulator is not 0
constexpr int HaltBit = 12;       // the program counter stops

constexpr int Add = 1 << WriteBit;
constexpr int Sub = Add | 1 << SubtractBit;
constexpr int Jmp = 1 << JumpBit;
constexpr int Jnz = Jmp | 1 << IfNotZeroBit;
constexpr int Hlt = 1 << HaltBit;

struct TInstruction {
  int Word;
  const char* Mnemonic;
  const char* Comment;
};

/// Counts down from 5 to 0, then adds 100 and 23 and halts with 123. The accumulator starts at
/// 0, so the first ADD loads it.
constexpr std::array<TInstruction, 8> Program = {{
    {Add | 5, "ADD 5", "start the count at 5"},
    {Sub | 1, "SUB 1", "count down by one"},
    {Jnz | 1, "JNZ 1", "back to 1 until the count is 0"},
    {Add | 100, "ADD 100", "then add 100"},
    {Add | 23, "ADD 23", "and 23"},
    {Jmp | 7, "JMP 7", "jump over address 6"},
    {Add | 99, "ADD 99", "never runs"},
    {Hlt, "HLT", "stop with 123 in acc"},
}};

constexpr int RomX = 1140;
constexpr int RomY = 420;

/// A new annotation of `text` with its top left corner at (left, top); returns its height.
int AddNote(TMacro& c, const QString& text, int left, int top, bool bold = false) {
  auto note = std::make_unique<TGraphicText>();
  note->SetText(text);
  note->SetBold(bold);
  const TRect bounds = note->GetBounds();
  note->Translate(static_cast<float>(left - bounds.Left), static_cast<float>(top - bounds.Top));
  note->Remap();
  AddObject(c, std::move(note));
  return bounds.Bottom - bounds.Top;
}

/// The listing of the program, one annotation per cell so that its columns line up in any
/// font: address, word in hexadecimal, instruction and comment.
void AddListing(TMacro& c, int left, int top) {
  constexpr int Columns[] = {0, 40, 90, 170};
  top += AddNote(c, QStringLiteral("The program in the ROM"), left, top, true) + 4;
  const auto row = [&](const QStringList& cells) {
    int height = 0;
    for (qsizetype i = 0; i < cells.size(); ++i) {
      height = std::max(height, AddNote(c, cells[i], left + Columns[i], top));
    }
    top += height;
  };
  row({QStringLiteral("addr"), QStringLiteral("word"), QStringLiteral("instruction"),
       QStringLiteral("comment")});
  for (std::size_t address = 0; address < Program.size(); ++address) {
    const TInstruction& line = Program[address];
    row({QString::number(address),
         QStringLiteral("%1").arg(line.Word, 4, 16, QLatin1Char('0')).toUpper(),
         QString::fromLatin1(line.Mnemonic), QString::fromLatin1(line.Comment)});
  }
  AddNote(c,
          QStringLiteral("Opcodes: ADD 01, SUB 03, JMP 04, JNZ 0C, HLT 10; each bit is one "
                         "control line."),
          left, top + 4);
}

/// The ROM holding `Program`, selected for good by a ground on its chip select.
TMemoryDevice* PlaceRom(TMacro& c) {
  auto program = std::make_unique<TMemoryDevice>();
  program->BuildSymbol(false, 4, 16);
  for (std::size_t address = 0; address < Program.size(); ++address) {
    program->SetWord(Program[address].Word, static_cast<int>(address));
  }
  auto* rom = PlaceBuilt(c, std::move(program), RomX, RomY);
  auto* selected = Place<TGround>(c, RomX + 15, RomY + 105);
  Wire(c, *selected->Pin(0), *rom->Pin(rom->ChipSelectPin()));
  return rom;
}

template <class T>
T* Labelled(TMacro& c, int x, int y, const QString& label, std::int32_t position) {
  auto* device = Place<T>(c, x, y);
  device->SetLabelText(label);
  device->SetLabelPosition(position);
  device->Recorded = true;
  return device;
}

std::vector<TPlacedPart> PlaceMuxes(TMacro& c) {
  std::vector<TPlacedPart> muxes;
  for (int i = 0; i < 4; ++i) {
    muxes.emplace_back(c, QStringLiteral("mux2"), 720, 330 + 80 * i);
  }
  return muxes;
}

/// The machine's parts, placed column by column in the order the signals take, and the nets
/// that join them.
class TComputer {
public:
  explicit TComputer(TMacro& c) : C(c), Layout(c) {}

  void WireProgramCounter() {
    Layout.Net(*Clock->Pin(0), {FallingEdge->Pin(1), WriteClock->Pin(2)});
    Layout.Net(*FallingEdge->Pin(0), {&Pc["CLK"]});
    Layout.Net(*NotHalt->Pin(0), {&Increment["CIN"]});
    Layout.Net(*Zero->Pin(0),
               {&Increment["B0"], &Increment["B1"], &Increment["B2"], &Increment["B3"]});
    ApproachDisplay(Layout, *PcDisplay, 4, 540);
    for (int i = 0; i < 4; ++i) {
      const TPlacedPart& mux = Muxes[static_cast<std::size_t>(i)];
      Layout.Net(Increment.Bit("S", i), {&mux["D0"]});
      Layout.Net(mux["Y"], {&Pc.Bit("D", i)});
      Layout.Net(Pc.Bit("Q", i), {Rom->Pin(3 - i), &Increment.Bit("A", i), PcDisplay->Pin(i)});
    }
  }

  /// The operand, whose low half is also the jump address, and the control lines.
  void WireProgramWord() {
    for (int i = 0; i < 4; ++i) {
      Layout.Net(Data(i), {&InvertLow.Bit("A", i), &Muxes[static_cast<std::size_t>(i)]["D1"]});
      Layout.Net(Data(4 + i), {&InvertHigh.Bit("A", i)});
    }
    Layout.Net(Data(WriteBit), {WriteClock->Pin(1)});
    Layout.Net(Data(SubtractBit), {&InvertLow["INV"], &InvertHigh["INV"], &AddLow["CIN"]});
    Layout.Net(Data(JumpBit), {Jump->Pin(2)});
    Layout.Net(Data(IfNotZeroBit), {Always->Pin(1)});
    Layout.Net(Data(HaltBit), {Halted->Pin(0), NotHalt->Pin(1)});
  }

  void WireAccumulator() {
    for (int i = 0; i < 4; ++i) {
      Layout.Net(InvertLow.Bit("Y", i), {&AddLow.Bit("B", i)});
      Layout.Net(InvertHigh.Bit("Y", i), {&AddHigh.Bit("B", i)});
    }
    Layout.Net(AddLow["COUT"], {&AddHigh["CIN"]});
    Layout.Net(*WriteClock->Pin(0), {&AccLow["CLK"], &AccHigh["CLK"]});
    ApproachDisplay(Layout, *AccDisplay, 8, 920);
    for (int i = 0; i < 4; ++i) {
      Layout.Net(AddLow.Bit("S", i), {&AccLow.Bit("D", i)});
      Layout.Net(AddHigh.Bit("S", i), {&AccHigh.Bit("D", i)});
      Layout.Net(AccLow.Bit("Q", i), {&AddLow.Bit("A", i), AnyLow->Pin(4 - i), AccDisplay->Pin(i)});
      Layout.Net(AccHigh.Bit("Q", i),
                 {&AddHigh.Bit("A", i), AnyHigh->Pin(4 - i), AccDisplay->Pin(4 + i)});
    }
  }

  void WireJump() {
    Layout.Net(*AnyLow->Pin(0), {Taken->Pin(3)});
    Layout.Net(*Always->Pin(0), {Taken->Pin(2)});
    Layout.Net(*AnyHigh->Pin(0), {Taken->Pin(1)});
    Layout.Net(*Taken->Pin(0), {Jump->Pin(1)});
    Layout.Net(*Jump->Pin(0), {&Muxes[0]["S"], &Muxes[1]["S"], &Muxes[2]["S"], &Muxes[3]["S"]});
    Layout.Route();
  }

private:
  TPin& Data(int bit) const { return *Rom->Pin(Rom->FirstDataPin() + 15 - bit); }

  TMacro& C;
  TLayout Layout;
  TClockDevice* Clock =
      Labelled<TClockDevice>(C, 40, 60, QStringLiteral("clock"), TTextDevice::LabelLeft);
  // The program counter takes the next address on the falling clock edge: its own value plus
  // one, or on a jump the operand.
  TNotGate* FallingEdge = Place<TNotGate>(C, 820, 150);
  TNotGate* NotHalt = Place<TNotGate>(C, 360, 250);
  TGround* Zero = Place<TGround>(C, 420, 440);
  TPlacedPart Increment{C, QStringLiteral("adder4"), 520, 420};
  std::vector<TPlacedPart> Muxes = PlaceMuxes(C);
  TPlacedPart Pc{C, QStringLiteral("register4"), 920, 450};
  TNumericDevice* PcDisplay = NewDisplay(C, 1030, 600, 4, QStringLiteral("PC"));
  TMemoryDevice* Rom = PlaceRom(C);
  TLEDDevice* Halted =
      Labelled<TLEDDevice>(C, 1300, 200, QStringLiteral("halted"), TTextDevice::LabelRight);
  // The ALU adds the operand, or its two's complement: the inverters flip it and the carry
  // into the low adder adds the one.
  TPlacedPart InvertLow{C, QStringLiteral("inverter4"), 1380, 600};
  TPlacedPart InvertHigh{C, QStringLiteral("inverter4"), 1380, 800};
  TPlacedPart AddLow{C, QStringLiteral("adder4"), 1620, 610};
  TPlacedPart AddHigh{C, QStringLiteral("adder4"), 1860, 860};
  T2AndGate* WriteClock = Place<T2AndGate>(C, 1960, 70);
  TPlacedPart AccLow{C, QStringLiteral("register4"), 2080, 570};
  TPlacedPart AccHigh{C, QStringLiteral("register4"), 2080, 830};
  TNumericDevice* AccDisplay = NewDisplay(C, 2300, 1010, 8, QStringLiteral("acc"));
  // A jump is taken unless it is conditional and the accumulator is 0.
  T4OrGate* AnyLow = Place<T4OrGate>(C, 2300, 550);
  T4OrGate* AnyHigh = Place<T4OrGate>(C, 2300, 810);
  TNotGate* Always = Place<TNotGate>(C, 2300, 300);
  T3OrGate* Taken = Place<T3OrGate>(C, 2460, 560);
  T2AndGate* Jump = Place<T2AndGate>(C, 2620, 400);
};

std::unique_ptr<TMacro> SmallComputer() {
  auto root = NewCircuit();
  TComputer computer(*root);
  computer.WireProgramCounter();
  computer.WireProgramWord();
  computer.WireAccumulator();
  computer.WireJump();
  AddListing(*root, 60, 680);
  AddNote(*root, QStringLiteral("Program counter: PC + 1, or on a jump the operand's low half"),
          470, 650);
  AddNote(*root, QStringLiteral("ALU: acc + operand, or acc - operand on SUB"), 1330, 960);
  root->Reset();
  return root;
}

QString SmallComputerTable() {
  // One row per clock cycle: the instruction at PC has just run.
  return QStringLiteral(
      "# small computer: each clock cycle of two steps runs one instruction; the rows show the\n"
      "# address of the instruction that ran and the accumulator after it\n"
      "| PC acc halted\n"
      "steps 2\n"
      "| 0  5   0\n"
      "| 1  4   0\n"
      "| 2  4   0\n"
      "| 1  3   0\n"
      "| 2  3   0\n"
      "| 1  2   0\n"
      "| 2  2   0\n"
      "| 1  1   0\n"
      "| 2  1   0\n"
      "| 1  0   0\n"
      "| 2  0   0   # the count is 0: no jump\n"
      "| 3  100 0\n"
      "| 4  123 0\n"
      "| 5  123 0\n"
      "| 7  123 1   # address 6 was jumped over\n"
      "repeat 3\n"
      "  | 7  123 1\n");
}

}  // namespace

std::span<const TExample> ComputerExamples() {
  static constexpr char Folder[] = "6 A small computer";
  static constexpr TExample examples[] = {
      {Folder, "accumulator-machine.lvm", "An 8-bit accumulator machine",
       "Press Run: each clock cycle runs one instruction of the program listed below.\n"
       "Watch PC and acc: it counts down from 5, adds 100 and 23, and halts with 123.",
       &SmallComputer, &SmallComputerTable},
  };
  return examples;
}

}  // namespace logivane::examples
