#pragma once

#include "document/Cfloat.h"
#include "document/cSerialize.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>

class QPainter;

namespace logivane {

/// A cheap class tag for the few places that must tell objects apart on a hot path (net
/// propagation) without a dynamic cast.
enum class TGraphicKind : std::uint8_t { Shape, Pin, Solder, Wire, Device };

/// Root of everything drawn on a drawing surface.
class TGraphicObject : public TSerialize {
public:
  virtual void Clear() = 0;
  virtual bool HitTest(std::int32_t x, std::int32_t y) = 0;
  virtual void Draw(QPainter& dc) = 0;
  virtual void Rotate(float angle) = 0;
  virtual void Scale(float sx, float sy) = 0;
  virtual void Translate(float dx, float dy) = 0;
  virtual void Remap() = 0;
  virtual TRect GetBounds() const = 0;
  virtual TFloatRect GetFloatBounds() const = 0;
  virtual void GetCentre(float& x, float& y) const;

  TGraphicKind GraphicKind() const { return FGraphicKind; }

  bool CanRotate = true;
  bool CanResize = true;
  QString HelpTopic;
  /// Set while the object is in the editor's selection; live repaints leave it alone.
  bool Selected = false;

protected:
  explicit TGraphicObject(TGraphicKind kind = TGraphicKind::Shape) : FGraphicKind(kind) {}

private:
  TGraphicKind FGraphicKind;
};

/// The centre of floating bounds: min + (max - min) / 2 on each axis.
void CentreOf(const TFloatRect& r, float& x, float& y);

/// A drawable that is a list of drawables; every device is one.
class TGraphicList : public TGraphicObject {
  LV_PERSISTENT(TGraphicList)
public:
  TGraphicList();
  ~TGraphicList() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;

  void Clear() override;
  bool HitTest(std::int32_t x, std::int32_t y) override;
  void Draw(QPainter& dc) override;
  void Rotate(float angle) override;
  void Scale(float sx, float sy) override;
  void Translate(float dx, float dy) override;
  void Remap() override;
  TRect GetBounds() const override;
  TFloatRect GetFloatBounds() const override;
  void GetCentre(float& x, float& y) const override;

  virtual void CentreAt(QPoint p);
  virtual void BringToFront(TGraphicObject* object);
  virtual void SendToBack(TGraphicObject* object);
  virtual void DeleteChild(TGraphicObject* object);

  bool CollectInside(const TRect& r, TGraphicList& target) const;
  bool CollectOutside(const TRect& r, TGraphicList& target) const;

  TSerializeList& Objects() const { return FObjects; }
  int Count() const { return FObjects.Count(); }
  TGraphicObject* Child(int index) const { return FObjects.ItemAs<TGraphicObject>(index); }
  /// Takes ownership of `object` and appends it.
  template <class T>
  T* Add(std::unique_ptr<T> object) {
    return FObjects.Add(std::move(object));
  }
  /// Replaces the children by those of `objects`.
  void SetObjects(std::unique_ptr<TSerializeList> objects);
  /// Hands the children to the caller in a list of their own and leaves this list empty.
  std::unique_ptr<TSerializeList> TakeObjects();

  TGraphicObject* HitObject = nullptr;

protected:
  explicit TGraphicList(TGraphicKind kind);

private:
  /// Kept inside the list, which saves an allocation for each device and pin list of a
  /// circuit. Read with `TSerializeReader::ReadListInPlace`; editable through a const list, as
  /// the children have never been part of its constness.
  mutable TSerializeList FObjects;
};

}  // namespace logivane
