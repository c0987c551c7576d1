// Gates and buffers, adders and comparators, multiplexers and decoders.

#include "PartHelpers.h"

namespace logivane::library {

namespace {

const QString GatesFolder = QStringLiteral("Gates and Buffers");
const QString ArithmeticFolder = QStringLiteral("Adders and Comparators");
const QString SelectorFolder = QStringLiteral("Multiplexers and Decoders");

/// The greater, equal and less outputs of comparing `a` with `b`.
std::vector<int> Compared(int a, int b) {
  return {a > b ? 1 : 0, a == b ? 1 : 0, a < b ? 1 : 0};
}

}  // namespace

void AddGateParts(std::vector<TPart>& parts) {
  parts.push_back(
      {GatesFolder, QStringLiteral("xor3"), QStringLiteral("3-Input XOR"),
       QStringLiteral("Y is high when an odd number of the inputs A, B and C are high: the odd "
                      "parity of three bits."),
       Sides({"A", "B", "C"}, {"Y"}),
       [](TSchematic& s) {
         const TNet a = s.In("A"), b = s.In("B"), c = s.In("C");
         s.Out("Y", s.Gate<T2XorGate>({s.Gate<T2XorGate>({a, b}), c}));
       },
       [] {
         return Truth({"A", "B", "C"}, {"Y"}, [](const std::vector<int>& in) {
           return std::vector{in[0] ^ in[1] ^ in[2]};
         });
       }});
  parts.push_back(
      {GatesFolder, QStringLiteral("majority"), QStringLiteral("Majority Gate"),
       QStringLiteral("Y follows the majority of the three inputs: it is high when two or more "
                      "of A, B and C are high."),
       Sides({"A", "B", "C"}, {"Y"}),
       [](TSchematic& s) {
         const TNet a = s.In("A"), b = s.In("B"), c = s.In("C");
         s.Out("Y", s.Gate<T3OrGate>({s.Gate<T2AndGate>({a, b}), s.Gate<T2AndGate>({b, c}),
                                      s.Gate<T2AndGate>({a, c})}));
       },
       [] {
         return Truth({"A", "B", "C"}, {"Y"}, [](const std::vector<int>& in) {
           return std::vector{in[0] + in[1] + in[2] >= 2 ? 1 : 0};
         });
       }});
  parts.push_back(
      {GatesFolder, QStringLiteral("buffer4"), QStringLiteral("4-Bit Tri-State Buffer"),
       QStringLiteral("While EN is high each output Yn repeats its input An; while EN is low the "
                      "outputs let go of their lines, so that several buffers can share a bus."),
       Sides(Joined(Names("A", 4), {"EN"}), Names("Y", 4)),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const TNet enable = s.In("EN");
         for (int i = 0; i < 4; ++i) {
           auto& buffer = s.Add<TTriState>();
           s.Join(a[static_cast<std::size_t>(i)], *buffer.Pin(0));
           s.Join(enable, *buffer.Pin(2));
           s.Out(QStringLiteral("Y%1").arg(i), s.Drive(*buffer.Pin(1)));
         }
       },
       [] {
         return Truth(Joined(Names("A", 4), {"EN"}), Names("Y", 4), [](const std::vector<int>& in) {
           std::vector<int> out(in.begin(), in.begin() + 4);
           if (!in[4]) {
             out.assign(4, -1);
           }
           return out;
         });
       }});
  parts.push_back(
      {GatesFolder, QStringLiteral("inverter4"), QStringLiteral("4-Bit Controlled Inverter"),
       QStringLiteral("While INV is low each output Yn repeats its input An; while INV is high "
                      "it inverts it. Four exclusive-OR gates share the INV line."),
       Sides(Joined(Names("A", 4), {"INV"}), Names("Y", 4)),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const TNet invert = s.In("INV");
         for (int i = 0; i < 4; ++i) {
           s.Out(QStringLiteral("Y%1").arg(i),
                 s.Gate<T2XorGate>({a[static_cast<std::size_t>(i)], invert}));
         }
       },
       [] {
         return Truth(Joined(Names("A", 4), {"INV"}), Names("Y", 4),
                      [](const std::vector<int>& in) {
                        return Bits(Value(in, 0, 4) ^ (in[4] ? 15 : 0), 4);
                      });
       }});
  parts.push_back({GatesFolder, QStringLiteral("and8"), QStringLiteral("8-Input AND"),
                   QStringLiteral("Y is high only when all eight inputs A0 to A7 are high."),
                   Sides(Names("A", 8), {"Y"}),
                   [](TSchematic& s) {
                     const std::vector<TNet> a = Inputs(s, Names("A", 8));
                     const TNet low = s.Gate<T4AndGate>({a[0], a[1], a[2], a[3]});
                     const TNet high = s.Gate<T4AndGate>({a[4], a[5], a[6], a[7]});
                     s.Out("Y", s.Gate<T2AndGate>({low, high}));
                   },
                   [] {
                     return Truth(Names("A", 8), {"Y"}, [](const std::vector<int>& in) {
                       return std::vector{Value(in, 0, 8) == 255 ? 1 : 0};
                     });
                   }});
}

