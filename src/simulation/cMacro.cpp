#include "simulation/cMacro.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"
#include "simulation/cSimEngine.h"
#include "simulation/cTagDevice.h"

#include <algorithm>

namespace logivane {

namespace {

/// The contents list an object is filed in, by its class.
enum class TContents : std::uint8_t { Devices, Tags, Wires, Solders, Inputs, Outputs, Pins };

TContents ContentsOf(const TGraphicObject& object) {
  switch (object.GraphicKind()) {
    case TGraphicKind::Wire:
      return TContents::Wires;
    case TGraphicKind::Solder:
      return TContents::Solders;
    case TGraphicKind::Pin:
      return TContents::Pins;
    case TGraphicKind::Device:
      switch (static_cast<const TDevice&>(object).Role()) {
        case TDeviceRole::Input:
          return TContents::Inputs;
        case TDeviceRole::Output:
          return TContents::Outputs;
        case TDeviceRole::Tag:
          return TContents::Tags;
        default:
          return TContents::Devices;
      }
    default:
      return TContents::Devices;
  }
}

/// Code that walks the lists casts tags and sub-circuits by their role; make sure they are
/// what the role says.
bool RoleMatchesClass(const TGraphicObject& object) {
  if (object.GraphicKind() != TGraphicKind::Device) {
    return true;
  }
  switch (static_cast<const TDevice&>(object).Role()) {
    case TDeviceRole::Tag:
      return dynamic_cast<const TTagDevice*>(&object) != nullptr;
    case TDeviceRole::Macro:
      return dynamic_cast<const TMacro*>(&object) != nullptr;
    default:
      return true;
  }
}

void ReadContents(TSerializeReader& reader, const TMacro& owner,
                  std::unique_ptr<TGraphicList>& list, TContents contents) {
  list.reset();
  list.reset(reader.ReadOwned<TGraphicList>(owner));
  if (list->ClassName() != TGraphicList::StaticClassName) {
    throw EReadError::InvalidValue();
  }
  for (int i = 0; i < list->Count(); ++i) {
    const TGraphicObject& child = *list->Child(i);
    if (ContentsOf(child) != contents || !RoleMatchesClass(child)) {
      throw EReadError::InvalidValue();
    }
  }
}

}  // namespace

TMacro::TMacro()
    : TDevice(TDeviceRole::Macro),
      FDevices(std::make_unique<TGraphicList>()),
      FTags(std::make_unique<TGraphicList>()),
      FWires(std::make_unique<TGraphicList>()),
      FSolders(std::make_unique<TGraphicList>()),
      FInputs(std::make_unique<TGraphicList>()),
      FOutputs(std::make_unique<TGraphicList>()),
      FStructure(std::make_shared<TStructureStamp>()) {
  // Rewiring publishes first, so that the plan's levels and states outlive it.
  FStructure->BeforeChange = [this] {
    if (FEngine && FEngineStamp == FStructure->Changes()) {
      FEngine->Publish();
    }
  };
  GeometryStored = true;
  PinsVisible = true;
  CanResize = false;

  auto frame = std::make_unique<TPolygon>();
  frame->AddPoints({{-20, -10}, {20, -10}, {20, 10}, {-20, 10}});
  frame->Remap();
  Add(std::move(frame));
  auto name = std::make_unique<TGraphicText>();
  name->SetFontSize(7);
  name->SetText(QStringLiteral("macro"));
  name->Remap();
  Add(std::move(name));
}

TMacro::~TMacro() {
  // The contents go after this: their pins must not reach back into a circuit half gone.
  FStructure->BeforeChange = nullptr;
  FEngine.reset();
}

void TMacro::Write(TSerializeWriter& writer) const {
  TDevice::Write(writer);
  writer.WriteString(Datasheet);
  writer.WriteInteger(0);  // the help topic travels in the file's descriptors
  writer.WriteBoolean(Closed);
  writer.WriteBoolean(IsSubCircuit);
  writer.WriteObject(FDevices.get());
  writer.WriteObject(FTags.get());
  writer.WriteObject(FInputs.get());
  writer.WriteObject(FOutputs.get());
  writer.WriteObject(FSolders.get());
  writer.WriteObject(FWires.get());
}

void TMacro::Read(TSerializeReader& reader) {
  ForgetOrder();
  TDevice::Read(reader);
  Datasheet = reader.ReadString();
  HelpTopic = QString::number(reader.ReadInteger());
  Closed = reader.ReadBoolean();
  IsSubCircuit = reader.ReadBoolean();
  ReadContents(reader, *this, FDevices, TContents::Devices);
  ReadContents(reader, *this, FTags, TContents::Tags);
  ReadContents(reader, *this, FInputs, TContents::Inputs);
  ReadContents(reader, *this, FOutputs, TContents::Outputs);
  ReadContents(reader, *this, FSolders, TContents::Solders);
  ReadContents(reader, *this, FWires, TContents::Wires);
}

void TMacro::AbandonLinks() {
  TDevice::AbandonLinks();
  AbandonOwned(FDevices);
  AbandonOwned(FTags);
  AbandonOwned(FWires);
  AbandonOwned(FSolders);
  AbandonOwned(FInputs);
  AbandonOwned(FOutputs);
  ForgetOrder();
}

void TMacro::Clear() {
  if (Closed) {
    TDevice::Clear();
    return;
  }
  ForgetOrder();
  HitObject = nullptr;
  HitPin = nullptr;
  Datasheet.clear();
  for (TGraphicList* list : Contents()) {
    list->Clear();
  }
}

bool TMacro::HitTest(std::int32_t x, std::int32_t y, const THitReach& reach) {
  bool hit = false;
  if (Closed) {
    hit = TDevice::HitTest(x, y, reach);
    if (!HitObject) {
      HitObject = HitPin;
    }
  } else {
    HitObject = nullptr;
    HitPin = nullptr;
    for (TGraphicList* list : Contents()) {
      if (list->HitTest(x, y, reach)) {
        HitObject = list->HitObject;
        hit = true;
        break;
      }
    }
  }
  if (HitObject && HitObject->GraphicKind() == TGraphicKind::Device) {
    HitPin = static_cast<TDevice*>(HitObject)->HitPin;
  }
  return hit;
}

void TMacro::Draw(QPainter& dc) {
  if (Closed) {
    DrawClosed(dc);
    return;
  }
  for (TGraphicList* list : PaintOrder()) {
    list->Draw(dc);
  }
}

void TMacro::DrawClosed(QPainter& dc) {
  TDevice::Draw(dc);
}

void TMacro::Translate(float dx, float dy) {
  if (Closed) {
    TDevice::Translate(dx, dy);
    return;
  }
  for (TGraphicList* list : Contents()) {
    list->Translate(dx, dy);
  }
}

void TMacro::Remap() {
  if (Closed) {
    TDevice::Remap();
    return;
  }
  for (TGraphicList* list : Contents()) {
    list->Remap();
  }
}

TRect TMacro::GetBounds() const {
  if (Closed) {
    return TDevice::GetBounds();
  }
  TRect bounds = TRect::EmptyBounds();
  for (const TGraphicList* list : Contents()) {
    bounds = UnionRect(bounds, list->GetBounds());
  }
  return bounds;
}

TFloatRect TMacro::GetFloatBounds() const {
  if (Closed) {
    return TDevice::GetFloatBounds();
  }
  TFloatRect bounds = TFloatRect::EmptyBounds();
  for (const TGraphicList* list : Contents()) {
    bounds = UnionFloatRect(bounds, list->GetFloatBounds());
  }
  return bounds;
}

void TMacro::DeleteChild(TGraphicObject* object) {
  if (!object) {
    return;
  }
  if (HitObject == object) {
    HitObject = nullptr;
    HitPin = nullptr;
  }
  if (object->GraphicKind() == TGraphicKind::Pin && Pins().Objects().IndexOf(object) >= 0) {
    if (TTagDevice* tag = FindTagForPin(static_cast<TPin*>(object))) {
      tag->SetNumber(-1);
    }
    HitPin = nullptr;
    Pins().DeleteChild(object);
  } else if (Closed) {
    TDevice::DeleteChild(object);
  } else {
    Forget(object);
    ListFor(*object).DeleteChild(object);
  }
}

void TMacro::ForgetOrder() {
  FEngine.reset();
  FOrderBuilt = false;
  FEvalOrder.clear();
  FClockedFlipFlops.clear();
  FSubCircuits.clear();
  FLevelPins.clear();
  FLevelPinsValid = false;
}

void TMacro::Forget(const TGraphicObject* object) {
  const auto same = [object](const TDevice* device) {
    return static_cast<const TGraphicObject*>(device) == object;
  };
  RetireEngine();  // while the object is still there to be written
  std::erase_if(FEvalOrder, same);
  std::erase_if(FClockedFlipFlops, same);
  std::erase_if(FSubCircuits, same);
  FLevelPins.clear();  // the pins of the object may go with it
  FLevelPinsValid = false;
}

TGraphicList& TMacro::ListFor(const TGraphicObject& object) const {
  switch (ContentsOf(object)) {
    case TContents::Tags:
      return *FTags;
    case TContents::Wires:
      return *FWires;
    case TContents::Solders:
      return *FSolders;
    case TContents::Inputs:
      return *FInputs;
    case TContents::Outputs:
      return *FOutputs;
    case TContents::Pins:
      return Pins();
    default:
      return *FDevices;
  }
}

bool TMacro::Collect(const TRect& r, TGraphicList& target, bool inside) const {
  target.Objects().DetachAll();
  bool collected = false;
  const auto collect = [&](const TGraphicList& list) {
    collected |= inside ? list.TGraphicList::CollectInside(r, target)
                        : list.TGraphicList::CollectOutside(r, target);
  };
  if (Closed) {
    if (inside) {
      collect(*this);
      collect(Pins());
    }
    return collected;
  }
  for (const TGraphicList* list : Contents()) {
    collect(*list);
  }
  return collected;
}

bool TMacro::CollectInside(const TRect& r, TGraphicList& target) const {
  return Collect(r, target, true);
}

bool TMacro::CollectOutside(const TRect& r, TGraphicList& target) const {
  return Collect(r, target, false);
}

bool TMacro::IsEmpty() const {
  const auto lists = Contents();
  return std::all_of(lists.begin(), lists.end(),
                     [](const TGraphicList* list) { return list->Count() == 0; });
}

TTagDevice* TMacro::Tag(int index) const {
  return static_cast<TTagDevice*>(FTags->Child(index));
}

TTagDevice* TMacro::FindTagForPin(const TPin* pin) const {
  for (int i = 0; i < FTags->Count(); ++i) {
    if (pin && Tag(i)->LinkPin->Partner == pin) {
      return Tag(i);
    }
  }
  return nullptr;
}

LV_REGISTER_CLASS(TMacro)

}  // namespace logivane
