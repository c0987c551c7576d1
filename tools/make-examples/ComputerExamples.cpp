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

std::unique_ptr<TMacro> SmallComputer() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);

  auto* clock = Place<TClockDevice>(c, 40, 60);
  clock->SetLabelText(QStringLiteral("clock"));
  clock->Recorded = true;

  // The program counter: a register that takes the next address on the falling clock edge,
  // either its own value plus one or, on a jump, the operand.
  auto* fallingEdge = Place<TNotGate>(c, 820, 150);
  auto* notHalt = Place<TNotGate>(c, 360, 250);
  auto* ground = Place<TGround>(c, 420, 440);
  const TPlacedPart increment(c, QStringLiteral("adder4"), 520, 420);
  std::vector<TPlacedPart> muxes;
  for (int i = 0; i < 4; ++i) {
    muxes.emplace_back(c, QStringLiteral("mux2"), 720, 330 + 80 * i);
  }
  const TPlacedPart pc(c, QStringLiteral("register4"), 920, 450);
  TNumericDevice* pcDisplay = NewDisplay(c, 1030, 600, 4, QStringLiteral("PC"));

  auto program = std::make_unique<TMemoryDevice>();
  program->BuildSymbol(false, 4, 16);
  for (std::size_t address = 0; address < Program.size(); ++address) {
    program->SetWord(Program[address].Word, static_cast<int>(address));
  }
  auto* rom = PlaceBuilt(c, std::move(program), RomX, RomY);
  auto* selected = Place<TGround>(c, RomX + 15, RomY + 105);
  Wire(c, *selected->Pin(0), *rom->Pin(rom->ChipSelectPin()));
  const auto data = [rom](int bit) -> TPin& {
    return *rom->Pin(rom->FirstDataPin() + 15 - bit);
  };

  auto* halted = Place<TLEDDevice>(c, 1300, 200);
  halted->SetLabelText(QStringLiteral("halted"));
  halted->SetLabelPosition(TTextDevice::LabelRight);
  halted->Recorded = true;

  // The ALU adds the operand, or its two's complement: the inverters flip it and the carry
  // into the low adder adds the one.
  const TPlacedPart invertLow(c, QStringLiteral("inverter4"), 1380, 600);
  const TPlacedPart invertHigh(c, QStringLiteral("inverter4"), 1380, 800);
  const TPlacedPart addLow(c, QStringLiteral("adder4"), 1620, 610);
  const TPlacedPart addHigh(c, QStringLiteral("adder4"), 1860, 860);
  auto* writeClock = Place<T2AndGate>(c, 1960, 70);
  const TPlacedPart accLow(c, QStringLiteral("register4"), 2080, 570);
  const TPlacedPart accHigh(c, QStringLiteral("register4"), 2080, 830);
  TNumericDevice* accDisplay = NewDisplay(c, 2300, 1010, 8, QStringLiteral("acc"));

  // A jump is taken unless it is conditional and the accumulator is 0.
  auto* anyLow = Place<T4OrGate>(c, 2300, 550);
  auto* anyHigh = Place<T4OrGate>(c, 2300, 810);
  auto* always = Place<TNotGate>(c, 2300, 300);
  auto* taken = Place<T3OrGate>(c, 2460, 560);
  auto* jump = Place<T2AndGate>(c, 2620, 400);

  layout.Net(*clock->Pin(0), {fallingEdge->Pin(1), writeClock->Pin(2)});
  layout.Net(*fallingEdge->Pin(0), {&pc["CLK"]});
  layout.Net(*notHalt->Pin(0), {&increment["CIN"]});
  layout.Net(*ground->Pin(0),
             {&increment["B0"], &increment["B1"], &increment["B2"], &increment["B3"]});
  ApproachDisplay(layout, *pcDisplay, 4, 540);
  for (int i = 0; i < 4; ++i) {
    const TPlacedPart& mux = muxes[static_cast<std::size_t>(i)];
    layout.Net(increment.Bit("S", i), {&mux["D0"]});
    layout.Net(mux["Y"], {&pc.Bit("D", i)});
    layout.Net(pc.Bit("Q", i), {rom->Pin(3 - i), &increment.Bit("A", i), pcDisplay->Pin(i)});
  }
  // The operand: its low half is also the jump address.
  for (int i = 0; i < 4; ++i) {
    const TPlacedPart& mux = muxes[static_cast<std::size_t>(i)];
    layout.Net(data(i), {&invertLow.Bit("A", i), &mux["D1"]});
    layout.Net(data(4 + i), {&invertHigh.Bit("A", i)});
  }
  layout.Net(data(WriteBit), {writeClock->Pin(1)});
  layout.Net(data(SubtractBit), {&invertLow["INV"], &invertHigh["INV"], &addLow["CIN"]});
  layout.Net(data(JumpBit), {jump->Pin(2)});
  layout.Net(data(IfNotZeroBit), {always->Pin(1)});
  layout.Net(data(HaltBit), {halted->Pin(0), notHalt->Pin(1)});
  for (int i = 0; i < 4; ++i) {
    layout.Net(invertLow.Bit("Y", i), {&addLow.Bit("B", i)});
    layout.Net(invertHigh.Bit("Y", i), {&addHigh.Bit("B", i)});
  }
  layout.Net(addLow["COUT"], {&addHigh["CIN"]});
  layout.Net(*writeClock->Pin(0), {&accLow["CLK"], &accHigh["CLK"]});
  ApproachDisplay(layout, *accDisplay, 8, 920);
  for (int i = 0; i < 4; ++i) {
    layout.Net(addLow.Bit("S", i), {&accLow.Bit("D", i)});
    layout.Net(addHigh.Bit("S", i), {&accHigh.Bit("D", i)});
    layout.Net(accLow.Bit("Q", i), {&addLow.Bit("A", i), anyLow->Pin(4 - i), accDisplay->Pin(i)});
    layout.Net(accHigh.Bit("Q", i),
               {&addHigh.Bit("A", i), anyHigh->Pin(4 - i), accDisplay->Pin(4 + i)});
  }
  layout.Net(*anyLow->Pin(0), {taken->Pin(3)});
  layout.Net(*always->Pin(0), {taken->Pin(2)});
  layout.Net(*anyHigh->Pin(0), {taken->Pin(1)});
  layout.Net(*taken->Pin(0), {jump->Pin(1)});
  layout.Net(*jump->Pin(0), {&muxes[0]["S"], &muxes[1]["S"], &muxes[2]["S"], &muxes[3]["S"]});
  layout.Route();
  AddListing(c, 60, 680);
  AddNote(c, QStringLiteral("Program counter: PC + 1, or on a jump the operand's low half"), 470,
          650);
  AddNote(c, QStringLiteral("ALU: acc + operand, or acc - operand on SUB"), 1330, 960);
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
