#pragma once

#include "simulation/cFlipFlop.h"
#include "simulation/cMacro.h"
#include "simulation/cinput.h"

#include <unordered_map>
#include <vector>

namespace logivane::fuzz {

/// Every device, wire and joint of a circuit and its sub-circuits in a fixed order, and what a
/// step left in them as numbers, so that two ways of settling one circuit can be compared.
struct TCircuitSnapshot {
  std::vector<TDevice*> Devices;
  std::vector<TWire*> Wires;
  std::vector<TSolder*> Solders;
  std::vector<TMacro*> Levels;
  std::unordered_map<const TDevice*, long> Index;

  explicit TCircuitSnapshot(TMacro& root) {
    Add(root);
    for (std::size_t i = 0; i < Devices.size(); ++i) {
      Index.emplace(Devices[i], static_cast<long>(i));
    }
  }

  void Add(TMacro& level) {
    Levels.push_back(&level);
    for (TGraphicList* list :
         {&level.Inputs(), &level.Devices(), &level.Tags(), &level.Outputs()}) {
      for (int i = 0; i < list->Count(); ++i) {
        if (list->Child(i)->GraphicKind() != TGraphicKind::Device) {
          continue;  // a note among the devices
        }
        auto* device = static_cast<TDevice*>(list->Child(i));
        Devices.push_back(device);
        if (device->Role() == TDeviceRole::Macro) {
          Add(static_cast<TMacro&>(*device));
        }
      }
    }
    for (int i = 0; i < level.Wires().Count(); ++i) {
      Wires.push_back(static_cast<TWire*>(level.Wires().Child(i)));
    }
    for (int i = 0; i < level.Solders().Count(); ++i) {
      Solders.push_back(static_cast<TSolder*>(level.Solders().Child(i)));
    }
  }

  /// The place of `device`: -1 for none, -2 for one outside the circuit.
  long Of(const TDevice* device) const {
    if (!device) {
      return -1;
    }
    const auto at = Index.find(device);
    return at == Index.end() ? -2 : at->second;
  }

  /// Each device's contention, its pins' levels and drivers and the states of flip-flops and
  /// sequences; each wire's level and mark, each joint's mark, and each level's evaluations.
  std::vector<long> State() const {
    std::vector<long> state;
    for (const TDevice* device : Devices) {
      state.push_back(device->Contention);
      for (int i = 0; i < device->PinCount(); ++i) {
        state.push_back(device->Pin(i)->Value);
        state.push_back(Of(device->Pin(i)->Driver));
      }
      if (const auto* flipFlop = dynamic_cast<const TFlipFlop*>(device)) {
        state.push_back(flipFlop->Q * 2 + flipFlop->NotQ);
      }
      if (const auto* clocked = dynamic_cast<const TClockedFlipFlop*>(device)) {
        state.push_back(clocked->MasterQ * 4 + clocked->MasterNotQ * 2 + clocked->Initial);
      }
      if (const auto* sequence = dynamic_cast<const TSeqInputDevice*>(device)) {
        state.push_back((sequence->Position * 2 + sequence->Phase) * 16 + sequence->Level);
      }
    }
    for (const TWire* wire : Wires) {
      state.push_back(wire->Value * 2 + wire->Visited);
    }
    for (const TSolder* solder : Solders) {
      state.push_back(solder->Visited);
    }
    for (const TMacro* level : Levels) {
      state.push_back(static_cast<long>(level->Evaluations()));
    }
    return state;
  }
};

}  // namespace logivane::fuzz
