#pragma once

#include "simulation/cDevice.h"
#include "simulation/cMessages.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace logivane {

class TSimEngine;
class TTagDevice;

/**
 * @brief A circuit: the root drawing, or a sub-circuit placed in another circuit as one device.
 *
 * Open, it is the drawing of its six contents lists; closed, it looks and connects like any
 * device through its symbol and outline pins. Either way `Calculate` settles its contents: the
 * devices of `EvalOrder` are evaluated pass after pass until no pin changes, and bus
 * contention or a race is reported with the device to blame.
 */
class TMacro : public TDevice {
  LV_PERSISTENT(TMacro)
public:
  /// An area that every object meets.
  static constexpr TRect Everywhere{-2147483647, -2147483647, 2147483647, 2147483647};
  /// The settle loop gives up once it has run more passes than this.
  static constexpr int MaxPasses = 200;

  TMacro();
  ~TMacro() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;

  void Clear() override;
  bool HitTest(std::int32_t x, std::int32_t y, const THitReach& reach = {}) override;
  void Draw(QPainter& dc) override;
  /// Paints the symbol and outline pins, as the circuit looks closed, whether it is or not.
  void DrawClosed(QPainter& dc);
  void Translate(float dx, float dy) override;
  void Remap() override;
  TRect GetBounds() const override;
  TFloatRect GetFloatBounds() const override;
  /// Removes and destroys `object` from the list it belongs to; outline pins clear their tag's
  /// number first. Objects that are not ours are left alone.
  void DeleteChild(TGraphicObject* object) override;

  SimResult Calculate() override;
  void Reset() override;
  void ResetInputs(TLevel level) override;
  void ClearDrivers() override;
  /// Saves or loads the state of every device, wire and joint of this level and every level
  /// below, and its evaluation count. A loaded level's engine takes what the objects now show.
  void ExchangeState(TStateArchive& state) override;

  /// Orders the devices of this level: in list order, each device preceded by its direct
  /// drivers, every device kept at the first place it is met. This is no full sort: a device
  /// met first as the driver of another goes before its own drivers, which the settle loop's
  /// further passes make up for. Must run after every change to the contents and before the
  /// next `Calculate`.
  void BuildEvalOrder();
  /// Marks every wire and solder joint of this level.
  void SetVisited(bool flag);
  /// Sets `InputsDue` here and in every sub-circuit below that `EvalOrder` evaluates.
  void SetInputsDue(bool flag);
  /// Repaints the live state of an open level: wire colours, joints, sources and indicators.
  /// Only wires whose colour changes are repainted; wires, joints and devices that do not meet
  /// `area` are not painted. Painting changes nothing the file keeps.
  void PaintState(QPainter& dc, const TRect& area = Everywhere);
  /// After a step of the open level on screen: every wire keeps the colour of its level, every
  /// source and indicator what it shows, as the file stores them, whether painted or not.
  void StoreShownState();
  /// After a step of the open level on screen: every source and indicator takes its history
  /// sample.
  void RecordHistory();
  /// Moves every wire end onto its pin or joint; true when any moved.
  bool FollowAllWires();
  /// Hands the area to repaint of every wire that `FollowAllWires` moved.
  void InvalidateWireMoves(const std::function<void(const TRect&)>& invalidate) const;
  /// Empties `target` (without destroying) and collects every object whose bounds lie inside
  /// `r`: the contents when open, the symbol and pins when closed.
  bool CollectInside(const TRect& r, TGraphicList& target) const;
  /// Like `CollectInside` for the objects not inside `r`; collects nothing when closed.
  bool CollectOutside(const TRect& r, TGraphicList& target) const;
  bool IsEmpty() const;
  /// The tag whose hidden pin is partnered with `pin`, or null.
  TTagDevice* FindTagForPin(const TPin* pin) const;
  /// Writes the symbol and one fresh pin per outline pin as a template file.
  bool SaveTemplate(const QString& fileName, TMessageSink& messages = MessageSink()) const;
  /// Takes the symbol and pins of a template file; on failure reports it and keeps both.
  bool LoadTemplate(const QString& fileName, TMessageSink& messages = MessageSink());

  /// The list that `object` belongs in: wires, joints, sources, indicators and tags have their
  /// own, pins go to the outline (`Pins`), everything else to `Devices`.
  TGraphicList& ListFor(const TGraphicObject& object) const;

  /// The contents in the order they are painted: wires over devices, sources and indicators on
  /// top.
  std::array<TGraphicList*, 6> PaintOrder() const {
    return {FDevices.get(), FTags.get(),   FWires.get(),
            FSolders.get(), FInputs.get(), FOutputs.get()};
  }

