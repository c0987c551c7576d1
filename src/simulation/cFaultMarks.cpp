// Finding where a faulted step's fault lies. Only a step that found a fault comes here, so
// the walks below may take their time and memory: the settle loop pays nothing for them.

#include "simulation/cFaultMarks.h"

#include "simulation/cMacro.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace logivane {

namespace {

/// Passes enough for every device of an oscillating loop to change at least once, however its
/// devices lie in the evaluation order.
constexpr int DiagnosticPasses = 4;

/// Calls `f` on every device of the level's own lists, sub-circuits included.
template <class F>
void EachDevice(const TMacro& level, F&& f) {
  for (const TGraphicList* list :
       {&level.Inputs(), &level.Devices(), &level.Tags(), &level.Outputs()}) {
    for (TSerialize* item : list->Objects()) {
      auto* object = static_cast<TGraphicObject*>(item);
      if (object->GraphicKind() == TGraphicKind::Device) {
        f(*static_cast<TDevice*>(object));
      }
    }
  }
}

/// Calls `f` on `level` and every level below it, outermost first, until it returns true.
template <class F>
bool EachLevel(TMacro& level, F&& f) {
  if (f(level)) {
    return true;
  }
  bool found = false;
  EachDevice(level, [&](TDevice& device) {
    if (!found && device.Role() == TDeviceRole::Macro) {
      found = EachLevel(static_cast<TMacro&>(device), f);
    }
  });
  return found;
}

/// Which device of one level owns each pin; pins know no owner of their own.
class TPinOwners {
public:
  explicit TPinOwners(const TMacro& level) {
    EachDevice(level, [this](TDevice& device) {
      for (TSerialize* pin : device.Pins().Objects()) {
        FOwner.emplace(static_cast<const TPin*>(pin), &device);
      }
    });
  }
  TDevice* Of(const TPin* pin) const {
    const auto at = FOwner.find(pin);
    return at == FOwner.end() ? nullptr : at->second;
  }
  bool Has(const TDevice* device) const {
    return std::any_of(FOwner.begin(), FOwner.end(),
                       [device](const auto& entry) { return entry.second == device; });
  }

private:
  std::unordered_map<const TPin*, TDevice*> FOwner;
};

/// One net walked from a pin along its wires and joints. Each part remembers the wire it was
/// reached by, so the way back to the start is known from any pin of the net.
class TNetTree {
public:
  explicit TNetTree(TPin& from) {
    FCameBy.emplace(&from, nullptr);
    FPins.push_back(&from);
    // Each wire with the part it was found from. A wire that does not name that part among
    // its ends (links broken one way) is left out, so the way back never leads astray.
    std::vector<std::pair<TWire*, const TGraphicObject*>> pending;
    if (from.Wire) {
      pending.emplace_back(from.Wire, &from);
    }
    std::unordered_set<const TWire*> walked;
    while (!pending.empty()) {
      const auto [wire, found] = pending.back();
      pending.pop_back();
      if (!wire->HasEnd(found) || !walked.insert(wire).second) {
        continue;
      }
      FWires.push_back(wire);
      for (TGraphicObject* end : {wire->End1, wire->End2}) {
        if (!end || !FCameBy.emplace(end, wire).second) {
          continue;
        }
        if (end->GraphicKind() == TGraphicKind::Pin) {
          FPins.push_back(static_cast<TPin*>(end));
        } else if (end->GraphicKind() == TGraphicKind::Solder) {
          auto* solder = static_cast<TSolder*>(end);
          FSolders.push_back(solder);
          for (TWire* branch : solder->Wires) {
            if (branch) {
              pending.emplace_back(branch, solder);
            }
          }
        }
      }
    }
  }

  const std::vector<TPin*>& Pins() const { return FPins; }

  /// Marks every wire and joint of the net.
  void MarkAll(TFaultMarks& marks) const {
    marks.Wires.insert(marks.Wires.end(), FWires.begin(), FWires.end());
    marks.Solders.insert(marks.Solders.end(), FSolders.begin(), FSolders.end());
  }

