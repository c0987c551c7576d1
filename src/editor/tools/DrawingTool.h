#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <cstdint>
#include <memory>

class QPainter;

namespace logivane {

class TGraphicObject;
class TLogivaneDrawing;
struct THitReach;

/// What the left button does on the drawing surface; one tool at a time.
enum class TToolKind : std::uint8_t { None, Select, Wire, Polygon, Polyline, Interact, Probe };

/// A press on the surface, as the tool of the moment receives it.
struct TToolPress {
  Qt::MouseButton Button = Qt::NoButton;
  Qt::KeyboardModifiers Modifiers;
  /// The whole unit pressed.
  QPoint At;
  /// The grid point nearest to `At`.
  QPoint Snapped;
  /// The object under the press, or none; the circuit's `HitPin` tells which of its pins.
  TGraphicObject* Hit = nullptr;
};

/**
 * @brief What the mouse does in one mode of the drawing surface.
 *
 * The surface hands each mouse event to its current tool, which keeps whatever a gesture has
 * under way (a trace, a rubber band, a pressed switch) and edits the circuit through the
 * surface's public operations. This base is also the tool of no mode, which does nothing.
 */
class TDrawingTool {
public:
  TDrawingTool(TLogivaneDrawing& drawing, TToolKind kind) : FDrawing(drawing), FKind(kind) {}
  virtual ~TDrawingTool() = default;
  TDrawingTool(const TDrawingTool&) = delete;
  TDrawingTool& operator=(const TDrawingTool&) = delete;

  TToolKind Kind() const { return FKind; }
  /// The name of the edit that a press of this tool makes, for the undo history.
  virtual QString EditName() const;

  virtual void Press(const TToolPress&) {}
  virtual void Move(QPoint, const THitReach&) {}
  virtual void Release(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {}
  virtual void DoubleClick() {}
  /// Abandons a trace under way; the tool stays chosen.
  virtual void Cancel() {}
  /// Another tool replaces this one: nothing it began may outlive it.
  virtual void Leave() { Cancel(); }
  /// Drops references to objects of the circuit, which a deletion may have destroyed.
  virtual void Forget() {}

  /// A wire or shape is being traced.
  virtual bool Tracing() const { return false; }
  /// The object being traced, which belongs to no circuit yet.
  virtual TGraphicObject* Traced() const { return nullptr; }
  /// The mouse is over something that a click of this tool would act on.
  virtual bool OverTarget() const { return false; }

  /// Paints what the tool has under way into the surface's buffer.
  virtual void Draw(QPainter&) {}
  /// Paints the marks that follow the mouse (rubber line, band) straight on screen.
  virtual void DrawOverlay(QPainter&) const {}

protected:
  TLogivaneDrawing& FDrawing;

private:
  TToolKind FKind;
};

/// A new tool of `kind` for `drawing`.
std::unique_ptr<TDrawingTool> MakeDrawingTool(TLogivaneDrawing& drawing, TToolKind kind);

}  // namespace logivane
