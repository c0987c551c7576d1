#pragma once

// Small circuits and table steps that several library parts are drawn from.

#include "Library.h"
#include "simulation/cGateDevice.h"

#include <utility>
#include <vector>

namespace logivane::library {

using TNet = TSchematic::TNet;

/// The nets of the outline pins `names`, in order.
inline std::vector<TNet> Inputs(TSchematic& s, const std::vector<QString>& names) {
  std::vector<TNet> nets;
  for (const QString& name : names) {
    nets.push_back(s.In(name));
  }
  return nets;
}

inline void Outputs(TSchematic& s, const std::vector<QString>& names,
                    const std::vector<TNet>& nets) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    s.Out(names[i], nets[i]);
  }
}

/// A full adder: the sum and the carry out of `a`, `b` and `carry`.
inline std::pair<TNet, TNet> AddBits(TSchematic& s, TNet a, TNet b, TNet carry) {
  const TNet half = s.Gate<T2XorGate>({a, b});
  const TNet sum = s.Gate<T2XorGate>({half, carry});
  const TNet both = s.Gate<T2AndGate>({a, b});
  const TNet passed = s.Gate<T2AndGate>({half, carry});
  return {sum, s.Gate<T2OrGate>({both, passed})};
}

/// `whenLow` while `select` is low, else `whenHigh`; `notSelect` is the inverse of `select`.
inline TNet Choose(TSchematic& s, TNet select, TNet notSelect, TNet whenLow, TNet whenHigh) {
  const TNet low = s.Gate<T2AndGate>({notSelect, whenLow});
  const TNet high = s.Gate<T2AndGate>({select, whenHigh});
  return s.Gate<T2OrGate>({low, high});
}

/// The eight minterms of three select lines (and an enable), lowest first.
std::vector<TNet> Decode3(TSchematic& s, TNet a, TNet b, TNet c, TNet enable);

/// The outline of a part with its inputs down the left and its outputs down the right.
inline TOutline Sides(std::vector<QString> inputs, std::vector<QString> outputs) {
  return {std::move(inputs), std::move(outputs), false};
}

inline std::vector<QString> Joined(std::vector<QString> a, const std::vector<QString>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

/// Appends one clock cycle to a sequential table: a row with the clock at its resting level and
/// the outputs `before`, then a row with the clock at its active level and the outputs `after`.
/// `clock` is the clock's position among the inputs, which hold the other input levels.
void Cycle(TFunctionTable& table, std::vector<int> inputs, std::size_t clock, bool rising,
           const std::vector<int>& before, const std::vector<int>& after);

/// One row of a sequential table.
inline void Row(TFunctionTable& table, std::vector<int> inputs, const std::vector<int>& outputs) {
  inputs.insert(inputs.end(), outputs.begin(), outputs.end());
  table.Rows.push_back(std::move(inputs));
}

}  // namespace logivane::library
