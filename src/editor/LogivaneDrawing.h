#pragma once

#include "document/cMessageBox.h"
#include "editor/PaintIndex.h"
#include "editor/tools/DrawingTool.h"
#include "simulation/cDevice.h"
#include "simulation/cFaultMarks.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace logivane {

class TCircuitDocument;
class TDrawingClipboard;
class TGrid;
class TLogivaneHandles;
class TMacro;

/**
 * @brief The surface on which one level of a circuit is shown and edited.
 *
 * It shows a level of a document and owns the selection handles with the grid, the notice
 * balloon and the paste buffers. Every edit is a public operation; the mouse handlers hand each
 * event to the tool of the current mode, which makes those calls, so the main window, tests and
 * undo use the same ones. One drawing unit is one pixel of the widget.
 *
 * Painting keeps one back buffer of the visible area. Edits mark rectangles dirty; a paint
 * renders the dirty part into the buffer with `Draw` (which records nothing) and copies it to
 * the screen. A simulation step paints the live state straight onto the buffer, once, which is
 * where recorded devices take their history sample.
 */
class TLogivaneDrawing : public QWidget {
  Q_OBJECT
public:
  static constexpr int DrawingWidth = 13280;
  static constexpr int DrawingHeight = 18240;
  /// `ProbeState` values.
  enum : std::int32_t { ProbeFloating = 0, ProbeHigh = 1, ProbeLow = 2 };
  /// `ShowNotice` kinds.
  enum : std::int32_t { NoticeError = 0, NoticeInfo = 1 };

  /// Shows `document`, which must outlive the surface; without one the surface keeps a
  /// document of its own.
  explicit TLogivaneDrawing(QWidget* parent = nullptr, TCircuitDocument* document = nullptr);
  ~TLogivaneDrawing() override;

  // Interaction modes; turning one on turns the others off. Turning on the mode already on
  // abandons its trace, if any.
  void SetWireMode(bool on);
  void SetPolygonMode(bool on);
  void SetPolylineMode(bool on);
  void SetSelectMode(bool on);
  void SetInteractMode(bool on);
  void SetProbeMode(bool on);
  bool WireMode() const { return ToolKind() == TToolKind::Wire; }
  bool PolygonMode() const { return ToolKind() == TToolKind::Polygon; }
  bool PolylineMode() const { return ToolKind() == TToolKind::Polyline; }
  bool SelectMode() const { return ToolKind() == TToolKind::Select; }
  bool InteractMode() const { return ToolKind() == TToolKind::Interact; }
  bool ProbeMode() const { return ToolKind() == TToolKind::Probe; }
  TToolKind ToolKind() const { return FTool->Kind(); }
  /// Makes a new tool of `kind` current; the one it replaces leaves nothing under way.
  void SetTool(TToolKind kind);
  /// Abandons any trace by leaving the tracing modes.
  void LeaveEditingModes();

  // The document shown.
  TCircuitDocument& Document() const { return *FDocument; }
  /// The level shown and edited.
  TMacro& Circuit() const;
  /// The outermost level, which is simulated.
  TMacro& RootCircuit() const;
  /// An edit made on the surface ended: the document records it, unless a drag or a trace is
  /// still making it; with false, the document is as saved.
  void SetModified(bool value);
  /// Names the edit that is about to be made, for the undo history.
  void NameNextEdit(const QString& name);
  /// Places `object`, built around the origin, at the snapped point and files it in the list
  /// of `Circuit` that its class belongs to.
  TGraphicObject* AddObject(std::unique_ptr<TGraphicObject> object, int x, int y);
  void CollectHistoryDevices(std::vector<THistoryDevice*>& list) const;