  /// Marks the wires and joints between `to`, a pin of the net, and the pin walked from.
  void MarkPathTo(const TPin& to, TFaultMarks& marks) const {
    const TGraphicObject* part = &to;
    for (TWire* wire = CameBy(part); wire; wire = CameBy(part)) {
      marks.Wires.push_back(wire);
      TGraphicObject* back = wire->End1 == part ? wire->End2 : wire->End1;
      if (back->GraphicKind() == TGraphicKind::Solder) {
        marks.Solders.push_back(static_cast<TSolder*>(back));
      }
      part = back;
    }
  }

private:
  TWire* CameBy(const TGraphicObject* part) const {
    const auto at = FCameBy.find(part);
    return at == FCameBy.end() ? nullptr : at->second;
  }

  std::unordered_map<const TGraphicObject*, TWire*> FCameBy;
  std::vector<TPin*> FPins;
  std::vector<TWire*> FWires;
  std::vector<TSolder*> FSolders;
};

template <class T>
void RemoveDuplicates(std::vector<T*>& list) {
  std::unordered_set<const T*> seen;
  list.erase(
      std::remove_if(list.begin(), list.end(), [&seen](T* x) { return !seen.insert(x).second; }),
      list.end());
}

bool Drives(const TPin& pin) {
  return pin.Kind == PinOutput || pin.Kind == PinTriState;
}

// ---------------------------------------------------------------------------------------------
// Bus contention

/// Marks the nets that `fighter`, a device of `level` marked with contention, fought over and
/// their drivers; false when it drives no net that another device drove too.
bool MarkContention(TMacro& level, TDevice& fighter, TFaultMarks& marks) {
  const TPinOwners owners(level);
  for (TSerialize* item : fighter.Pins().Objects()) {
    auto* pin = static_cast<TPin*>(item);
    if (!Drives(*pin) || !pin->Wire) {
      continue;
    }
    const TNetTree net(*pin);
    // The net names the device that drove it first, which may not know it drove.
    std::vector<const TDevice*> named;
    for (const TPin* part : net.Pins()) {
      named.push_back(part->Driver);
    }
    std::vector<TDevice*> drivers;
    bool fought = false;
    for (const TPin* part : net.Pins()) {
      TDevice* owner = owners.Of(part);
      fought = fought || Fights(part->Driver, &fighter);
      if (!owner || !Drives(*part)) {
        continue;
      }
      if (owner->DrivesNet(*part) || std::find(named.begin(), named.end(), owner) != named.end()) {
        drivers.push_back(owner);
        fought = fought || owner != &fighter;
      }
    }
    if (fought) {
      net.MarkAll(marks);
      marks.Devices.insert(marks.Devices.end(), drivers.begin(), drivers.end());
    }
  }
  if (marks.Empty()) {
    return false;
  }
  marks.Devices.insert(marks.Devices.begin(), &fighter);
  marks.Level = &level;
  return true;
}

TFaultMarks FindContention(TMacro& root, TDevice* culprit) {
  TFaultMarks marks;
  const auto fighting = [](const TDevice& device) {
    return device.Contention && device.Role() != TDeviceRole::Macro;
  };
  // The device the notice names, when the fight is on the level on screen; otherwise the first
  // device found fighting, outermost level first.
  if (culprit && fighting(*culprit) && EachLevel(root, [&](TMacro& level) {
        return TPinOwners(level).Has(culprit) && MarkContention(level, *culprit, marks);
      })) {
    return marks;
  }
  EachLevel(root, [&](TMacro& level) {
    bool found = false;
    EachDevice(level, [&](TDevice& device) {
      found = found || (fighting(device) && MarkContention(level, device, marks));
    });
    return found;
  });
  return marks;
}

// ---------------------------------------------------------------------------------------------
// Races

/// The devices of `level`'s order whose evaluation still changes a pin, in order.
std::vector<TDevice*> StillChanging(TMacro& level) {
  const std::vector<TDevice*>& order = level.EvalOrder();
  std::vector<char> changed(order.size(), 0);
  const TPrimingScope looking;  // these passes only look: a memory does not write
  for (int pass = 0; pass < DiagnosticPasses; ++pass) {
    level.SetVisited(false);
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (order[i]->Calculate().Changed) {
        changed[i] = 1;
      }
    }
  }
  std::vector<TDevice*> changing;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (changed[i]) {
      changing.push_back(order[i]);
    }
  }
  return changing;
}