  TGraphicList& Devices() const { return *FDevices; }
  TGraphicList& Tags() const { return *FTags; }
  TGraphicList& Wires() const { return *FWires; }
  TGraphicList& Solders() const { return *FSolders; }
  TGraphicList& Inputs() const { return *FInputs; }
  TGraphicList& Outputs() const { return *FOutputs; }
  TTagDevice* Tag(int index) const;
  const std::vector<TDevice*>& EvalOrder() const { return FEvalOrder; }
  /// How many device evaluations this container's `Calculate` has made: its sources, tags and
  /// indicators and every evaluation in its passes. A sub-circuit counts its own.
  std::uint64_t Evaluations() const { return FEvaluations; }
  /// `Evaluations` of this container and of every sub-circuit below it.
  std::uint64_t TotalEvaluations() const;
  /// Whether the level runs through a compiled plan that is still current. A plan that a
  /// change to this level's wiring made stale is compiled again when the level is next used.
  bool Compiled() const;
  /// Makes the pins, wires and joints of this level and every level below show the last
  /// step's levels. A compiled level keeps them in its plan during a step; see `TEvalPlan`.
  void Publish();
  /// Whether this level's own settle loop gave up in the last step: the level where a race
  /// lies. Cleared by `Reset`.
  bool Raced() const { return FRaced; }

  QString Datasheet;
  bool Closed = true;
  bool Displayed = false;
  bool IsSubCircuit = false;
  bool InputsDue = true;
  /// Settles device by device through the objects instead of through the compiled plan (see
  /// `TEvalPlan`); both give the same results, and this slower way is their reference. Taken
  /// over by the sub-circuits when the order is built.
  bool Interpreted = false;

private:
  /// The contents in the order in which they are hit tested and collected.
  std::array<TGraphicList*, 6> Contents() const {
    return {FDevices.get(), FTags.get(),    FInputs.get(),
            FOutputs.get(), FSolders.get(), FWires.get()};
  }
  /// Calls `f` on every device of `list`, skipping plain shapes and texts.
  template <class F>
  static void EachDevice(const TGraphicList& list, F&& f) {
    for (TSerialize* item : list.Objects()) {
      auto* object = static_cast<TGraphicObject*>(item);
      if (object->GraphicKind() == TGraphicKind::Device) {
        f(*static_cast<TDevice*>(object));
      }
    }
  }
  bool Collect(const TRect& r, TGraphicList& target, bool inside) const;
  /// Clears the drivers of every pin inside, device by device.
  void ClearContentDrivers();
  void CollectLevelPins();
  /// Evaluates every device of the level once, sub-circuits included, so that its input pins
  /// name their drivers; nothing is stepped (see `TPrimingScope`).
  void PrimeDevices();
  /// The engine for the next step; chooses one anew once the wiring of this level changed,
  /// `Interpreted` was switched, or the engine was retired.
  TSimEngine& Engine();
  void ChooseEngine();
  /// Publishes the engine, while its objects are all there, and lets it go.
  void RetireEngine();
  /// Whether the engine was chosen for the level as it is now.
  bool EngineCurrent() const;
  /// Gathers the nets of this level's wires that have none (see `TNet`).
  void GatherNets();
  /// Turns a level that did not settle into contention or a race.
  void JudgeUnsettled(SimResult& total);
  void CalculateBoundaryTags(SimResult& total);
  /// Drops `object` from the evaluation order and its picks.
  void Forget(const TGraphicObject* object);
  void ForgetOrder();

  std::unique_ptr<TGraphicList> FDevices;
  std::unique_ptr<TGraphicList> FTags;
  std::unique_ptr<TGraphicList> FWires;
  std::unique_ptr<TGraphicList> FSolders;
  std::unique_ptr<TGraphicList> FInputs;
  std::unique_ptr<TGraphicList> FOutputs;
  std::vector<TDevice*> FEvalOrder;
  /// The devices of `FEvalOrder` that latch after each settle loop, and the sub-circuits,
  /// picked out once so that a step never walks the whole level to find them.
  std::vector<TDevice*> FClockedFlipFlops;
  std::vector<TMacro*> FSubCircuits;
  /// The pins of the devices of this level other than sub-circuits, so that a step clears
  /// their drivers without walking every device's pin list; collected again with the engine.
  std::vector<TPin*> FLevelPins;
  bool FLevelPinsValid = false;
  bool FOrderBuilt = false;
  bool FRaced = false;
  std::uint64_t FEvaluations = 0;
  /// Counts the changes to this level's wiring; see `TStructureStamp`.
  std::shared_ptr<TStructureStamp> FStructure;
  /// The count of `FStructure` and the `Interpreted` the engine was chosen at.
  std::uint64_t FEngineStamp = 0;
  bool FEngineInterpreted = false;
  std::unique_ptr<TSimEngine> FEngine;

  friend class TInterpretedEngine;
};

}  // namespace logivane