  // Wiring and editing.
  /// Ends the wire being traced on `pin`; nothing when none is.
  void FinishWireAtPin(TPin& pin);
  /// Puts a joint on `wire` where it was hit and starts a wire there or ends the traced one
  /// on it; nothing outside the wiring mode.
  void JoinWireAt(TWire& wire);
  /// Files a finished wire in `Circuit`.
  void AddWire(std::unique_ptr<TWire> wire);
  /// Puts a joint on `wire` at its snapped hit point; none when the point cannot take one.
  TSolder* AddJoint(TWire& wire);
  void CleanSolders();
  void RemoveLooseWires();
  void UpdateTagKinds();
  void DeleteSelection();
  bool SelectAll();
  /// Moves the selection by (dx, dy) units, as the arrow keys do.
  void MoveSelectionBy(int dx, int dy);
  /// Moves the selection one unit for an arrow key; false for any other key. The windows that
  /// hold a drawing call it, because the drawing's scroll box would scroll with those keys.
  bool MoveSelectionByKey(int key);
  /// Wire-end following after something moved its pins: by the handles or by a command.
  void RefreshWires();
  bool Tracing() const { return FTool->Tracing(); }
  TWire* WireInProgress() const;
  TPolygon* PolygonInProgress() const;
  TPolyline* PolylineInProgress() const;

  // What the mouse does; the widget's event handlers call these with drawing units. A press or
  // move may fall between whole units when zoomed in; hit tests tell those points apart.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);
  void MouseMove(Qt::KeyboardModifiers modifiers, QPointF at);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p);
  void DoubleClick(QPoint p);
  /// The mouse is over something that a click would act on in the current mode.
  bool OverTarget() const { return FTool->OverTarget(); }

  // The selection.
  TLogivaneHandles& Handles() const { return *FHandles; }
  TGrid& Grid() const;
  bool HasSelection() const;
  bool IsMultiSelection() const;
  bool CanCopySingle() const;
  bool CanCopy() const;
  /// Deletes the selected objects from the circuit, the selection first letting go of them.
  void DeleteSelected();
  /// Selects `object`, putting a wire straight into vertex editing.
  void Select(TGraphicObject* object);

  /// Cut, copy and paste, of the circuit's objects and of a template's symbol.
  TDrawingClipboard& Clipboard() const { return *FClipboard; }

  // Simulation.
  /// One step forward: through the steps remembered ahead, or simulated.
  SimResult Step();
  /// Shows the circuit as the document's steps, gone back or forward through, left it.
  void ShowRestoredStep();
  void ResetCircuit();
  void UpdateProbe();
  /// Shows the level last read by the probe as the cursor.
  void ProbeCursor();
  void ShowNotice(int x, int y, std::int32_t kind, bool relativeToView, const QString& text);
  void ShowNoticeAtSelection(const QString& text);
  void HideNotice();
  const TMessageBox& NoticeBox() const { return FNoticeBox; }
  /// Where the last step's fault lies on the level shown, painted over it until the next step,
  /// a reset, an edit, undo or redo, or another level; empty otherwise. Never saved.
  const TFaultMarks& FaultMarks() const { return FFaultMarks; }
  std::int32_t ProbeState = ProbeFloating;
  TGraphicObject* ProbeTarget = nullptr;

  // Zoom: the drawing shows `Zoom` screen pixels per unit; at 1 a unit is a pixel.
  static constexpr double MinZoom = 0.25;
  static constexpr double MaxZoom = 4.0;
  double Zoom() const { return FZoom; }
  /// Sets the zoom, clamped to its range, keeping the point under `viewportPoint` (pixels of
  /// the scroll box's viewport; the middle of the viewport when none) where it is on screen.
  void SetZoom(double zoom, std::optional<QPoint> viewportPoint = std::nullopt);
  /// The next zoom step up or down from the present one.
  double ZoomStep(bool in) const;
  /// The zoom step at which parts are as large on a screen of `logicalDpi` as at full size on
  /// one of 96 dots per inch; never below full size.
  static double ZoomForScreen(double logicalDpi);
  /// Zooms and scrolls so that the whole level is on screen.
  void ZoomToFit();
  /// A point of the widget in drawing units.
  QPoint ToUnits(QPointF widgetPoint) const;
  /// A point of the widget in drawing units, keeping where it falls between whole units.
  QPointF ToExactUnits(QPointF widgetPoint) const;
  /// A rectangle in drawing units as the widget's pixels that cover it.
  QRect ToScreen(const QRect& units) const;

  // Painting.
  /// Paints the grid and every object that meets `area` (drawing units) through `painter`,
  /// whatever its transform; records nothing.
  void Render(QPainter& painter, const QRect& area);
  /// Marks a rectangle of the drawing for repainting.
  void InvalidateRect(const TRect& r);
  void InvalidateBounds(const TGraphicObject& object);
  /// Repaints the marks over `r` that follow the mouse, which the back buffer never holds.
  void InvalidateOverlay(const TRect& r);
  /// Repaints everything on screen.
  void InvalidateAll();
  /// The part of the drawing that is on screen, in drawing units.
  QRect VisibleArea() const;

  TColour BackColour = ColourWhite;
  /// Paint the circuit as its symbol (the symbol editor) instead of its inside.
  bool ShowClosed = false;

