#include "simulation/cRunControl.h"

#include "simulation/cMacro.h"

namespace logivane {

namespace {

TStepReport Step(TMacro& root, bool publish,
                 const std::function<void(const SimResult&)>& onSettled) {
  TStepReport report;
  root.ClearDrivers();
  report.Result = root.Calculate();
  const SimResult& result = report.Result;
  // A reset keeps some of what the pins show, so a fault is published in any case.
  if (publish || result.Race || result.Contention) {
    root.Publish();
  }
  if (onSettled) {
    onSettled(report.Result);
  }
  if (!result.Race && !result.Contention) {
    return report;
  }
  report.Marks = FindFaultMarks(root, result);
  root.Reset();
  report.AtCulprit = result.Culprit != nullptr;
  if (result.Race) {
    report.Message = QCoreApplication::translate(
        "TRunControl", report.AtCulprit ? StepMessages::Race : StepMessages::RaceAbove);
  } else {
    report.Message = QCoreApplication::translate(
        "TRunControl", report.AtCulprit ? StepMessages::Contention : StepMessages::ContentionAbove);
  }
  if (report.AtCulprit) {
    float x, y;
    result.Culprit->GetCentre(x, y);
    report.Position = QPoint(RoundToInt(x), RoundToInt(y));
  }
  return report;
}

}  // namespace

TStepReport StepCircuit(TMacro& root, const std::function<void(const SimResult&)>& onSettled) {
  return Step(root, true, onSettled);
}

TStepReport AdvanceCircuit(TMacro& root) {
  return Step(root, false, {});
}

}  // namespace logivane
