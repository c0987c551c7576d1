// Gathering and dissolving the flat nets that TPin::SetValue drives (see TNet in cConnect.h).

#include "simulation/cConnect.h"

#include <memory>

namespace logivane {

namespace {

/// A part can join a net when no other net has it and its links point both ways; otherwise
/// the search could reach different parts from different pins, and the net stays with it.
bool Claimable(const TGraphicObject& part, const TNet* claimed) {
  return !claimed && part.ReferencesConsistent();
}

}  // namespace

void TNet::Gather(TWire& wire, const std::unordered_set<const TGraphicObject*>& level,
                  const std::shared_ptr<TStructureStamp>& stamp) {
  if (wire.FNet) {
    return;
  }
  auto net = std::unique_ptr<TNet>(new TNet);
  net->FLevel = stamp;
  std::unordered_set<const TGraphicObject*> seen{&wire};
  std::vector<TWire*> pending{&wire};
  while (!pending.empty()) {
    TWire& next = *pending.back();
    pending.pop_back();
    if (!level.contains(&next) || !Claimable(next, next.FNet)) {
      return;
    }
    net->FWires.push_back(&next);
    for (TGraphicObject* end : {next.End1, next.End2}) {
      if (!end || !seen.insert(end).second) {
        continue;
      }
      if (end->GraphicKind() == TGraphicKind::Pin) {
        auto& pin = static_cast<TPin&>(*end);
        if (!Claimable(pin, pin.FNet)) {
          return;
        }
        net->FPins.push_back(&pin);
        continue;
      }
      if (end->GraphicKind() != TGraphicKind::Solder) {
        return;
      }
      auto& solder = static_cast<TSolder&>(*end);
      if (!level.contains(&solder) || !Claimable(solder, solder.FNet)) {
        return;
      }
      net->FSolders.push_back(&solder);
      for (TWire* branch : solder.Wires) {
        if (branch && seen.insert(branch).second) {
          pending.push_back(branch);
        }
      }
    }
  }
  TNet* gathered = net.release();
  for (TPin* pin : gathered->FPins) {
    pin->FNet = gathered;
  }
  for (TWire* part : gathered->FWires) {
    part->FNet = gathered;
  }
  for (TSolder* solder : gathered->FSolders) {
    solder->FNet = gathered;
  }
}

void TNet::Dissolve(TNet* net) noexcept {
  // Every part is still whole: a net dissolves before its links change or a part goes.
  if (net->FLevel) {
    net->FLevel->Count(true);
  }
  for (TPin* pin : net->FPins) {
    pin->FNet = nullptr;
  }
  for (TWire* wire : net->FWires) {
    wire->FNet = nullptr;
  }
  for (TSolder* solder : net->FSolders) {
    solder->FNet = nullptr;
  }
  delete net;
}

}  // namespace logivane
