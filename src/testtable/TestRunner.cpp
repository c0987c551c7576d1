#include "testtable/TestRunner.h"

#include "simulation/cMacro.h"
#include "simulation/cRunControl.h"
#include "testtable/TestBinding.h"

namespace logivane {

namespace {

QString ValueText(const std::optional<std::uint32_t>& value, bool hex) {
  if (!value) {
    return QStringLiteral("x");
  }
  return hex ? QStringLiteral("0x") + QString::number(*value, 16).toUpper()
             : QString::number(*value);
}

}  // namespace

TTestRowResult TTestRunner::Run(const TTestRow& row, int number) {
  TTestRowResult result;
  result.Number = number;
  result.Line = row.Line;
  result.Inputs = InputsText(row);

  bool pulses = false;
  SetInputs(row, pulses);
  result.Fault = Advance(row.Steps);
  if (pulses && result.Fault.isEmpty()) {
    for (std::size_t i = 0; i < row.Inputs.size(); ++i) {
      if (row.Inputs[i] == TInputValue::Pulse) {
        FBinding.Input(static_cast<int>(i)).Set(false);
      }
    }
    result.Fault = Advance(row.Steps);
  }
  if (FBinding.ReadsPins()) {
    FCircuit.Publish();
  }
  for (std::size_t i = 0; i < row.Outputs.size(); ++i) {
    result.Outputs.push_back(Compare(static_cast<int>(i), row.Outputs[i]));
  }
  return result;
}

void TTestRunner::SetInputs(const TTestRow& row, bool& pulses) {
  for (std::size_t i = 0; i < row.Inputs.size(); ++i) {
    const TInputValue value = row.Inputs[i];
    if (value != TInputValue::Keep) {
      FBinding.Input(static_cast<int>(i)).Set(value != TInputValue::Low);
    }
    pulses |= value == TInputValue::Pulse;
  }
}

QString TTestRunner::Advance(int steps) {
  for (int step = 0; step < steps; ++step) {
    const TStepReport report = AdvanceCircuit(FCircuit);
    if (report.Faulted()) {
      return report.Message;
    }
  }
  return {};
}

QString TTestRunner::InputsText(const TTestRow& row) const {
  QStringList inputs;
  for (std::size_t i = 0; i < row.Inputs.size(); ++i) {
    inputs << FTable.InputNames()[static_cast<int>(i)] + QLatin1Char('=') +
                  InputValueText(row.Inputs[i]);
  }
  return inputs.join(QLatin1Char(' '));
}

TTestCell TTestRunner::Compare(int output, const TExpectedValue& expected) const {
  const std::optional<std::uint32_t> actual = FBinding.Output(output).Read();
  TTestCell cell;
  cell.Name = FTable.OutputNames()[output];
  cell.Expected = expected.Value ? ValueText(expected.Value, expected.Hex) : QStringLiteral("X");
  cell.Actual = ValueText(actual, expected.Hex);
  cell.Passed = !expected.Value || actual == expected.Value;
  return cell;
}

}  // namespace logivane
