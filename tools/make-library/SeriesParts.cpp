// Chips of the 7400 series, pinned as the real packages; the supply pins are left unconnected.

#include "PartHelpers.h"
#include "simulation/cFlipFlop.h"

namespace logivane::library {

namespace {

const QString SeriesFolder = QStringLiteral("7400 Series");

/// A 14-pin package: pins 1 to 7 down the left side, 8 to 14 up the right.
TOutline Dip(std::vector<QString> pins) {
  const auto half = pins.begin() + static_cast<std::ptrdiff_t>(pins.size() / 2);
  return {{pins.begin(), half}, {half, pins.end()}, true};
}

/// The names of the pins that carry the gates' inputs and outputs, gate by gate.
std::vector<QString> GateInputs(int gates, const std::vector<QString>& letters) {
  std::vector<QString> names;
  for (int g = 1; g <= gates; ++g) {
    for (const QString& letter : letters) {
      names.push_back(QString::number(g) + letter);
    }
  }
  return names;
}

std::vector<QString> GateOutputs(int gates) {
  std::vector<QString> names;
  for (int g = 1; g <= gates; ++g) {
    names.push_back(QStringLiteral("%1Y").arg(g));
  }
  return names;
}

/// A chip of `gates` gates of class `T`, each with the inputs `letters`, computing `function`
/// of its inputs.
template <class T>
TPart GateChip(const QString& name, const QString& title, const QString& description,
               std::vector<QString> pins, int gates, std::vector<QString> letters,
               int (*function)(const std::vector<int>&)) {
  const std::vector<QString> inputs = GateInputs(gates, letters);
  const std::vector<QString> outputs = GateOutputs(gates);
  const std::size_t width = letters.size();
  return {
      SeriesFolder,
      name,
      title,
      description,
      Dip(std::move(pins)),
      [gates, letters](TSchematic& s) {
        for (int g = 1; g <= gates; ++g) {
          auto& gate = s.Add<T>();
          int pin = 1;
          for (const QString& letter : letters) {
            s.Join(s.In(QString::number(g) + letter), *gate.Pin(pin++));
          }
          s.Out(QStringLiteral("%1Y").arg(g), s.Drive(*gate.Pin(0)));
        }
      },
      [inputs, outputs, width, function] {
        return Truth(inputs, outputs, [width, function](const std::vector<int>& in) {
          std::vector<int> out;
          for (std::size_t g = 0; g < in.size() / width; ++g) {
            out.push_back(function({in.begin() + static_cast<std::ptrdiff_t>(g * width),
                                    in.begin() + static_cast<std::ptrdiff_t>((g + 1) * width)}));
          }
          return out;
        });
      }};
}

int Nand(const std::vector<int>& in) {
  return std::ranges::count(in, 1) == static_cast<long>(in.size()) ? 0 : 1;
}
int And(const std::vector<int>& in) {
  return 1 - Nand(in);
}
int Nor(const std::vector<int>& in) {
  return std::ranges::count(in, 1) == 0 ? 1 : 0;
}
int Or(const std::vector<int>& in) {
  return 1 - Nor(in);
}
int Xor(const std::vector<int>& in) {
  return static_cast<int>(std::ranges::count(in, 1) & 1);
}
int Invert(const std::vector<int>& in) {
  return 1 - in[0];
}

const std::vector<QString> QuadPins = {"1A", "1B", "1Y", "2A", "2B", "2Y", "GND",
                                       "3Y", "3A", "3B", "4Y", "4A", "4B", "VCC"};

void AddGateChips(std::vector<TPart>& parts) {
  parts.push_back(GateChip<T2NandGate>(
      "7400", "7400 Quad 2-Input NAND",
      "Four independent 2-input NAND gates: each nY is low only when nA and nB are both high.",
      QuadPins, 4, {"A", "B"}, &Nand));
  parts.push_back(GateChip<T2NorGate>(
      "7402", "7402 Quad 2-Input NOR",
      "Four independent 2-input NOR gates: each nY is high only when nA and nB are both low.",
      {"1Y", "1A", "1B", "2Y", "2A", "2B", "GND", "3A", "3B", "3Y", "4A", "4B", "4Y", "VCC"}, 4,
      {"A", "B"}, &Nor));
  parts.push_back(GateChip<TNotGate>(
      "7404", "7404 Hex Inverter", "Six independent inverters: each nY is the inverse of nA.",
      {"1A", "1Y", "2A", "2Y", "3A", "3Y", "GND", "4Y", "4A", "5Y", "5A", "6Y", "6A", "VCC"}, 6,
      {"A"}, &Invert));
  parts.push_back(GateChip<T2AndGate>(
      "7408", "7408 Quad 2-Input AND",
      "Four independent 2-input AND gates: each nY is high only when nA and nB are both high.",
      QuadPins, 4, {"A", "B"}, &And));
  parts.push_back(GateChip<T3NandGate>(
      "7410", "7410 Triple 3-Input NAND",
      "Three independent 3-input NAND gates: each nY is low only when nA, nB and nC are all "
      "high.",
      {"1A", "1B", "2A", "2B", "2C", "2Y", "GND", "3Y", "3A", "3B", "3C", "1Y", "1C", "VCC"}, 3,
      {"A", "B", "C"}, &Nand));
  parts.push_back(GateChip<T4NandGate>(
      "7420", "7420 Dual 4-Input NAND",
      "Two independent 4-input NAND gates: each nY is low only when nA, nB, nC and nD are all "
      "high. Pins 3 and 11 are not connected.",
      {"1A", "1B", "NC", "1C", "1D", "1Y", "GND", "2Y", "2A", "2B", "NC", "2C", "2D", "VCC"}, 2,
      {"A", "B", "C", "D"}, &Nand));
  parts.push_back(GateChip<T2OrGate>(
      "7432", "7432 Quad 2-Input OR",
      "Four independent 2-input OR gates: each nY is high when nA or nB or both are high.",
      QuadPins, 4, {"A", "B"}, &Or));
  parts.push_back(GateChip<T2XorGate>(
      "7486", "7486 Quad 2-Input XOR",
      "Four independent exclusive-OR gates: each nY is high when exactly one of nA and nB is "
      "high.",
      QuadPins, 4, {"A", "B"}, &Xor));
}

/// Flip-flop `n` of a dual package: its active-low preset and clear are inverted onto the
/// flip-flop's active-high ones.
template <class T>
T& DualFlop(TSchematic& s, int n) {
  const QString unit = QString::number(n);
  const TNet clock = s.In(unit + QStringLiteral("CLK"));
  const TNet preset = s.Not(s.In(QStringLiteral("/") + unit + QStringLiteral("PRE")));
  const TNet clear = s.Not(s.In(QStringLiteral("/") + unit + QStringLiteral("CLR")));
  auto& flop = s.Add<T>();
  s.Join(clock, *flop.Pin(TClockedFlipFlop::PinClock));
  s.Join(preset, *flop.Pin(TClockedFlipFlop::PinPreset));
  s.Join(clear, *flop.Pin(TClockedFlipFlop::PinClear));
  s.Out(unit + QStringLiteral("Q"), s.Drive(*flop.Pin(0)));
  s.Out(QStringLiteral("/") + unit + QStringLiteral("Q"), s.Drive(*flop.Pin(1)));
  return flop;
}

void AddFlipFlopChips(std::vector<TPart>& parts) {
  parts.push_back(
      {SeriesFolder, "7474", "7474 Dual D Flip-Flop",
       "Two D flip-flops with preset and clear. On the rising edge of nCLK, nQ takes nD. A low "
       "on /nPRE sets nQ high and a low on /nCLR clears it, at once and whatever the clock; the "
       "two must not be low together.",
       Dip({"/1CLR", "1D", "1CLK", "/1PRE", "1Q", "/1Q", "GND", "/2Q", "2Q", "/2PRE", "2CLK", "2D",
            "/2CLR", "VCC"}),
       [](TSchematic& s) {
         for (int n = 1; n <= 2; ++n) {
           auto& flop = DualFlop<TDFlipFlop>(s, n);
           s.Join(s.In(QStringLiteral("%1D").arg(n)), *flop.Pin(TClockedFlipFlop::PinData));
         }
       },
       [] {
         // Flip-flop 1 is exercised while flip-flop 2 holds its preset state.
         TFunctionTable t{{"1D", "1CLK", "/1PRE", "/1CLR", "2D", "2CLK", "/2PRE", "/2CLR"},
                          {"1Q", "/1Q", "2Q", "/2Q"},
                          {},
                          true};
         Row(t, {0, 0, 1, 0, 0, 0, 0, 1}, {0, 1, 1, 0});
         int q = 0;
         for (const int d : {1, 1, 0, 1, 0}) {
           Cycle(t, {d, 0, 1, 1, 0, 0, 1, 1}, 1, true, {q, 1 - q, 1, 0}, {d, 1 - d, 1, 0});
           q = d;
         }
         Row(t, {0, 0, 0, 1, 0, 1, 1, 0}, {1, 0, 0, 1});
         Row(t, {0, 1, 1, 0, 1, 0, 1, 1}, {0, 1, 0, 1});
         return t;
       }});
  parts.push_back(
      {SeriesFolder,
       "7476",
       "7476 Dual JK Flip-Flop",
       "Two JK flip-flops with preset and clear, acting on the falling edge of nCLK: J and K "
       "both low hold, J alone sets, K alone clears, both high toggle. A low on /nPRE sets nQ "
       "high and a low on /nCLR clears it, at once and whatever the clock.",
       {{"1CLK", "/1PRE", "/1CLR", "1J", "VCC", "2CLK", "/2PRE", "/2CLR"},
        {"2J", "/2Q", "2Q", "2K", "GND", "/1Q", "1Q", "1K"},
        true},
       [](TSchematic& s) {
         for (int n = 1; n <= 2; ++n) {
           auto& flop = DualFlop<TJKFlipFlop>(s, n);
           s.Join(s.In(QStringLiteral("%1J").arg(n)), *flop.Pin(TClockedFlipFlop::PinData));
           s.Join(s.In(QStringLiteral("%1K").arg(n)), *flop.Pin(TJKFlipFlop::PinK));
         }
       },
       [] {
         // Flip-flop 1 runs through every J, K pair; flip-flop 2 toggles on every edge.
         TFunctionTable t{
             {"1J", "1K", "1CLK", "/1PRE", "/1CLR", "2J", "2K", "2CLK", "/2PRE", "/2CLR"},
             {"1Q", "/1Q", "2Q", "/2Q"},
             {},
             true};
         Row(t, {0, 0, 1, 1, 0, 1, 1, 1, 1, 0}, {0, 1, 0, 1});
         int q1 = 0, q2 = 0;
         for (const auto& [j, k] : std::vector<std::pair<int, int>>{
                  {1, 0}, {0, 0}, {0, 1}, {1, 1}, {1, 1}, {0, 0}, {1, 1}}) {
           const int next1 = j && k ? 1 - q1 : (j || k ? j : q1);
           Cycle(t, {j, k, 0, 1, 1, 1, 1, 0, 1, 1}, 2, false, {q1, 1 - q1, q2, 1 - q2},
                 {next1, 1 - next1, 1 - q2, q2});
           t.Rows.back()[7] = 0;  // both clocks fall together
           t.Rows[t.Rows.size() - 2][7] = 1;
           q1 = next1;
           q2 = 1 - q2;
         }
         Row(t, {0, 0, 0, 0, 1, 0, 0, 0, 1, 0}, {1, 0, 0, 1});
         return t;
       }});
}

void AddMsiChips(std::vector<TPart>& parts) {
  const std::vector<QString> adderInputs = {"A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4", "C0"};
  parts.push_back(
      {SeriesFolder,
       "7483",
       "7483 4-Bit Binary Full Adder",
       "Adds the 4-bit numbers A4 A3 A2 A1 and B4 B3 B2 B1 and the carry C0: the sum appears "
       "on S4 S3 S2 S1 and the carry out on C4. Note the unusual position of the supply pins.",
       {{"A4", "S3", "A3", "B3", "VCC", "S2", "B2", "A2"},
        {"S1", "A1", "B1", "GND", "C0", "C4", "S4", "B4"},
        true},
       [](TSchematic& s) {
         TNet carry = s.In("C0");
         for (int i = 1; i <= 4; ++i) {
           const TNet a = s.In(QStringLiteral("A%1").arg(i));
           const TNet b = s.In(QStringLiteral("B%1").arg(i));
           const auto [sum, next] = AddBits(s, a, b, carry);
           s.Out(QStringLiteral("S%1").arg(i), sum);
           carry = next;
         }
         s.Out("C4", carry);
       },
       [adderInputs] {
         return Truth(adderInputs, {"S1", "S2", "S3", "S4", "C4"}, [](const std::vector<int>& in) {
           return Bits(Value(in, 0, 4) + Value(in, 4, 4) + in[8], 5);
         });
       }});
  parts.push_back(
      {SeriesFolder,
       "74138",
       "74138 3-to-8 Line Decoder",
       "While G1 is high and /G2A and /G2B are both low, the one output /Yn whose number n is "
       "given by C B A is low and the others are high; otherwise all eight outputs are high.",
       {{"A", "B", "C", "/G2A", "/G2B", "G1", "/Y7", "GND"},
        {"/Y6", "/Y5", "/Y4", "/Y3", "/Y2", "/Y1", "/Y0", "VCC"},
        true},
       [](TSchematic& s) {
         const TNet a = s.In("A"), b = s.In("B"), c = s.In("C");
         const TNet enable =
             s.Gate<T3AndGate>({s.In("G1"), s.Not(s.In("/G2A")), s.Not(s.In("/G2B"))});
         const std::vector<TNet> terms = Decode3(s, a, b, c, enable);
         for (std::size_t n = 0; n < 8; ++n) {
           s.Out(QStringLiteral("/Y%1").arg(n), s.Not(terms[n]));
         }
       },
       [] {
         return Truth({"A", "B", "C", "G1", "/G2A", "/G2B"}, Names("/Y", 8),
                      [](const std::vector<int>& in) {
                        const bool enabled = in[3] && !in[4] && !in[5];
                        return Bits(enabled ? ~(1 << Value(in, 0, 3)) & 255 : 255, 8);
                      });
       }});
  const std::vector<QString> muxInputs = {"D0", "D1", "D2", "D3", "D4", "D5",
                                          "D6", "D7", "A",  "B",  "C",  "/G"};
  parts.push_back(
      {SeriesFolder, "74151", "74151 8-to-1 Multiplexer",
       "While the strobe /G is low, Y repeats the data input Dn whose number n is given by C B A, "
       "and /W is its inverse; while /G is high, Y is low and /W high.",
       Dip({"D3", "D2", "D1", "D0", "Y", "/W", "/G", "GND", "C", "B", "A", "D7", "D6", "D5", "D4",
            "VCC"}),
       [](TSchematic& s) {
         std::vector<TNet> d;
         for (int i = 0; i < 8; ++i) {
           d.push_back(s.In(QStringLiteral("D%1").arg(i)));
         }
         const TNet a = s.In("A"), b = s.In("B"), c = s.In("C");
         const std::vector<TNet> terms = Decode3(s, a, b, c, s.Not(s.In("/G")));
         std::vector<TNet> picked;
         for (std::size_t i = 0; i < 8; ++i) {
           picked.push_back(s.Gate<T2AndGate>({terms[i], d[i]}));
         }
         const TNet y =
             s.Gate<T2OrGate>({s.Gate<T4OrGate>({picked[0], picked[1], picked[2], picked[3]}),
                               s.Gate<T4OrGate>({picked[4], picked[5], picked[6], picked[7]})});
         s.Out("Y", y);
         s.Out("/W", s.Not(y));
       },
       [muxInputs] {
         return Truth(muxInputs, {"Y", "/W"}, [](const std::vector<int>& in) {
           const int y = in[11] ? 0 : in[static_cast<std::size_t>(Value(in, 8, 3))];
           return std::vector{y, 1 - y};
         });
       }});
  const std::vector<QString> selectInputs = {"S",  "/G", "1A", "1B", "2A",
                                             "2B", "3A", "3B", "4A", "4B"};
  parts.push_back(
      {SeriesFolder, "74157", "74157 Quad 2-to-1 Multiplexer",
       "Four 2-to-1 multiplexers on one select line: while /G is low each nY repeats nA when S "
       "is low and nB when S is high; while /G is high all outputs are low.",
       Dip({"S", "1A", "1B", "1Y", "2A", "2B", "2Y", "GND", "3Y", "3B", "3A", "4Y", "4B", "4A",
            "/G", "VCC"}),
       [](TSchematic& s) {
         const TNet select = s.In("S");
         const TNet enable = s.Not(s.In("/G"));
         const TNet pickA = s.Gate<T2AndGate>({s.Not(select), enable});
         const TNet pickB = s.Gate<T2AndGate>({select, enable});
         for (int n = 1; n <= 4; ++n) {
           const TNet a = s.In(QStringLiteral("%1A").arg(n));
           const TNet b = s.In(QStringLiteral("%1B").arg(n));
           s.Out(QStringLiteral("%1Y").arg(n), Choose(s, pickB, pickA, a, b));
         }
       },
       [selectInputs] {
         return Truth(selectInputs, {"1Y", "2Y", "3Y", "4Y"}, [](const std::vector<int>& in) {
           std::vector<int> out;
           for (std::size_t n = 0; n < 4; ++n) {
             out.push_back(in[1] ? 0 : in[2 + 2 * n + static_cast<std::size_t>(in[0])]);
           }
           return out;
         });
       }});
}

/// The levels of one clock cycle of the 74161 besides ENT.
struct TCounterInputs {
  int Data = 0;
  bool Load = false;
  bool Enabled = true;
};

void AddCounterChip(std::vector<TPart>& parts) {
  parts.push_back(
      {SeriesFolder, "74161", "74161 Synchronous 4-Bit Binary Counter",
       "Counts up on each rising edge of CLK while ENP and ENT are both high; QA is the lowest "
       "bit. While /LOAD is low the rising edge loads D C B A instead. A low on /CLR clears the "
       "count at once. RCO is high at the count 15 while ENT is high, to enable the next counter "
       "of a chain.",
       Dip({"/CLR", "CLK", "A", "B", "C", "D", "ENP", "GND", "/LOAD", "ENT", "QD", "QC", "QB", "QA",
            "RCO", "VCC"}),
       [](TSchematic& s) {
         const TNet clear = s.Not(s.In("/CLR"));
         const TNet clock = s.In("CLK");
         std::vector<TNet> data;
         for (const char* name : {"A", "B", "C", "D"}) {
           data.push_back(s.In(name));
         }
         const TNet enableP = s.In("ENP"), enableT = s.In("ENT");
         const TNet notLoad = s.In("/LOAD");
         const TNet load = s.Not(notLoad);
         std::vector<TDFlipFlop*> flops;
         for (int i = 0; i < 4; ++i) {
           auto& flop = s.Add<TDFlipFlop>();
           s.Join(clock, *flop.Pin(TClockedFlipFlop::PinClock));
           s.Join(clear, *flop.Pin(TClockedFlipFlop::PinClear));
           flops.push_back(&flop);
         }
         TNet carry = s.Gate<T2AndGate>({enableP, enableT});
         TNet ripple = enableT;
         const char* outputs[] = {"QA", "QB", "QC", "QD"};
         for (std::size_t i = 0; i < 4; ++i) {
           const TNet q = s.Drive(*flops[i]->Pin(0));
           const TNet counted = s.Gate<T2XorGate>({q, carry});
           s.Join(Choose(s, load, notLoad, counted, data[i]),
                  *flops[i]->Pin(TClockedFlipFlop::PinData));
           s.Out(outputs[i], q);
           ripple = s.Gate<T2AndGate>({ripple, q});
           if (i < 3) {
             carry = s.Gate<T2AndGate>({carry, q});
           }
         }
         s.Out("RCO", ripple);
       },
       [] {
         TFunctionTable t{{"/CLR", "CLK", "A", "B", "C", "D", "ENP", "ENT", "/LOAD"},
                          {"QA", "QB", "QC", "QD", "RCO"},
                          {},
                          true};
         auto outputs = [](int count, bool enableT) {
           std::vector<int> out = Bits(count, 4);
           out.push_back(count == 15 && enableT ? 1 : 0);
           return out;
         };
         Row(t, {0, 0, 0, 0, 0, 0, 1, 1, 1}, outputs(0, true));
         int count = 0;
         auto cycle = [&](TCounterInputs in, bool enableT = true) {
           std::vector<int> levels = {1, 0};
           const std::vector<int> data = Bits(in.Data, 4);
           levels.insert(levels.end(), data.begin(), data.end());
           levels.insert(levels.end(), {in.Enabled ? 1 : 0, enableT ? 1 : 0, in.Load ? 0 : 1});
           const int next = in.Load ? in.Data : (in.Enabled && enableT ? (count + 1) & 15 : count);
           Cycle(t, levels, 1, true, outputs(count, enableT), outputs(next, enableT));
           count = next;
         };
         cycle({12, true});
         for (int i = 0; i < 3; ++i) {
           cycle({});
         }
         cycle({}, false);
         cycle({0, false, false});
         cycle({});
         cycle({6, true});
         Row(t, {0, 0, 0, 0, 0, 0, 1, 1, 1}, outputs(0, true));
         return t;
       }});
}

}  // namespace

void AddSeriesParts(std::vector<TPart>& parts) {
  AddGateChips(parts);
  AddFlipFlopChips(parts);
  AddMsiChips(parts);
  AddCounterChip(parts);
}

}  // namespace logivane::library
