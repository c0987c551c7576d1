#pragma once

// Draws the inside of a library macro from a net list: devices stand in one row, each net runs
// along its own rail under the row, and every pin reaches its rail through its own column, so
// every wire is straight or bends at right angles and no two wires share a segment.

#include "simulation/cMacro.h"

#include <QPoint>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace logivane::library {

/// The outline of a macro: pin names down its left and right sides. Unnamed-by-the-circuit
/// pins (supply pins of a chip) stay unconnected.
struct TOutline {
  std::vector<QString> Left;
  std::vector<QString> Right;
  /// Numbered as a dual-in-line chip: down the left side, then up the right side.
  bool Dip = false;

  /// The pin names in outline order, the order that numbers them from 1.
  std::vector<QString> PinOrder() const;
};

class TSchematic {
public:
  explicit TSchematic(TOutline outline);

  /// A net is a number; pins join it as the schematic is drawn.
  using TNet = int;

  /// The net that comes in through outline pin `name`.
  TNet In(const QString& name);
  /// Sends `net` out through outline pin `name`.
  void Out(const QString& name, TNet net);

  /// A new device of class `T`, or `device` once it is made up, in the row. The device's pins
  /// must not change after this.
  template <class T>
  T& Add(std::unique_ptr<T> device = std::make_unique<T>()) {
    T& placed = *device;
    Place(std::move(device));
    return placed;
  }
  /// A gate of class `T` on the nets `inputs`; its output's net.
  template <class T>
  TNet Gate(std::initializer_list<TNet> inputs) {
    T& gate = Add<T>();
    int pin = 1;
    for (const TNet net : inputs) {
      Join(net, *gate.Pin(pin++));
    }
    return Drive(*gate.Pin(0));
  }
  TNet Not(TNet net);
  TNet High();
  TNet Low();

  /// Adds `pin` to `net`.
  void Join(TNet net, TPin& pin);
  /// A new net driven from `pin`.
  TNet Drive(TPin& pin);

  /// The finished macro: wires routed, the outline drawn and its pins tied to the tags.
  std::unique_ptr<TMacro> Finish(const QString& caption, const QString& datasheet);

private:
  /// Where one pin meets its net's rail: the turns from the pin down to the rail.
  struct TEnd {
    TPin* Pin;
    int Column;
    std::vector<QPoint> Turns;
  };

  void Place(std::unique_ptr<TDevice> device);
  TEnd& EndOf(const TPin& pin);
  void Route(std::vector<TEnd> ends, int rail);
  void DrawOutline(const QString& caption);

  TOutline FOutline;
  std::unique_ptr<TMacro> FMacro;
  std::vector<TEnd> FEnds;
  std::vector<std::vector<TPin*>> FNets;
  std::vector<std::pair<QString, TTagDevice*>> FTags;
  int FCursor = 0;
  int FBottom = 0;
  TNet FHigh = -1;
  TNet FLow = -1;
};

}  // namespace logivane::library