signals:
  void OnObjectSelected(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void OnObjectDeSelected();
  void OnObjectDblClick(TGraphicObject* object);
  /// An interactive input or switch was pressed in interaction mode.
  void OnDevicePressed(TDevice* device);
  void OnEndDrawing();
  /// Raised before the drawing handles a press or release, after it handled a move.
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void OnMouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  /// The whole circuit was reset: what was recorded of its levels no longer follows from them.
  void OnCircuitReset();
  /// The level shown changed (a macro was opened or closed, a circuit opened or cleared).
  void OnLevelChanged();
  /// Raised while `doomed` still exist, just before they are destroyed with all they hold: the
  /// deleted or cut selection, or the root circuit when the document is replaced.
  void OnObjectsRemoving(const std::vector<TGraphicObject*>& doomed);
  /// Raised after objects were deleted from the level shown; lists of devices must be built
  /// again.
  void OnObjectsRemoved();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void ConnectDocument();
  /// Ends what the surface does on a level that is about to change or go.
  void LeaveLevel();
  void ShowLevel();
  /// Makes `kind` the mode, or turns it off, as the `Set...Mode` functions do.
  void ChooseTool(TToolKind kind, bool on);
  /// Renders the dirty part of the visible area into the back buffer.
  void FlushBuffer();
  void DrawGrid(QPainter& painter, const QRect& area);
  /// Sets up `painter` on the back buffer to paint in drawing units.
  void PaintOnBuffer(QPainter& painter) const;
  /// Counts a mouse event being handled, so that a tool replaced meanwhile lives until the
  /// outermost event returns.
  class TToolCall;
  /// Drops references into the circuit that a deletion may leave dangling.
  void ForgetDeleted();
  /// Drops the marks without looking at what they mark, which may be gone already.
  void ForgetFaultMarks();
  void ConnectHandles();
  void HandlesDetached(TGraphicObject* item, int x, int y, bool reHit, const THitReach& reach);
  /// Wire-end following for the wires attached to the selection, at each step of a drag.
  void FollowSelection();
  /// Makes the wires attached to the selection follow it, repainting each one that moved.
  void FollowSelectionWires();

  std::unique_ptr<TCircuitDocument> FOwnDocument;
  TCircuitDocument* FDocument = nullptr;
  TLogivaneHandles* FHandles = nullptr;
  TMessageBox FNoticeBox;
  TFaultMarks FFaultMarks;
  /// What the marks cover, kept from when they came: they go when their objects may be gone.
  TRect FFaultMarksArea;
  std::unique_ptr<TDrawingClipboard> FClipboard;

  std::unique_ptr<TDrawingTool> FTool;
  /// Tools replaced while one of them was handling an event, freed once it returned.
  std::vector<std::unique_ptr<TDrawingTool>> FRetiredTools;
  /// Mouse events being handled, nested.
  int FToolCalls = 0;

  TPaintIndex FPaintIndex;
  std::vector<TWire*> FFollowed;
  double FZoom = 1;
  QImage FBuffer;
  /// The part of the widget the buffer holds, in pixels.
  QRect FBufferArea;
  QRegion FDirty;
  std::vector<QPoint> FGridDots;
};

}  // namespace logivane
