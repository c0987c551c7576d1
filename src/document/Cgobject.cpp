#include "document/Cgobject.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <QPainter>

namespace logivane {

void CentreOf(const TFloatRect& r, float& x, float& y) {
  x = r.MinX + (r.MaxX - r.MinX) / 2;
  y = r.MinY + (r.MaxY - r.MinY) / 2;
}

void TGraphicObject::GetCentre(float& x, float& y) const {
  CentreOf(GetFloatBounds(), x, y);
}

TGraphicList::TGraphicList() : TGraphicList(TGraphicKind::Shape) {
}

TGraphicList::TGraphicList(TGraphicKind kind) : TGraphicObject(kind) {
}

TGraphicList::~TGraphicList() = default;

void TGraphicList::Write(TSerializeWriter& writer) const {
  writer.WriteObject(&FObjects);
}

void TGraphicList::Read(TSerializeReader& reader) {
  HitObject = nullptr;
  FObjects.Clear();
  reader.ReadListInPlace(FObjects, *this);
  for (TSerialize* child : FObjects) {
    if (!dynamic_cast<TGraphicObject*>(child)) {
      throw EReadError::InvalidValue();
    }
  }
}

void TGraphicList::AbandonLinks() {
  // Children read from the stream are the reader's to destroy; those a constructor made and no
  // read replaced are ours.
  if (FObjects.Streamed) {
    FObjects.DetachAll();
  } else {
    FObjects.Clear();
  }
  HitObject = nullptr;
}

void TGraphicList::SetObjects(std::unique_ptr<TSerializeList> objects) {
  HitObject = nullptr;
  FObjects.Clear();
  FObjects.Swap(*objects);
}

void TGraphicList::Clear() {
  HitObject = nullptr;
  FObjects.Clear();
}

bool TGraphicList::HitTest(std::int32_t x, std::int32_t y, const THitReach& reach) {
  HitObject = nullptr;
  for (int i = Count() - 1; i >= 0; --i) {
    if (Child(i)->HitTest(x, y, reach)) {
      HitObject = Child(i);
      return true;
    }
  }
  return false;
}

void TGraphicList::Draw(QPainter& dc) {
  for (int i = 0; i < Count(); ++i) {
    Child(i)->Draw(dc);
  }
}

void TGraphicList::Rotate(float angle) {
  for (int i = 0; i < Count(); ++i) {
    Child(i)->Rotate(angle);
  }
}

void TGraphicList::Scale(float sx, float sy) {
  for (int i = 0; i < Count(); ++i) {
    Child(i)->Scale(sx, sy);
  }
}

void TGraphicList::Translate(float dx, float dy) {
  for (int i = 0; i < Count(); ++i) {
    Child(i)->Translate(dx, dy);
  }
}

void TGraphicList::Remap() {
  for (int i = 0; i < Count(); ++i) {
    Child(i)->Remap();
  }
}

TRect TGraphicList::GetBounds() const {
  TRect bounds = TRect::EmptyBounds();
  for (int i = 0; i < Count(); ++i) {
    bounds = UnionRect(bounds, Child(i)->GetBounds());
  }
  return bounds;
}

TFloatRect TGraphicList::GetFloatBounds() const {
  TFloatRect bounds = TFloatRect::EmptyBounds();
  for (int i = 0; i < Count(); ++i) {
    bounds = UnionFloatRect(bounds, Child(i)->GetFloatBounds());
  }
  return bounds;
}

void TGraphicList::GetCentre(float& x, float& y) const {
  CentreOf(GetFloatBounds(), x, y);
}

void TGraphicList::CentreAt(QPoint p) {
  float cx, cy;
  GetCentre(cx, cy);
  Translate(-cx, -cy);
  Translate(static_cast<float>(p.x()), static_cast<float>(p.y()));
  Remap();
}

void TGraphicList::BringToFront(TGraphicObject* object) {
  if (FObjects.IndexOf(object) < 0) {
    return;  // never adopt an object that belongs elsewhere
  }
  FObjects.Remove(object);
  FObjects.Pack();
  FObjects.Add(object);
}

void TGraphicList::SendToBack(TGraphicObject* object) {
  if (FObjects.IndexOf(object) < 0) {
    return;
  }
  FObjects.Remove(object);
  FObjects.Pack();
  FObjects.Insert(0, object);
}

void TGraphicList::DeleteChild(TGraphicObject* object) {
  if (!object || FObjects.IndexOf(object) < 0) {
    return;  // only our own children are ours to destroy
  }
  if (HitObject == object) {
    HitObject = nullptr;
  }
  FObjects.Remove(object);
  FObjects.Pack();
  delete object;
}

bool TGraphicList::CollectInside(const TRect& r, TGraphicList& target) const {
  bool collected = false;
  for (int i = 0; i < Count(); ++i) {
    if (RectInside(Child(i)->GetBounds(), r)) {
      target.Objects().Add(Child(i));
      collected = true;
    }
  }
  return collected;
}

bool TGraphicList::CollectOutside(const TRect& r, TGraphicList& target) const {
  bool collected = false;
  for (int i = 0; i < Count(); ++i) {
    if (!RectInside(Child(i)->GetBounds(), r)) {
      target.Objects().Add(Child(i));
      collected = true;
    }
  }
  return collected;
}

LV_REGISTER_CLASS(TGraphicList)

}  // namespace logivane