/// A changing device's output net reaching an input of a changing device.
struct TLink {
  std::size_t From;
  std::size_t To;
  std::size_t Net;
  const TPin* Input;
};

/// Drops the devices that nothing changing drives or that drive nothing changing, again and
/// again: what is left lies on loops, or between them, and followers and feeders of the loop
/// go, however long their chains.
std::vector<char> OnLoops(std::size_t count, const std::vector<TLink>& links) {
  std::vector<std::vector<std::size_t>> outgoing(count), incoming(count);
  std::vector<int> in(count, 0), out(count, 0);
  for (std::size_t l = 0; l < links.size(); ++l) {
    outgoing[links[l].From].push_back(l);
    incoming[links[l].To].push_back(l);
    ++out[links[l].From];
    ++in[links[l].To];
  }
  std::vector<char> kept(count, 1);
  std::vector<std::size_t> dropping;
  for (std::size_t i = 0; i < count; ++i) {
    if (in[i] == 0 || out[i] == 0) {
      dropping.push_back(i);
    }
  }
  while (!dropping.empty()) {
    const std::size_t i = dropping.back();
    dropping.pop_back();
    if (!kept[i]) {
      continue;
    }
    kept[i] = 0;
    for (const std::size_t l : outgoing[i]) {
      if (--in[links[l].To] == 0) {
        dropping.push_back(links[l].To);
      }
    }
    for (const std::size_t l : incoming[i]) {
      if (--out[links[l].From] == 0) {
        dropping.push_back(links[l].From);
      }
    }
  }
  return kept;
}

TFaultMarks FindRace(TMacro& root) {
  TFaultMarks marks;
  EachLevel(root, [&marks](TMacro& level) {
    if (!level.Raced()) {
      return false;
    }
    marks.Level = &level;
    const std::vector<TDevice*> changing = StillChanging(level);
    std::unordered_map<const TDevice*, std::size_t> index;
    for (std::size_t i = 0; i < changing.size(); ++i) {
      index.emplace(changing[i], i);
    }
    const TPinOwners owners(level);
    std::vector<TNetTree> nets;
    std::vector<TLink> links;
    for (std::size_t i = 0; i < changing.size(); ++i) {
      for (TSerialize* item : changing[i]->Pins().Objects()) {
        auto* pin = static_cast<TPin*>(item);
        if (pin->Kind == PinInput || !pin->Wire) {
          continue;
        }
        nets.emplace_back(*pin);
        for (const TPin* part : nets.back().Pins()) {
          const auto reader = index.find(owners.Of(part));
          if (part->Kind == PinInput && reader != index.end()) {
            links.push_back({i, reader->second, nets.size() - 1, part});
          }
        }
      }
    }
    std::vector<char> kept = OnLoops(changing.size(), links);
    if (std::find(kept.begin(), kept.end(), 1) == kept.end()) {
      kept.assign(changing.size(), 1);  // no loop on this level: show every device that changed
    }
    for (std::size_t i = 0; i < changing.size(); ++i) {
      if (kept[i]) {
        marks.Devices.push_back(changing[i]);
      }
    }
    for (const TLink& link : links) {
      if (kept[link.From] && kept[link.To]) {
        nets[link.Net].MarkPathTo(*link.Input, marks);
      }
    }
    return true;
  });
  return marks;
}

}  // namespace

void TFaultMarks::KeepOnly(const std::vector<TGraphicObject*>& objects) {
  const auto drop = [&objects](auto& list) {
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&objects](const TGraphicObject* marked) {
                                return std::find(objects.begin(), objects.end(), marked) ==
                                       objects.end();
                              }),
               list.end());
  };
  drop(Devices);
  drop(Wires);
  drop(Solders);
  if (Empty()) {
    Level = nullptr;
  }
}

TFaultMarks FindFaultMarks(TMacro& root, const SimResult& result) {
  TFaultMarks marks = result.Race ? FindRace(root) : FindContention(root, result.Culprit);
  RemoveDuplicates(marks.Devices);
  RemoveDuplicates(marks.Wires);
  RemoveDuplicates(marks.Solders);
  return marks;
}

}  // namespace logivane
