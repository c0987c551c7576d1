#include "PartHelpers.h"

namespace logivane::library {

std::vector<TNet> Decode3(TSchematic& s, TNet a, TNet b, TNet c, TNet enable) {
  const TNet lines[3][2] = {{s.Not(a), a}, {s.Not(b), b}, {s.Not(c), c}};
  std::vector<TNet> terms;
  for (int n = 0; n < 8; ++n) {
    terms.push_back(
        s.Gate<T4AndGate>({lines[0][n & 1], lines[1][n >> 1 & 1], lines[2][n >> 2 & 1], enable}));
  }
  return terms;
}

void Cycle(TFunctionTable& table, std::vector<int> inputs, std::size_t clock, bool rising,
           const std::vector<int>& before, const std::vector<int>& after) {
  inputs[clock] = rising ? 0 : 1;
  Row(table, inputs, before);
  inputs[clock] = rising ? 1 : 0;
  Row(table, inputs, after);
}

}  // namespace logivane::library
