#include "Schematic.h"

#include "simulation/cCircuitBuilder.h"
#include "simulation/cDeviceParts.h"
#include "simulation/cGateDevice.h"
#include "simulation/cinput.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace logivane::library {

namespace {

constexpr int Pitch = 10;
/// The height of the row of devices, low enough for the tallest symbol and the port names
/// above it to stay on the drawing.
constexpr int RowY = 80;
/// Distance between neighbouring pins of the outline, and the length of their leads.
constexpr int PinPitch = 20;
constexpr int LeadLength = 20;

int CeilToPitch(float value) {
  return static_cast<int>(std::ceil(value / Pitch)) * Pitch;
}

QPoint CentreOf(const TPin& pin) {
  float x, y;
  pin.GetCentre(x, y);
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

/// A connection the net list asks for that the circuit cannot take is a mistake in the part,
/// so it stops the program rather than leave a macro with a missing wire.
void Wire(TMacro& circuit, TGraphicObject& from, TGraphicObject& to,
          const std::vector<QPoint>& bends) {
  if (!Connect(circuit, from, to, bends)) {
    throw std::logic_error("a library part wires an end that is taken");
  }
}

std::vector<QPoint> Reversed(std::vector<QPoint> points) {
  std::reverse(points.begin(), points.end());
  return points;
}

}  // namespace

std::vector<QString> TOutline::PinOrder() const {
  std::vector<QString> order = Left;
  order.insert(order.end(), Right.begin(), Right.end());
  return order;
}

TSchematic::TSchematic(TOutline outline)
    : FOutline(std::move(outline)), FMacro(std::make_unique<TMacro>()) {
  FMacro->Closed = false;
  FMacro->Displayed = true;
}

TSchematic::TNet TSchematic::In(const QString& name) {
  auto& tag = Add<TTagDevice>();
  FTags.emplace_back(name, &tag);
  return Drive(*tag.Pin(0));
}

void TSchematic::Out(const QString& name, TNet net) {
  auto& tag = Add<TTagDevice>();
  FTags.emplace_back(name, &tag);
  Join(net, *tag.Pin(0));
}

TSchematic::TNet TSchematic::Not(TNet net) {
  return Gate<TNotGate>({net});
}

TSchematic::TNet TSchematic::High() {
  if (FHigh < 0) {
    FHigh = Drive(*Add<TSupply>().Pin(0));
  }
  return FHigh;
}

TSchematic::TNet TSchematic::Low() {
  if (FLow < 0) {
    FLow = Drive(*Add<TGround>().Pin(0));
  }
  return FLow;
}

void TSchematic::Join(TNet net, TPin& pin) {
  FNets.at(static_cast<std::size_t>(net)).push_back(&pin);
}

TSchematic::TNet TSchematic::Drive(TPin& pin) {
  FNets.push_back({&pin});
  return static_cast<TNet>(FNets.size()) - 1;
}

void TSchematic::Place(std::unique_ptr<TDevice> device) {
  // Sort the pins by the side they leave the symbol from, each side top to bottom.
  std::vector<TPin*> left, right, below;
  float minX = 1e9F, maxX = -1e9F;
  for (int i = 0; i < device->PinCount(); ++i) {
    const QPoint p = CentreOf(*device->Pin(i));
    minX = std::min(minX, static_cast<float>(p.x()));
    maxX = std::max(maxX, static_cast<float>(p.x()));
  }
  for (int i = 0; i < device->PinCount(); ++i) {
    TPin* pin = device->Pin(i);
    const int x = CentreOf(*pin).x();
    if (device->PinCount() > 1 && x == minX) {
      left.push_back(pin);
    } else if (device->PinCount() > 1 && x == maxX) {
      right.push_back(pin);
    } else {
      below.push_back(pin);
    }
  }
  auto byHeight = [](const TPin* a, const TPin* b) {
    return CentreOf(*a).y() < CentreOf(*b).y();
  };
  std::sort(left.begin(), left.end(), byHeight);
  std::sort(right.begin(), right.end(), byHeight);

  const TFloatRect bounds = device->GetFloatBounds();
  const int leftColumns = static_cast<int>(left.size());
  const int x = CeilToPitch(static_cast<float>(FCursor) - bounds.MinX +
                            static_cast<float>(Pitch * (leftColumns + 1)));
  device->Translate(static_cast<float>(x), RowY);
  device->Remap();
  int rightmost = CeilToPitch(static_cast<float>(x) + bounds.MaxX);

  for (std::size_t i = 0; i < left.size(); ++i) {
    const QPoint p = CentreOf(*left[i]);
    const int column = p.x() - Pitch * static_cast<int>(left.size() - i);
    FEnds.push_back({left[i], column, {{column, p.y()}}});
  }
  for (std::size_t i = 0; i < right.size(); ++i) {
    const QPoint p = CentreOf(*right[i]);
    const int column = p.x() + Pitch * static_cast<int>(right.size() - i);
    FEnds.push_back({right[i], column, {{column, p.y()}}});
    rightmost = std::max(rightmost, column);
  }
  for (TPin* pin : below) {
    const QPoint p = CentreOf(*pin);
    if (p.y() >= RowY) {
      FEnds.push_back({pin, p.x(), {}});
    } else {
      // A pin on top of its symbol goes up and round it.
      const int column = CeilToPitch(static_cast<float>(x) + bounds.MaxX) + Pitch;
      FEnds.push_back({pin, column, {{p.x(), p.y() - Pitch}, {column, p.y() - Pitch}}});
      rightmost = std::max(rightmost, column);
    }
  }
  FCursor = rightmost + Pitch;
  FBottom = std::max(FBottom, CeilToPitch(RowY + bounds.MaxY));
  AddObject(*FMacro, std::move(device));
}

TSchematic::TEnd& TSchematic::EndOf(const TPin& pin) {
  for (TEnd& end : FEnds) {
    if (end.Pin == &pin) {
      return end;
    }
  }
  throw std::logic_error("a library part joins a pin it has not placed");
}

void TSchematic::Route(std::vector<TEnd> ends, int rail) {
  std::sort(ends.begin(), ends.end(),
            [](const TEnd& a, const TEnd& b) { return a.Column < b.Column; });
  TMacro& c = *FMacro;
  auto down = [rail](const TEnd& end) {
    std::vector<QPoint> path = end.Turns;
    path.emplace_back(end.Column, rail);
    return path;
  };
  const TEnd& first = ends.front();
  const TEnd& last = ends.back();
  if (ends.size() == 2) {
    std::vector<QPoint> path = down(first);
    for (const QPoint& p : Reversed(down(last))) {
      path.push_back(p);
    }
    Wire(c, *first.Pin, *last.Pin, path);
    return;
  }
  // The ends between the first and the last meet the rail at joints.
  TGraphicObject* previous = first.Pin;
  std::vector<QPoint> bends = down(first);
  for (std::size_t i = 1; i + 1 < ends.size(); ++i) {
    TSolder* joint = AddJoint(c, {ends[i].Column, rail});
    Wire(c, *previous, *joint, previous == first.Pin ? bends : std::vector<QPoint>{});
    Wire(c, *joint, *ends[i].Pin, Reversed(ends[i].Turns));
    previous = joint;
  }
  Wire(c, *previous, *last.Pin, Reversed(down(last)));
}

void TSchematic::DrawOutline(const QString& caption) {
  TMacro& m = *FMacro;
  const int rows = static_cast<int>(std::max(FOutline.Left.size(), FOutline.Right.size()));
  const int halfWidth = FOutline.Dip ? 40 : 30;
  const int halfHeight = rows * PinPitch / 2;
  AddPolygon(m, {{-halfWidth, -halfHeight},
                 {halfWidth, -halfHeight},
                 {halfWidth, halfHeight},
                 {-halfWidth, halfHeight}});
  AddText(m, caption, 0, static_cast<float>(-halfHeight - 8))->ShowBox = false;

  const std::vector<QString> order = FOutline.PinOrder();
  for (std::size_t number = 0; number < order.size(); ++number) {
    const bool onLeft = number < FOutline.Left.size();
    int row = static_cast<int>(onLeft ? number : number - FOutline.Left.size());
    if (!onLeft && FOutline.Dip) {
      row = rows - 1 - row;  // a chip's pins run up its right side
    }
    const int side = onLeft ? -1 : 1;
    const int y = -halfHeight + PinPitch / 2 + PinPitch * row;
    const int edge = side * halfWidth;
    const int end = side * (halfWidth + LeadLength);
    AddLine(m, {edge, y}, {end, y});
    TMacroPin* pin = AddOutlinePin(m, static_cast<float>(end), static_cast<float>(y));
    const QString& name = order[number];
    // An active-low pin is named with a leading slash and shown with a bar over its name.
    const bool activeLow = name.startsWith(u'/');
    const QString shown = activeLow ? name.mid(1) : name;
    const float nameX = static_cast<float>(edge) -
                        static_cast<float>(side) * (4.0F + 2.5F * static_cast<float>(shown.size()));
    TGraphicText* text = AddText(m, shown, nameX, static_cast<float>(y));
    text->ShowBox = false;
    text->Overline = activeLow;
    text->Remap();
    if (FOutline.Dip) {
      AddText(m, QString::number(number + 1), static_cast<float>(edge + side * LeadLength / 2),
              static_cast<float>(y - 6))
          ->ShowBox = false;
    }
    for (const auto& [tagName, tag] : FTags) {
      if (tagName == name) {
        AssociateTag(m, *tag, *pin);
      }
    }
  }
}

std::unique_ptr<TMacro> TSchematic::Finish(const QString& caption, const QString& datasheet) {
  // Name each tag inside, where the user opening the macro looks for its ports.
  for (const auto& [name, tag] : FTags) {
    auto label = std::make_unique<TTextDevice>();
    label->SetLabelText(name);
    float x, y;
    tag->Pin(0)->GetCentre(x, y);
    label->CentreAt({static_cast<int>(x), static_cast<int>(y) - 25});
    label->Remap();
    AddObject(*FMacro, std::move(label));
  }
  int rail = FBottom + 2 * Pitch;
  for (const std::vector<TPin*>& net : FNets) {
    if (net.size() < 2) {
      continue;  // an output nothing uses
    }
    std::vector<TEnd> ends;
    for (TPin* pin : net) {
      ends.push_back(EndOf(*pin));
    }
    Route(std::move(ends), rail);
    rail += Pitch;
  }
  UpdateTagKinds(*FMacro);
  DrawOutline(caption);
  UpdateTagKinds(*FMacro);
  FMacro->Datasheet = datasheet;
  FMacro->Reset();
  return std::move(FMacro);
}

}  // namespace logivane::library
