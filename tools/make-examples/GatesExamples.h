#pragma once

// The circuits of the first folder of the course: each gate on its own, De Morgan's laws and
// the gates made of NAND gates alone or of NOR gates alone.

#include "simulation/cMacro.h"

#include <QString>

#include <memory>

namespace logivane::examples {

std::unique_ptr<TMacro> NotGate();
std::unique_ptr<TMacro> AndGate();
std::unique_ptr<TMacro> OrGate();
std::unique_ptr<TMacro> NandGate();
std::unique_ptr<TMacro> NorGate();
std::unique_ptr<TMacro> XorGate();
std::unique_ptr<TMacro> XnorGate();
QString NotGateTable();
QString AndGateTable();
QString OrGateTable();
QString NandGateTable();
QString NorGateTable();
QString XorGateTable();
QString XnorGateTable();

/// Not (A and B) beside (not A) or (not B), and not (A or B) beside (not A) and (not B).
std::unique_ptr<TMacro> DeMorgan();
QString DeMorganTable();

/// NOT, AND and OR made of NAND gates only, or of NOR gates only.
std::unique_ptr<TMacro> NandOnly();
std::unique_ptr<TMacro> NorOnly();
QString NandOnlyTable();
QString NorOnlyTable();

}  // namespace logivane::examples
