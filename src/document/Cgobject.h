#pragma once

#include "document/Cfloat.h"
#include "document/cSerialize.h"

#include <QPoint>
#include <QPointF>
#include <QString>

#include <cmath>
#include <cstdint>
#include <memory>

class QPainter;

namespace logivane {

/// A cheap class tag for the few places that must tell objects apart on a hot path (net
/// propagation) without a dynamic cast.
enum class TGraphicKind : std::uint8_t { Shape, Pin, Solder, Wire, Device };

/**
 * @brief Where a press fell, for a hit test, and how many screen pixels a unit spans there.
 *
 * A zooming editor hands it on so that hits reach as far on screen at every zoom. The default
 * is an unzoomed press on a whole unit, for which every test is what it always was.
 */
struct THitReach {
  /// Screen pixels per drawing unit.
  float Zoom = 1;
  /// How far past the whole unit (x, y) the press fell, in units, each in [0, 1): zoomed in,
  /// one unit spans several pixels that a hit test must tell apart.
  QPointF Fraction;

  /// The reach of a press at `units`, which may fall between whole units, at `zoom`.
  static THitReach Of(QPointF units, double zoom) {
    return {static_cast<float>(zoom),
            units - QPointF(std::floor(units.x()), std::floor(units.y()))};
  }
  /// The whole unit that a press at `units` falls in.
  static QPoint UnitOf(QPointF units) {
    return {static_cast<int>(std::floor(units.x())), static_cast<int>(std::floor(units.y()))};
  }

  /// The press in units: the top-left corner of the pixel pressed.
  QPointF At(std::int32_t x, std::int32_t y) const { return QPointF(x, y) + Fraction; }
  /// The centre of the pixel pressed, in units.
  QPointF PixelCentre(std::int32_t x, std::int32_t y) const {
    return At(x, y) + QPointF(0.5 / Zoom, 0.5 / Zoom);
  }
};

/// Root of everything drawn on a drawing surface.
class TGraphicObject : public TSerialize {
public:
  virtual void Clear() = 0;
  virtual bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) = 0;
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
  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
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