void AddArithmeticParts(std::vector<TPart>& parts) {
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("half-adder"), QStringLiteral("Half Adder"),
       QStringLiteral("Adds two bits: S is their sum bit and C the carry to the next place."),
       Sides({"A", "B"}, {"S", "C"}),
       [](TSchematic& s) {
         const TNet a = s.In("A"), b = s.In("B");
         s.Out("S", s.Gate<T2XorGate>({a, b}));
         s.Out("C", s.Gate<T2AndGate>({a, b}));
       },
       [] {
         return Truth({"A", "B"}, {"S", "C"},
                      [](const std::vector<int>& in) { return Bits(in[0] + in[1], 2); });
       }});
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("full-adder"), QStringLiteral("Full Adder"),
       QStringLiteral("Adds two bits and a carry in: S is the sum bit and COUT the carry out. "
                      "Chained COUT to CIN, full adders add numbers of any width."),
       Sides({"A", "B", "CIN"}, {"S", "COUT"}),
       [](TSchematic& s) {
         const TNet a = s.In("A"), b = s.In("B"), carry = s.In("CIN");
         const auto [sum, carryOut] = AddBits(s, a, b, carry);
         s.Out("S", sum);
         s.Out("COUT", carryOut);
       },
       [] {
         return Truth({"A", "B", "CIN"}, {"S", "COUT"},
                      [](const std::vector<int>& in) { return Bits(in[0] + in[1] + in[2], 2); });
       }});
  const auto adderInputs = Joined(Joined(Names("A", 4), Names("B", 4)), {"CIN"});
  const auto adderOutputs = Joined(Names("S", 4), {"COUT"});
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("adder4"), QStringLiteral("4-Bit Adder"),
       QStringLiteral("Adds the 4-bit numbers A and B and the carry CIN: S0 to S3 and COUT hold "
                      "the 5-bit sum. Four full adders pass the carry from place to place."),
       Sides(adderInputs, adderOutputs),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const std::vector<TNet> b = Inputs(s, Names("B", 4));
         TNet carry = s.In("CIN");
         for (std::size_t i = 0; i < 4; ++i) {
           const auto [sum, next] = AddBits(s, a[i], b[i], carry);
           s.Out(QStringLiteral("S%1").arg(i), sum);
           carry = next;
         }
         s.Out("COUT", carry);
       },
       [adderInputs, adderOutputs] {
         return Truth(adderInputs, adderOutputs, [](const std::vector<int>& in) {
           return Bits(Value(in, 0, 4) + Value(in, 4, 4) + in[8], 5);
         });
       }});
  const auto subtractInputs = Joined(Joined(Names("A", 4), Names("B", 4)), {"SUB"});
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("adder-subtractor4"),
       QStringLiteral("4-Bit Adder/Subtractor"),
       QStringLiteral("With SUB low, S = A + B; with SUB high, S = A - B, formed as A plus the "
                      "two's complement of B. COUT is the carry out; when subtracting it is high "
                      "when A is not less than B."),
       Sides(subtractInputs, adderOutputs),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const std::vector<TNet> b = Inputs(s, Names("B", 4));
         const TNet subtract = s.In("SUB");
         TNet carry = subtract;
         for (std::size_t i = 0; i < 4; ++i) {
           const auto [sum, next] = AddBits(s, a[i], s.Gate<T2XorGate>({b[i], subtract}), carry);
           s.Out(QStringLiteral("S%1").arg(i), sum);
           carry = next;
         }
         s.Out("COUT", carry);
       },
       [subtractInputs, adderOutputs] {
         return Truth(subtractInputs, adderOutputs, [](const std::vector<int>& in) {
           const int b = Value(in, 4, 4);
           return Bits(Value(in, 0, 4) + (in[8] ? (~b & 15) + 1 : b), 5);
         });
       }});
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("comparator1"), QStringLiteral("1-Bit Comparator"),
       QStringLiteral("Compares the bits A and B: exactly one of GT (A > B), EQ (A = B) and LT "
                      "(A < B) is high."),
       Sides({"A", "B"}, {"GT", "EQ", "LT"}),
       [](TSchematic& s) {
         const TNet a = s.In("A"), b = s.In("B");
         s.Out("GT", s.Gate<T2AndGate>({a, s.Not(b)}));
         s.Out("EQ", s.Gate<T2XnorGate>({a, b}));
         s.Out("LT", s.Gate<T2AndGate>({s.Not(a), b}));
       },
       [] {
         return Truth({"A", "B"}, {"GT", "EQ", "LT"},
                      [](const std::vector<int>& in) { return Compared(in[0], in[1]); });
       }});
  const auto compareInputs = Joined(Names("A", 4), Names("B", 4));
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("equality4"), QStringLiteral("4-Bit Equality Comparator"),
       QStringLiteral("EQ is high when the 4-bit numbers A and B are equal, bit for bit."),
       Sides(compareInputs, {"EQ"}),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const std::vector<TNet> b = Inputs(s, Names("B", 4));
         std::vector<TNet> same;
         for (std::size_t i = 0; i < 4; ++i) {
           same.push_back(s.Gate<T2XnorGate>({a[i], b[i]}));
         }
         s.Out("EQ", s.Gate<T4AndGate>({same[0], same[1], same[2], same[3]}));
       },
       [compareInputs] {
         return Truth(compareInputs, {"EQ"}, [](const std::vector<int>& in) {
           return std::vector{Value(in, 0, 4) == Value(in, 4, 4) ? 1 : 0};
         });
       }});
  parts.push_back(
      {ArithmeticFolder, QStringLiteral("comparator4"),
       QStringLiteral("4-Bit Magnitude Comparator"),
       QStringLiteral("Compares the 4-bit numbers A and B: exactly one of GT (A > B), EQ (A = B) "
                      "and LT (A < B) is high. The comparison runs from the lowest bit up, each "
                      "higher bit overruling the ones below it when it differs."),
       Sides(compareInputs, {"GT", "EQ", "LT"}),
       [](TSchematic& s) {
         const std::vector<TNet> a = Inputs(s, Names("A", 4));
         const std::vector<TNet> b = Inputs(s, Names("B", 4));
         std::vector<TNet> same;
         TNet greater = -1;
         for (std::size_t i = 0; i < 4; ++i) {
           same.push_back(s.Gate<T2XnorGate>({a[i], b[i]}));
           const TNet here = s.Gate<T2AndGate>({a[i], s.Not(b[i])});
           greater =
               greater < 0 ? here : s.Gate<T2OrGate>({here, s.Gate<T2AndGate>({same[i], greater})});
         }
         const TNet equal = s.Gate<T4AndGate>({same[0], same[1], same[2], same[3]});
         s.Out("GT", greater);
         s.Out("EQ", equal);
         s.Out("LT", s.Gate<T2NorGate>({greater, equal}));
       },
       [compareInputs] {
         return Truth(compareInputs, {"GT", "EQ", "LT"}, [](const std::vector<int>& in) {
           return Compared(Value(in, 0, 4), Value(in, 4, 4));
         });
       }});
}

