#pragma once

#include "testtable/TestTable.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace logivane {

class TDevice;
class TMacro;

/// A source of the circuit that an input column sets.
class TTestInput {
public:
  virtual ~TTestInput() = default;
  /// Sets the source high or low from the next step on; the first call takes it over from the
  /// user, and the destructor hands it back as it was.
  virtual void Set(bool high) = 0;
};

/// An indicator of the circuit that an output column reads.
class TTestOutput {
public:
  virtual ~TTestOutput() = default;
  /// Bits it shows.
  virtual int Width() const { return 1; }
  /// What it shows, or none for a level that is neither high nor low.
  virtual std::optional<std::uint32_t> Read() const = 0;
  /// Whether `Read` looks at a pin, which a compiled level writes only when published.
  virtual bool ReadsPin() const { return false; }
};

/**
 * @brief The devices a table's columns name, found among the top level of a circuit.
 *
 * A name is the label of a device there; `tagN` names the tag numbered N. Input columns take
 * interactive inputs, switches and push buttons, and input tags; output columns LEDs, numeric
 * displays and output tags. Binding looks at the circuit and changes nothing.
 */
class TTestBinding {
public:
  /// The binding of `table`'s names and a check of its values against what they name; none
  /// after putting each problem into `errors`.
  static std::optional<TTestBinding> Bind(TMacro& circuit, const TTestTable& table,
                                          std::vector<TTestError>& errors);

  TTestInput& Input(int column) const { return *FInputs[static_cast<std::size_t>(column)]; }
  const TTestOutput& Output(int column) const {
    return *FOutputs[static_cast<std::size_t>(column)];
  }
  /// Whether any output reads a pin (see `TTestOutput::ReadsPin`).
  bool ReadsPins() const { return FReadsPins; }

private:
  std::vector<std::unique_ptr<TTestInput>> FInputs;
  std::vector<std::unique_ptr<TTestOutput>> FOutputs;
  bool FReadsPins = false;
};

}  // namespace logivane
