// Memories: a RAM written and read with switches, a ROM used as a lookup table, and a register
// file.

#include "ExampleParts.h"
#include "Examples.h"
#include "Layout.h"
#include "LibraryPart.h"
#include "Panel.h"
#include "simulation/cMemory.h"
#include "simulation/cinput.h"

namespace logivane::examples {

namespace {

/// The bits of `value`, highest first, each as wide as a heading such as "A3 ".
QString BitsOf(int value, int count) {
  QString bits;
  for (int bit = count - 1; bit >= 0; --bit) {
    bits += QString::number(value >> bit & 1) + QStringLiteral("  ");
  }
  return bits;
}

std::unique_ptr<TMacro> RamExample() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);
  // The inputs stand level with the pins they drive, so each reaches the RAM straight.
  const TPlacedPart ram(c, QStringLiteral("ram16x4"), 300, 180);
  const QString names[] = {QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("A2"),
                           QStringLiteral("A3"), QStringLiteral("D0"), QStringLiteral("D1"),
                           QStringLiteral("D2"), QStringLiteral("D3"), QStringLiteral("write")};
  const QString pins[] = {QStringLiteral("A0"),   QStringLiteral("A1"),   QStringLiteral("A2"),
                          QStringLiteral("A3"),   QStringLiteral("DIN0"), QStringLiteral("DIN1"),
                          QStringLiteral("DIN2"), QStringLiteral("DIN3"), QStringLiteral("WE")};
  TNumericDevice* address = NewDisplay(c, 150, 330, 4, QStringLiteral("address"));
  ApproachDisplay(layout, *address, 4, 280);
  for (int i = 0; i < 9; ++i) {
    TInteractiveInput* input = NewInput(c, 60, 100 + 20 * i, names[i]);
    if (i < 4) {
      layout.Net(*input->Pin(0), {&ram[pins[i]], address->Pin(i)});
    } else {
      layout.Net(*input->Pin(0), {&ram[pins[i]]});
    }
  }
  TNumericDevice* data = NewDisplay(c, 480, 300, 4, QStringLiteral("data"));
  ApproachDisplay(layout, *data, 4, 200);
  for (int i = 0; i < 4; ++i) {
    layout.Net(ram.Bit(QStringLiteral("DOUT"), i), {data->Pin(i)});
  }
  layout.Route();
  root->Reset();
  return root;
}

QString RamTable() {
  return QStringLiteral(
      "# RAM: a word is written while write is high and read back once it is low; the data\n"
      "# display shows 0 while writing\n"
      "A3 A2 A1 A0 D3 D2 D1 D0 write | address data\n"
      "0  0  1  1  0  0  0  0  0     | 3       0   # the RAM starts empty\n"
      "0  0  1  1  0  1  0  1  1     | 3       0   # write 5 at address 3\n"
      "X  X  X  X  X  X  X  X  0     | 3       5\n"
      "1  0  1  0  1  1  0  0  1     | 10      0   # write 12 at address 10\n"
      "X  X  X  X  X  X  X  X  0     | 10      12\n"
      "0  0  1  1  1  1  1  1  0     | 3       5   # reading ignores D3 to D0\n"
      "0  0  0  0  X  X  X  X  0     | 0       0\n"
      "0  0  1  1  1  0  0  1  1     | 3       0   # write 9 over the 5\n"
      "X  X  X  X  X  X  X  X  0     | 3       9\n"
      "1  0  1  0  X  X  X  X  0     | 10      12\n");
}

std::unique_ptr<TMacro> RomSquaresExample() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);
  auto table = std::make_unique<TMemoryDevice>();
  table->BuildSymbol(false, 4, 8);
  for (int n = 0; n < 16; ++n) {
    table->SetWord(n * n, n);
  }
  TMemoryDevice* rom = PlaceBuilt(c, std::move(table), 260, 200);
  auto* selected = Place<TGround>(c, 275, 265);
  Wire(c, *selected->Pin(0), *rom->Pin(rom->ChipSelectPin()));

  TNumericDevice* number = NewDisplay(c, 160, 300, 4, QStringLiteral("n"));
  ApproachDisplay(layout, *number, 4, 250);
  for (int bit = 3; bit >= 0; --bit) {
    TInteractiveInput* input = NewInput(c, 60, 140 - 20 * bit, QStringLiteral("A%1").arg(bit));
    // The address pins run from A3 at the top.
    layout.Net(*input->Pin(0), {rom->Pin(3 - bit), number->Pin(bit)});
  }
  TNumericDevice* square = NewDisplay(c, 470, 350, 8, QStringLiteral("square"));
  ApproachDisplay(layout, *square, 8, 260);
  for (int bit = 0; bit < 8; ++bit) {
    layout.Net(*rom->Pin(rom->FirstDataPin() + 7 - bit), {square->Pin(bit)});
  }
  layout.Route();
  root->Reset();
  return root;
}

QString RomSquaresTable() {
  QString table = QStringLiteral(
      "# ROM lookup table: the word at each address is the square of the address\n"
      "A3 A2 A1 A0 | n  square\n");
  for (int n = 0; n < 16; ++n) {
    table += BitsOf(n, 4) + QStringLiteral("| %1 %2\n").arg(n, -2).arg(n * n);
  }
  return table;
}