void AddSelectorParts(std::vector<TPart>& parts) {
  parts.push_back({SelectorFolder, QStringLiteral("mux2"), QStringLiteral("2-to-1 Multiplexer"),
                   QStringLiteral("Y repeats D0 while S is low and D1 while S is high."),
                   Sides({"D0", "D1", "S"}, {"Y"}),
                   [](TSchematic& s) {
                     const TNet d0 = s.In("D0"), d1 = s.In("D1"), select = s.In("S");
                     s.Out("Y", Choose(s, select, s.Not(select), d0, d1));
                   },
                   [] {
                     return Truth({"D0", "D1", "S"}, {"Y"}, [](const std::vector<int>& in) {
                       return std::vector{in[2] ? in[1] : in[0]};
                     });
                   }});
  const auto mux4Inputs = Joined(Names("D", 4), Names("S", 2));
  parts.push_back({SelectorFolder, QStringLiteral("mux4"), QStringLiteral("4-to-1 Multiplexer"),
                   QStringLiteral("Y repeats the data input Dn whose number n is given by S1 S0."),
                   Sides(mux4Inputs, {"Y"}),
                   [](TSchematic& s) {
                     const std::vector<TNet> d = Inputs(s, Names("D", 4));
                     const TNet s0 = s.In("S0"), s1 = s.In("S1");
                     const TNet n0 = s.Not(s0), n1 = s.Not(s1);
                     s.Out("Y", s.Gate<T4OrGate>({s.Gate<T3AndGate>({d[0], n0, n1}),
                                                  s.Gate<T3AndGate>({d[1], s0, n1}),
                                                  s.Gate<T3AndGate>({d[2], n0, s1}),
                                                  s.Gate<T3AndGate>({d[3], s0, s1})}));
                   },
                   [mux4Inputs] {
                     return Truth(mux4Inputs, {"Y"}, [](const std::vector<int>& in) {
                       return std::vector{in[static_cast<std::size_t>(Value(in, 4, 2))]};
                     });
                   }});
  parts.push_back(
      {SelectorFolder, QStringLiteral("decoder2"), QStringLiteral("2-to-4 Decoder"),
       QStringLiteral("While EN is high, the one output Yn whose number n is given by A1 A0 is "
                      "high; while EN is low all outputs are low."),
       Sides({"A0", "A1", "EN"}, Names("Y", 4)),
       [](TSchematic& s) {
         const TNet a0 = s.In("A0"), a1 = s.In("A1"), enable = s.In("EN");
         const TNet lines[2][2] = {{s.Not(a0), a0}, {s.Not(a1), a1}};
         for (int n = 0; n < 4; ++n) {
           s.Out(QStringLiteral("Y%1").arg(n),
                 s.Gate<T3AndGate>({lines[0][n & 1], lines[1][n >> 1], enable}));
         }
       },
       [] {
         return Truth({"A0", "A1", "EN"}, Names("Y", 4), [](const std::vector<int>& in) {
           return Bits(in[2] ? 1 << Value(in, 0, 2) : 0, 4);
         });
       }});
  parts.push_back(
      {SelectorFolder, QStringLiteral("decoder3"), QStringLiteral("3-to-8 Decoder"),
       QStringLiteral("While EN is high, the one output Yn whose number n is given by A2 A1 A0 "
                      "is high; while EN is low all outputs are low."),
       Sides({"A0", "A1", "A2", "EN"}, Names("Y", 8)),
       [](TSchematic& s) {
         const TNet a0 = s.In("A0"), a1 = s.In("A1"), a2 = s.In("A2"), enable = s.In("EN");
         Outputs(s, Names("Y", 8), Decode3(s, a0, a1, a2, enable));
       },
       [] {
         return Truth({"A0", "A1", "A2", "EN"}, Names("Y", 8), [](const std::vector<int>& in) {
           return Bits(in[3] ? 1 << Value(in, 0, 3) : 0, 8);
         });
       }});
  parts.push_back(
      {SelectorFolder, QStringLiteral("demux4"), QStringLiteral("1-to-4 Demultiplexer"),
       QStringLiteral("Sends the data input D to the output Yn whose number n is given by S1 S0; "
                      "the other outputs are low."),
       Sides({"D", "S0", "S1"}, Names("Y", 4)),
       [](TSchematic& s) {
         const TNet d = s.In("D"), s0 = s.In("S0"), s1 = s.In("S1");
         const TNet lines[2][2] = {{s.Not(s0), s0}, {s.Not(s1), s1}};
         for (int n = 0; n < 4; ++n) {
           s.Out(QStringLiteral("Y%1").arg(n),
                 s.Gate<T3AndGate>({d, lines[0][n & 1], lines[1][n >> 1]}));
         }
       },
       [] {
         return Truth({"D", "S0", "S1"}, Names("Y", 4),
                      [](const std::vector<int>& in) { return Bits(in[0] << Value(in, 1, 2), 4); });
       }});
  parts.push_back(
      {SelectorFolder, QStringLiteral("priority-encoder4"),
       QStringLiteral("4-to-2 Priority Encoder"),
       QStringLiteral("A1 A0 give the number of the highest data input Dn that is high, and V is "
                      "high when any of them is; with no input high, A1, A0 and V are low."),
       Sides(Names("D", 4), {"A0", "A1", "V"}),
       [](TSchematic& s) {
         const std::vector<TNet> d = Inputs(s, Names("D", 4));
         s.Out("A0", s.Gate<T2OrGate>({d[3], s.Gate<T2AndGate>({d[1], s.Not(d[2])})}));
         s.Out("A1", s.Gate<T2OrGate>({d[2], d[3]}));
         s.Out("V", s.Gate<T4OrGate>({d[0], d[1], d[2], d[3]}));
       },
       [] {
         return Truth(Names("D", 4), {"A0", "A1", "V"}, [](const std::vector<int>& in) {
           int highest = -1;
           for (int i = 0; i < 4; ++i) {
             highest = in[static_cast<std::size_t>(i)] ? i : highest;
           }
           return highest < 0 ? std::vector{0, 0, 0} : std::vector{highest & 1, highest >> 1, 1};
         });
       }});
}

}  // namespace logivane::library
