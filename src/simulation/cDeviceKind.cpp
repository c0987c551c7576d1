#include "simulation/cDeviceKind.h"

#include "simulation/cDevice.h"
#include "simulation/cMemory.h"

#include <cstring>
#include <utility>

namespace logivane {

QString DeviceKindName(const TDevice& device) {
  static const std::pair<const char*, const char*> kinds[] = {
      {"TNotGate", "inverter"},
      {"T2AndGate", "2-input AND gate"},
      {"T3AndGate", "3-input AND gate"},
      {"T4AndGate", "4-input AND gate"},
      {"T2NandGate", "2-input NAND gate"},
      {"T3NandGate", "3-input NAND gate"},
      {"T4NandGate", "4-input NAND gate"},
      {"T2OrGate", "2-input OR gate"},
      {"T3OrGate", "3-input OR gate"},
      {"T4OrGate", "4-input OR gate"},
      {"T2NorGate", "2-input NOR gate"},
      {"T3NorGate", "3-input NOR gate"},
      {"T4NorGate", "4-input NOR gate"},
      {"T2XorGate", "XOR gate"},
      {"T2XnorGate", "XNOR gate"},
      {"TTriState", "tri-state buffer"},
      {"TRSFlipFlop", "RS flip-flop"},
      {"TDFlipFlop", "D flip-flop"},
      {"TJKFlipFlop", "JK flip-flop"},
      {"TGround", "ground"},
      {"TSupply", "supply"},
      {"TClockDevice", "clock"},
      {"TBitGenerator", "sequence generator"},
      {"TInteractiveInput", "interactive input"},
      {"TInteractiveSwitch", "switch"},
      {"TLEDDevice", "LED"},
      {"TLEDSegmentDevice", "seven-segment display"},
      {"TNumericDevice", "numeric display"},
      {"TTagDevice", "tag"},
      {"TMacro", "sub-circuit"},
  };
  if (const auto* memory = dynamic_cast<const TMemoryDevice*>(&device)) {
    return memory->IsRAM() ? QStringLiteral("RAM") : QStringLiteral("ROM");
  }
  for (const auto& [className, kind] : kinds) {
    if (std::strcmp(device.ClassName(), className) == 0) {
      return QString::fromLatin1(kind);
    }
  }
  return QStringLiteral("device");
}

}  // namespace logivane