std::unique_ptr<TMacro> RegisterFileExample() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);
  // The write decoder clocks the register that W1 W0 select when write rises.
  const TPlacedPart decoder(c, QStringLiteral("decoder2"), 220, 0);
  const QString writeNames[] = {QStringLiteral("W0"), QStringLiteral("W1"),
                                QStringLiteral("write")};
  const QString decoderPins[] = {QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("EN")};
  for (int i = 0; i < 3; ++i) {
    TInteractiveInput* input = NewInput(c, 60, -30 + 20 * i, writeNames[i]);
    layout.Net(*input->Pin(0), {&decoder[decoderPins[i]]});
  }
  std::vector<TPlacedPart> registers;
  std::vector<TPlacedPart> selectors;
  for (int r = 0; r < 4; ++r) {
    registers.emplace_back(c, QStringLiteral("register4"), 400, 120 + 200 * r);
    // Each multiplexer's select pins pass the registers through the gap below one of them.
    selectors.emplace_back(c, QStringLiteral("mux4"), 700, 170 + 200 * r);
    layout.Net(decoder.Bit(QStringLiteral("Y"), r), {&registers.back()[QStringLiteral("CLK")]});
  }
  for (int bit = 0; bit < 4; ++bit) {
    TInteractiveInput* input = NewInput(c, 60, 70 + 20 * bit, QStringLiteral("D%1").arg(bit));
    const QString pin = QStringLiteral("D%1").arg(bit);
    layout.Net(*input->Pin(0),
               {&registers[0][pin], &registers[1][pin], &registers[2][pin], &registers[3][pin]});
  }
  for (int s = 0; s < 2; ++s) {
    TInteractiveInput* input = NewInput(c, 60, 200 + 20 * s, QStringLiteral("R%1").arg(s));
    const QString pin = QStringLiteral("S%1").arg(s);
    layout.Net(*input->Pin(0),
               {&selectors[0][pin], &selectors[1][pin], &selectors[2][pin], &selectors[3][pin]});
  }
  // Multiplexer n reads bit n of every register.
  for (int r = 0; r < 4; ++r) {
    for (int bit = 0; bit < 4; ++bit) {
      layout.Net(registers[static_cast<std::size_t>(r)].Bit(QStringLiteral("Q"), bit),
                 {&selectors[static_cast<std::size_t>(bit)].Bit(QStringLiteral("D"), r)});
    }
  }
  TNumericDevice* read = NewDisplay(c, 900, 910, 4, QStringLiteral("read"));
  ApproachDisplay(layout, *read, 4, 850);
  for (int bit = 0; bit < 4; ++bit) {
    layout.Net(selectors[static_cast<std::size_t>(bit)][QStringLiteral("Y")], {read->Pin(bit)});
  }
  layout.Route();
  root->Reset();
  return root;
}

QString RegisterFileTable() {
  // The switches are set first and write pulsed after, as on the bench: a register's clock
  // must not rise while the address that selects it is still changing.
  return QStringLiteral(
      "# register file: a pulse on write stores D3 to D0 in the register W1 W0 selects; the\n"
      "# read display shows the register R1 R0 selects\n"
      "D3 D2 D1 D0 W1 W0 write R1 R0 | read\n"
      "0  1  0  1  0  1  0     0  1  | 0    # nothing is stored before the pulse\n"
      "X  X  X  X  X  X  C     X  X  | 5    # register 1 takes 5\n"
      "1  0  0  1  1  0  0     1  0  | 0\n"
      "X  X  X  X  X  X  C     X  X  | 9    # register 2 takes 9\n"
      "1  1  1  0  1  1  0     1  1  | 0\n"
      "X  X  X  X  X  X  C     X  X  | 14   # register 3 takes 14\n"
      "0  0  1  1  0  0  0     0  0  | 0\n"
      "X  X  X  X  X  X  C     X  X  | 3    # register 0 takes 3\n"
      "X  X  X  X  X  X  0     0  1  | 5\n"
      "X  X  X  X  X  X  0     1  0  | 9\n"
      "X  X  X  X  X  X  0     1  1  | 14\n"
      "1  1  1  1  0  1  0     0  1  | 5    # changing D3 to D0 alone stores nothing\n"
      "X  X  X  X  X  X  C     X  X  | 15\n"
      "X  X  X  X  X  X  0     1  0  | 9    # the others keep theirs\n"
      "X  X  X  X  X  X  0     0  0  | 3\n");
}

}  // namespace

std::span<const TExample> MemoryExamples() {
  static constexpr char Folder[] = "5 Memory";
  static constexpr TExample examples[] = {
      {Folder, "ram.lvm", "RAM: writing and reading",
       "Set an address on A3 to A0 and a word on D3 to D0, then press write and let go.\n"
       "Change the address and come back: the RAM keeps each word where it was written.",
       &RamExample, &RamTable},
      {Folder, "rom-squares.lvm", "ROM: a table of squares",
       "Set a number n on A3 to A0: the ROM looks up its square, stored in the file.\n"
       "A ROM can stand in for any circuit of its address bits.",
       &RomSquaresExample, &RomSquaresTable},
      {Folder, "register-file.lvm", "Register file",
       "Set D3 to D0 and pick a register with W1 W0, then press write to store the word.\n"
       "R1 R0 choose which of the four registers the read display shows.",
       &RegisterFileExample, &RegisterFileTable},
  };
  return examples;
}

}  // namespace logivane::examples
