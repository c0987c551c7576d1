#include "simulation/cRunControl.h"

#include "simulation/cMacro.h"

namespace logivane {

TStepReport StepCircuit(TMacro& root, const std::function<void(const SimResult&)>& onSettled) {
  TStepReport report;
  root.ClearDrivers();
  report.Result = root.Calculate();
  if (onSettled) {
    onSettled(report.Result);
  }
  const SimResult& result = report.Result;
  if (!result.Race && !result.Contention) {
    return report;
  }
  root.Reset();
  report.AtCulprit = result.Culprit != nullptr;
  if (result.Race) {
    report.Message =
        QString::fromLatin1(report.AtCulprit ? StepMessages::Race : StepMessages::RaceAbove);
  } else {
    report.Message = QString::fromLatin1(report.AtCulprit ? StepMessages::Contention
                                                          : StepMessages::ContentionAbove);
  }
  if (report.AtCulprit) {
    float x, y;
    result.Culprit->GetCentre(x, y);
    report.Position = QPoint(RoundToInt(x), RoundToInt(y));
  }
  return report;
}

}  // namespace logivane
