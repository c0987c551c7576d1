// Latches and registers, counters, memories and display decoders.

#include "PartHelpers.h"
#include "simulation/cFlipFlop.h"
#include "simulation/cMemory.h"

#include <array>

namespace logivane::library {

namespace {

const QString LatchFolder = QStringLiteral("Latches and Registers");
const QString CounterFolder = QStringLiteral("Counters");
const QString MemoryFolder = QStringLiteral("Memories and Displays");

/// Segments a to g of the digits 0 to F, segment a in the lowest bit.
constexpr std::array<int, 16> SegmentCodes = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                                              0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
const std::vector<QString> SegmentNames = {"a", "b", "c", "d", "e", "f", "g"};

/// `count` D flip-flops on one clock and clear line; their D pins are joined by the caller.
std::vector<TDFlipFlop*> Flops(TSchematic& s, int count, TNet clock, TNet clear) {
  std::vector<TDFlipFlop*> flops;
  for (int i = 0; i < count; ++i) {
    auto& flop = s.Add<TDFlipFlop>();
    s.Join(clock, *flop.Pin(TClockedFlipFlop::PinClock));
    s.Join(clear, *flop.Pin(TClockedFlipFlop::PinClear));
    flops.push_back(&flop);
  }
  return flops;
}

/// A JK flip-flop on `clock` and `clear` whose J and K are both `toggle`.
TJKFlipFlop& ToggleFlop(TSchematic& s, TNet toggle, TNet clock, TNet clear) {
  auto& flop = s.Add<TJKFlipFlop>();
  s.Join(toggle, *flop.Pin(TClockedFlipFlop::PinData));
  s.Join(toggle, *flop.Pin(TJKFlipFlop::PinK));
  s.Join(clock, *flop.Pin(TClockedFlipFlop::PinClock));
  s.Join(clear, *flop.Pin(TClockedFlipFlop::PinClear));
  return flop;
}

/// The table of a 4-bit counter on inputs CLK and CLR: cleared, then clocked through
/// `cycles` cycles, each state following from the last by `next`.
TFunctionTable CounterTable(bool rising, int cycles, int (*next)(int)) {
  TFunctionTable table{{"CLK", "CLR"}, Names("Q", 4), {}, true};
  Row(table, {rising ? 0 : 1, 1}, Bits(0, 4));
  int state = 0;
  for (int i = 0; i < cycles; ++i) {
    Cycle(table, {0, 0}, 0, rising, Bits(state, 4), Bits(next(state), 4));
    state = next(state);
  }
  return table;
}

std::unique_ptr<TMemoryDevice> Memory(bool isRAM, int addressWidth, int dataWidth) {
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(isRAM, addressWidth, dataWidth);
  memory->Remap();
  return memory;
}

/// A ROM decoding A0 to A3 to the segments a to g by `codes`.
void DrawSegmentDecoder(TSchematic& s, const std::array<int, 16>& codes) {
  const std::vector<TNet> a = Inputs(s, Names("A", 4));
  auto& rom = s.Add(Memory(false, 4, 8));
  for (int address = 0; address < 16; ++address) {
    rom.SetWord(codes[static_cast<std::size_t>(address)], address);
  }
  for (int bit = 0; bit < 4; ++bit) {
    s.Join(a[static_cast<std::size_t>(bit)], *rom.Pin(3 - bit));  // address pins run MSB first
  }
  s.Join(s.Low(), *rom.Pin(rom.ChipSelectPin()));
  for (int segment = 0; segment < 7; ++segment) {
    s.Out(SegmentNames[static_cast<std::size_t>(segment)],
          s.Drive(*rom.Pin(rom.FirstDataPin() + 7 - segment)));
  }
}

TFunctionTable SegmentTable(const std::array<int, 16>& codes) {
  return Truth({"A3", "A2", "A1", "A0"}, SegmentNames, [codes](const std::vector<int>& in) {
    const int digit = in[0] << 3 | in[1] << 2 | in[2] << 1 | in[3];
    return Bits(codes[static_cast<std::size_t>(digit)], 7);
  });
}

void AddLatches(std::vector<TPart>& parts) {
  parts.push_back(
      {LatchFolder, QStringLiteral("gated-sr-latch"), QStringLiteral("Gated SR Latch"),
       QStringLiteral("While EN is high, S sets Q high and R resets it low; R wins when both are "
                      "high. While EN is low the latch keeps its state. QN is the inverse of Q."),
       Sides({"S", "R", "EN"}, {"Q", "QN"}),
       [](TSchematic& s) {
         const TNet set = s.In("S"), reset = s.In("R"), enable = s.In("EN");
         auto& latch = s.Add<TRSFlipFlop>();
         s.Join(s.Gate<T2AndGate>({set, enable}), *latch.Pin(TRSFlipFlop::PinS));
         s.Join(s.Gate<T2AndGate>({reset, enable}), *latch.Pin(TRSFlipFlop::PinR));
         s.Out("Q", s.Drive(*latch.Pin(0)));
         s.Out("QN", s.Drive(*latch.Pin(1)));
       },
       [] {
         TFunctionTable t{{"S", "R", "EN"}, {"Q", "QN"}, {}, true};
         t.Rows = {{0, 0, 0, 0, 1}, {1, 0, 1, 1, 0}, {0, 0, 1, 1, 0}, {0, 1, 0, 1, 0},
                   {0, 1, 1, 0, 1}, {1, 0, 0, 0, 1}, {1, 0, 1, 1, 0}, {1, 1, 1, 0, 1}};
         return t;
       }});
  parts.push_back(
      {LatchFolder, QStringLiteral("d-latch"), QStringLiteral("Gated D Latch"),
       QStringLiteral("While EN is high Q follows D; when EN falls Q keeps the last level of D. "
                      "QN is the inverse of Q."),
       Sides({"D", "EN"}, {"Q", "QN"}),
       [](TSchematic& s) {
         const TNet d = s.In("D"), enable = s.In("EN");
         auto& latch = s.Add<TRSFlipFlop>();
         s.Join(s.Gate<T2AndGate>({d, enable}), *latch.Pin(TRSFlipFlop::PinS));
         s.Join(s.Gate<T2AndGate>({s.Not(d), enable}), *latch.Pin(TRSFlipFlop::PinR));
         s.Out("Q", s.Drive(*latch.Pin(0)));
         s.Out("QN", s.Drive(*latch.Pin(1)));
       },
       [] {
         TFunctionTable t{{"D", "EN"}, {"Q", "QN"}, {}, true};
         t.Rows = {{0, 0, 0, 1}, {1, 0, 0, 1}, {1, 1, 1, 0}, {0, 1, 0, 1},
                   {1, 1, 1, 0}, {0, 0, 1, 0}, {1, 0, 1, 0}, {0, 1, 0, 1}};
         return t;
       }});
  const auto registerInputs = Joined(Names("D", 4), {"CLK", "CLR"});
  parts.push_back(
      {LatchFolder, QStringLiteral("register4"), QStringLiteral("4-Bit Register"),
       QStringLiteral("On each rising edge of CLK the outputs Q0 to Q3 take the inputs D0 to D3 "
                      "and hold them until the next. CLR high clears the register at once."),
       Sides(registerInputs, Names("Q", 4)),
       [](TSchematic& s) {
         const std::vector<TNet> d = Inputs(s, Names("D", 4));
         const TNet clock = s.In("CLK"), clear = s.In("CLR");
         const std::vector<TDFlipFlop*> flops = Flops(s, 4, clock, clear);
         for (std::size_t i = 0; i < 4; ++i) {
           s.Join(d[i], *flops[i]->Pin(TClockedFlipFlop::PinData));
           s.Out(QStringLiteral("Q%1").arg(i), s.Drive(*flops[i]->Pin(0)));
         }
       },
       [registerInputs] {
         TFunctionTable t{registerInputs, Names("Q", 4), {}, true};
         Row(t, {0, 0, 0, 0, 0, 1}, Bits(0, 4));
         int held = 0;
         for (const int value : {5, 10, 15, 0, 9}) {
           std::vector<int> in = Bits(value, 4);
           in.insert(in.end(), {0, 0});
           Cycle(t, in, 4, true, Bits(held, 4), Bits(value, 4));
           held = value;
         }
         Row(t, {0, 1, 1, 0, 0, 1}, Bits(0, 4));
         return t;
       }});
  parts.push_back(
      {LatchFolder, QStringLiteral("shift-register4"), QStringLiteral("4-Bit Shift Register"),
       QStringLiteral("On each rising edge of CLK the bits move up one place: Q0 takes the "
                      "serial input SI and each Qn takes Qn-1. CLR high clears all four at once."),
       Sides({"SI", "CLK", "CLR"}, Names("Q", 4)),
       [](TSchematic& s) {
         TNet data = s.In("SI");
         const TNet clock = s.In("CLK"), clear = s.In("CLR");
         const std::vector<TDFlipFlop*> flops = Flops(s, 4, clock, clear);
         for (std::size_t i = 0; i < 4; ++i) {
           s.Join(data, *flops[i]->Pin(TClockedFlipFlop::PinData));
           data = s.Drive(*flops[i]->Pin(0));
           s.Out(QStringLiteral("Q%1").arg(i), data);
         }
       },
       [] {
         TFunctionTable t{{"SI", "CLK", "CLR"}, Names("Q", 4), {}, true};
         Row(t, {0, 0, 1}, Bits(0, 4));
         int state = 0;
         for (const int bit : {1, 0, 1, 1, 0, 0, 1, 0}) {
           const int next = (state << 1 | bit) & 15;
           Cycle(t, {bit, 0, 0}, 1, true, Bits(state, 4), Bits(next, 4));
           state = next;
         }
         return t;
       }});
  parts.push_back(
      {LatchFolder, QStringLiteral("t-flip-flop"), QStringLiteral("T Flip-Flop"),
       QStringLiteral("On each falling edge of CLK, Q changes over if T is high and holds if T is "
                      "low. CLR high clears Q at once. QN is the inverse of Q."),
       Sides({"T", "CLK", "CLR"}, {"Q", "QN"}),
       [](TSchematic& s) {
         const TNet toggle = s.In("T"), clock = s.In("CLK"), clear = s.In("CLR");
         TJKFlipFlop& flop = ToggleFlop(s, toggle, clock, clear);
         s.Out("Q", s.Drive(*flop.Pin(0)));
         s.Out("QN", s.Drive(*flop.Pin(1)));
       },
       [] {
         TFunctionTable t{{"T", "CLK", "CLR"}, {"Q", "QN"}, {}, true};
         Row(t, {0, 0, 1}, {0, 1});
         int q = 0;
         for (const int toggle : {1, 1, 0, 1, 0, 0, 1}) {
           const int next = q ^ toggle;
           Cycle(t, {toggle, 0, 0}, 1, false, {q, 1 - q}, {next, 1 - next});
           q = next;
         }
         return t;
       }});
}

void AddCounters(std::vector<TPart>& parts) {
  parts.push_back(
      {CounterFolder, QStringLiteral("counter4"), QStringLiteral("4-Bit Binary Counter"),
       QStringLiteral("Counts up from 0 to 15 and round again, one step on each falling edge of "
                      "CLK; Q0 is the lowest bit. CLR high clears the count at once. All four "
                      "flip-flops share the clock, so the outputs change together."),
       Sides({"CLK", "CLR"}, Names("Q", 4)),
       [](TSchematic& s) {
         const TNet clock = s.In("CLK"), clear = s.In("CLR");
         TNet carry = s.High();
         for (int i = 0; i < 4; ++i) {
           TJKFlipFlop& flop = ToggleFlop(s, carry, clock, clear);
           const TNet q = s.Drive(*flop.Pin(0));
           s.Out(QStringLiteral("Q%1").arg(i), q);
           carry = i == 0 ? q : s.Gate<T2AndGate>({carry, q});
         }
       },
       [] {
         return CounterTable(false, 18, [](int n) { return (n + 1) & 15; });
       }});
  parts.push_back(
      {CounterFolder, QStringLiteral("decade-counter"), QStringLiteral("Decade Counter"),
       QStringLiteral("Counts from 0 to 9 in binary-coded decimal and back to 0, one step on "
                      "each falling edge of CLK. CLR high clears the count at once."),
       Sides({"CLK", "CLR"}, Names("Q", 4)),
       [](TSchematic& s) {
         const TNet clock = s.In("CLK"), clear = s.In("CLR");
         std::vector<TJKFlipFlop*> flops;
         for (int i = 0; i < 4; ++i) {
           auto& flop = s.Add<TJKFlipFlop>();
           s.Join(clock, *flop.Pin(TClockedFlipFlop::PinClock));
           s.Join(clear, *flop.Pin(TClockedFlipFlop::PinClear));
           flops.push_back(&flop);
         }
         std::vector<TNet> q, notQ;
         for (TJKFlipFlop* flop : flops) {
           q.push_back(s.Drive(*flop->Pin(0)));
           notQ.push_back(s.Drive(*flop->Pin(1)));
         }
         auto jk = [&](std::size_t i, TNet j, TNet k) {
           s.Join(j, *flops[i]->Pin(TClockedFlipFlop::PinData));
           s.Join(k, *flops[i]->Pin(TJKFlipFlop::PinK));
         };
         const TNet high = s.High();
         jk(0, high, high);
         jk(1, s.Gate<T2AndGate>({q[0], notQ[3]}), q[0]);
         const TNet both = s.Gate<T2AndGate>({q[0], q[1]});
         jk(2, both, both);
         jk(3, s.Gate<T2AndGate>({both, q[2]}), q[0]);
         Outputs(s, Names("Q", 4), q);
       },
       [] {
         return CounterTable(false, 22, [](int n) { return (n + 1) % 10; });
       }});
  parts.push_back(
      {CounterFolder, QStringLiteral("down-counter4"), QStringLiteral("4-Bit Down Counter"),
       QStringLiteral("Counts down from 15 to 0 and round again, one step on each falling edge "
                      "of CLK; from the cleared state the first step is to 15. CLR high clears "
                      "the count at once."),
       Sides({"CLK", "CLR"}, Names("Q", 4)),
       [](TSchematic& s) {
         const TNet clock = s.In("CLK"), clear = s.In("CLR");
         TNet borrow = s.High();
         for (int i = 0; i < 4; ++i) {
           TJKFlipFlop& flop = ToggleFlop(s, borrow, clock, clear);
           s.Out(QStringLiteral("Q%1").arg(i), s.Drive(*flop.Pin(0)));
           if (i < 3) {
             const TNet notQ = s.Drive(*flop.Pin(1));
             borrow = i == 0 ? notQ : s.Gate<T2AndGate>({borrow, notQ});
           }
         }
       },
       [] {
         return CounterTable(false, 18, [](int n) { return (n + 15) & 15; });
       }});
  parts.push_back(
      {CounterFolder, QStringLiteral("johnson-counter4"), QStringLiteral("4-Bit Johnson Counter"),
       QStringLiteral("A shift register whose last stage feeds back inverted: on each rising "
                      "edge of CLK it steps through eight states, filling with ones from Q0 and "
                      "then with zeros. CLR high clears it at once."),
       Sides({"CLK", "CLR"}, Names("Q", 4)),
       [](TSchematic& s) {
         const TNet clock = s.In("CLK"), clear = s.In("CLR");
         const std::vector<TDFlipFlop*> flops = Flops(s, 4, clock, clear);
         s.Join(s.Drive(*flops[3]->Pin(1)), *flops[0]->Pin(TClockedFlipFlop::PinData));
         for (std::size_t i = 0; i < 4; ++i) {
           const TNet q = s.Drive(*flops[i]->Pin(0));
           if (i < 3) {
             s.Join(q, *flops[i + 1]->Pin(TClockedFlipFlop::PinData));
           }
           s.Out(QStringLiteral("Q%1").arg(i), q);
         }
       },
       [] {
         return CounterTable(true, 10, [](int n) { return (n << 1 | (n >> 3 ^ 1)) & 15; });
       }});
}

void AddMemories(std::vector<TPart>& parts) {
  const auto ramInputs = Joined(Joined(Names("A", 4), Names("DIN", 4)), {"WE"});
  parts.push_back(
      {MemoryFolder, QStringLiteral("ram16x4"), QStringLiteral("16 x 4 RAM"),
       QStringLiteral("Sixteen 4-bit words. While WE is high the word on DIN0 to DIN3 is written "
                      "at the address A3 A2 A1 A0 and DOUT0 to DOUT3 are low; while WE is low "
                      "DOUT0 to DOUT3 show the word at that address. The contents start at 0."),
       Sides(ramInputs, Names("DOUT", 4)),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const std::vector<TNet> in = Inputs(s, Names("DIN", 4));
         const TNet write = s.In("WE");
         const TNet read = s.Not(write);
         auto& ram = s.Add(Memory(true, 4, 4));
         for (int bit = 0; bit < 4; ++bit) {
           s.Join(a[static_cast<std::size_t>(bit)], *ram.Pin(3 - bit));
         }
         s.Join(s.Low(), *ram.Pin(ram.ChipSelectPin()));
         s.Join(read, *ram.Pin(ram.ReadWritePin()));
         for (int bit = 0; bit < 4; ++bit) {
           // The input reaches the data line only while writing, so the RAM drives it alone
           // while reading.
           auto& buffer = s.Add<TTriState>();
           s.Join(in[static_cast<std::size_t>(bit)], *buffer.Pin(0));
           s.Join(write, *buffer.Pin(2));
           const TNet line = s.Drive(*ram.Pin(ram.FirstDataPin() + 3 - bit));
           s.Join(line, *buffer.Pin(1));
           s.Out(QStringLiteral("DOUT%1").arg(bit), s.Gate<T2AndGate>({line, read}));
         }
       },
       [ramInputs] {
         TFunctionTable t{ramInputs, Names("DOUT", 4), {}, true};
         auto access = [&t](int address, int word, bool write, int expected) {
           std::vector<int> in = Bits(address | word << 4, 8);
           in.push_back(write ? 1 : 0);
           Row(t, in, Bits(expected, 4));
         };
         access(3, 5, true, 0);
         access(10, 12, true, 0);
         access(3, 0, false, 5);
         access(10, 15, false, 12);
         access(0, 0, false, 0);
         access(0, 15, true, 0);
         access(0, 0, false, 15);
         access(3, 9, false, 5);
         return t;
       }});
  std::array<int, 16> bcd = SegmentCodes;
  std::fill(bcd.begin() + 10, bcd.end(), 0);
  parts.push_back(
      {MemoryFolder, QStringLiteral("bcd-7segment"), QStringLiteral("BCD to 7-Segment Decoder"),
       QStringLiteral("Lights the segments a to g of a seven-segment display to show the decimal "
                      "digit A3 A2 A1 A0 (0 to 9); the codes 10 to 15 leave the display dark. "
                      "A high output lights its segment. The codes are held in a 16 x 8 ROM."),
       Sides(Names("A", 4), SegmentNames), [bcd](TSchematic& s) { DrawSegmentDecoder(s, bcd); },
       [bcd] {
         return SegmentTable(bcd);
       }});
  parts.push_back(
      {MemoryFolder, QStringLiteral("hex-7segment"), QStringLiteral("Hex to 7-Segment Decoder"),
       QStringLiteral("Lights the segments a to g of a seven-segment display to show the "
                      "hexadecimal digit A3 A2 A1 A0 as 0 to 9 and A, b, C, d, E, F. A high "
                      "output lights its segment. The codes are held in a 16 x 8 ROM."),
       Sides(Names("A", 4), SegmentNames),
       [](TSchematic& s) { DrawSegmentDecoder(s, SegmentCodes); },
       [] {
         return SegmentTable(SegmentCodes);
       }});
}

}  // namespace

void AddStorageParts(std::vector<TPart>& parts) {
  AddLatches(parts);
  AddCounters(parts);
  AddMemories(parts);
}

}  // namespace logivane::library
