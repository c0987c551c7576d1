#include "app/DeviceTools.h"

#include "simulation/cFlipFlop.h"
#include "simulation/cGateDevice.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cTagDevice.h"
#include "simulation/cinput.h"

#include <array>

namespace logivane {

namespace {

template <class Device>
std::unique_ptr<TGraphicObject> Make() {
  return std::make_unique<Device>();
}

// Gates are always placed with two inputs; the device menu changes the count afterwards.
const std::array<TDeviceTool, 23> Tools{{
    {"SpeedOrGate", "OR Gate", "or-gate", Make<T2OrGate>},
    {"SpeedNorGate", "NOR Gate", "nor-gate", Make<T2NorGate>},
    {"SpeedXorGate", "XOR Gate", "xor-gate", Make<T2XorGate>},
    {"SpeedXnorGate", "XNOR Gate", "xnor-gate", Make<T2XnorGate>},
    {"SpeedNotGate", "NOT Gate", "not-gate", Make<TNotGate>},
    {"SpeedAndGate", "AND Gate", "and-gate", Make<T2AndGate>},
    {"SpeedNandGate", "NAND Gate", "nand-gate", Make<T2NandGate>},
    {"SpeedTriState", "Tri-State Device", "tri-state", Make<TTriState>},
    {"SpeedRSFlipFlop", "RS Flip Flop", "rs-flip-flop", Make<TRSFlipFlop>},
    {"SpeedJKFlipFlop", "JK Flip Flop", "jk-flip-flop", Make<TJKFlipFlop>},
    {"SpeedDFlipFlop", "D Flip Flop", "d-flip-flop", Make<TDFlipFlop>},
    {"SpeedMemory", "Memory Device", "memory", nullptr},
    {"SpeedSwitch", "Switch", "switch", Make<TInteractiveSwitch>},
    {"SpeedTag", "Tag Device", "tag", Make<TTagDevice>, false, true},
    {"SpeedSequence", "Sequence Generator", "sequence", Make<TBitGenerator>, true},
    {"SpeedClock", "Clock", "clock", Make<TClockDevice>, true},
    {"SpeedInput", "Interactive Input", "input", Make<TInteractiveInput>},
    {"SpeedGround", "Ground", "ground", Make<TGround>},
    {"SpeedVcc", "Vcc", "vcc", Make<TSupply>, false, true},
    {"SpeedLED", "LED", "led", Make<TLEDDevice>},
    {"SpeedSegment", "7 Segment LED", "segment", Make<TLEDSegmentDevice>},
    {"SpeedNumeric", "Numeric Output", "numeric", nullptr, false, true},
    {"SpeedAnnotation", "Annotation", "annotation", nullptr},
}};

}  // namespace

std::span<const TDeviceTool> DeviceTools() {
  return Tools;
}

}  // namespace logivane
