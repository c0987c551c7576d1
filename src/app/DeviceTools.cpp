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
    {"SpeedOrGate", QT_TRANSLATE_NOOP("TMainMenus", "OR Gate"), "or-gate", Make<T2OrGate>},
    {"SpeedNorGate", QT_TRANSLATE_NOOP("TMainMenus", "NOR Gate"), "nor-gate", Make<T2NorGate>},
    {"SpeedXorGate", QT_TRANSLATE_NOOP("TMainMenus", "XOR Gate"), "xor-gate", Make<T2XorGate>},
    {"SpeedXnorGate", QT_TRANSLATE_NOOP("TMainMenus", "XNOR Gate"), "xnor-gate", Make<T2XnorGate>},
    {"SpeedNotGate", QT_TRANSLATE_NOOP("TMainMenus", "NOT Gate"), "not-gate", Make<TNotGate>},
    {"SpeedAndGate", QT_TRANSLATE_NOOP("TMainMenus", "AND Gate"), "and-gate", Make<T2AndGate>},
    {"SpeedNandGate", QT_TRANSLATE_NOOP("TMainMenus", "NAND Gate"), "nand-gate", Make<T2NandGate>},
    {"SpeedTriState", QT_TRANSLATE_NOOP("TMainMenus", "Tri-State Device"), "tri-state",
     Make<TTriState>},
    {"SpeedRSFlipFlop", QT_TRANSLATE_NOOP("TMainMenus", "RS Flip Flop"), "rs-flip-flop",
     Make<TRSFlipFlop>},
    {"SpeedJKFlipFlop", QT_TRANSLATE_NOOP("TMainMenus", "JK Flip Flop"), "jk-flip-flop",
     Make<TJKFlipFlop>},
    {"SpeedDFlipFlop", QT_TRANSLATE_NOOP("TMainMenus", "D Flip Flop"), "d-flip-flop",
     Make<TDFlipFlop>},
    {"SpeedMemory", QT_TRANSLATE_NOOP("TMainMenus", "Memory Device"), "memory", nullptr},
    //: The toggle switch that the user flips, as a device of the circuit
    {"SpeedSwitch", QT_TRANSLATE_NOOP("TMainMenus", "Switch"), "switch", Make<TInteractiveSwitch>},
    //: A named connector: tags of one name are joined without a wire
    {"SpeedTag", QT_TRANSLATE_NOOP("TMainMenus", "Tag Device"), "tag", Make<TTagDevice>, false,
     true},
    {"SpeedSequence", QT_TRANSLATE_NOOP("TMainMenus", "Sequence Generator"), "sequence",
     Make<TBitGenerator>, true},
    //: The device that gives the clock signal, not a time of day
    {"SpeedClock", QT_TRANSLATE_NOOP("TMainMenus", "Clock"), "clock", Make<TClockDevice>, true},
    {"SpeedInput", QT_TRANSLATE_NOOP("TMainMenus", "Interactive Input"), "input",
     Make<TInteractiveInput>},
    //: The source of a constant logic 0 (0 V)
    {"SpeedGround", QT_TRANSLATE_NOOP("TMainMenus", "Ground"), "ground", Make<TGround>},
    {"SpeedVcc", QT_TRANSLATE_NOOP("TMainMenus", "Vcc"), "vcc", Make<TSupply>, false, true},
    {"SpeedLED", QT_TRANSLATE_NOOP("TMainMenus", "LED"), "led", Make<TLEDDevice>},
    {"SpeedSegment", QT_TRANSLATE_NOOP("TMainMenus", "7 Segment LED"), "segment",
     Make<TLEDSegmentDevice>},
    {"SpeedNumeric", QT_TRANSLATE_NOOP("TMainMenus", "Numeric Output"), "numeric", nullptr, false,
     true},
    {"SpeedAnnotation", QT_TRANSLATE_NOOP("TMainMenus", "Annotation"), "annotation", nullptr},
}};

}  // namespace

std::span<const TDeviceTool> DeviceTools() {
  return Tools;
}

}  // namespace logivane
