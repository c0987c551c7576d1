// Painting shows the circuit and writes nothing that a file keeps: a save after any painting,
// zoomed, selected or closed, holds the bytes it held before, and a run saves the same whether
// it was painted or not.

#include "TestHelpers.h"
#include "document/cGText.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace logivane {
namespace {

using test::Net;
using test::Place;
using test::Reopened;

constexpr int Steps = 5;

template <class T>
T* First(const TMacro& circuit) {
  for (const TGraphicList* list : circuit.PaintOrder()) {
    for (int i = 0; i < list->Count(); ++i) {
      if (auto* found = dynamic_cast<T*>(list->Child(i))) {
        return found;
      }
    }
  }
  return nullptr;
}

/// One object of every class the program stores, each device with its symbol stored so that
/// every fill and digit it shows would reach the file; sources wired to indicators, a joint, a
/// sub-circuit and an outline pin of the root.
std::unique_ptr<TMacro> EveryClass() {
  auto root = test::NewRoot();
  int at = 0;
  for (const std::string_view name : TClassRegistry::Names()) {
    std::unique_ptr<TSerialize> made(TClassRegistry::Find(name.data(), name.size())());
    auto* graphic = dynamic_cast<TGraphicObject*>(made.get());
    if (name.starts_with("TTest") || !graphic ||
        (graphic->GraphicKind() != TGraphicKind::Shape &&
         graphic->GraphicKind() != TGraphicKind::Device)) {
      continue;  // pins, wires and joints are made by wiring below
    }
    made.release();
    if (auto* device = dynamic_cast<TDevice*>(graphic)) {
      device->GeometryStored = true;
    }
    Place(*root, float(60 + at % 10 * 120), float(60 + at / 10 * 120),
          std::unique_ptr<TGraphicObject>(graphic));
    ++at;
  }
  auto* text = First<TGraphicText>(*root);
  text->SetText(QStringLiteral("overlined"));
  text->SetOverline(true);
  text->TextColour = ColourRed;  // set as a file may hold it, the overline not told

  auto* clock = First<TClockDevice>(*root);
  Net(*root, *clock->Pin(0),
      {First<TLEDDevice>(*root)->Pin(0), First<TLEDSegmentDevice>(*root)->Pin(2)});
  Net(*root, *First<TSupply>(*root)->Pin(0), {First<TNumericDevice>(*root)->Pin(1)});
  Net(*root, *First<TInteractiveInput>(*root)->Pin(0), {First<TNumericDevice>(*root)->Pin(0)});
  TMacro* sub = test::AddSubCircuit(*root, 300, 900, 1);
  auto* inner = Place<TLEDDevice>(*sub, 40, 0);
  Connect(*sub, *sub->Tag(0)->LinkPin, *inner->Pin(0));
  UpdateTagKinds(*sub);
  Connect(*root, *First<TBitGenerator>(*root)->Pin(0), test::Outline(*sub, 0));
  AddOutlinePin(*root, 0, 0);
  root->Reset();
  return root;
}

/// Paints the whole circuit at `zoom` as a repaint of the surface does.
void PaintAt(TLogivaneDrawing& drawing, double zoom) {
  drawing.SetZoom(zoom);
  QImage image(800, 600, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(zoom, zoom);
  drawing.Render(painter, QRect(0, 0, int(800 / zoom), int(600 / zoom)));
  drawing.grab();
}

TEST(PaintReadsOnly, PaintingAtEveryZoomWithSelectionsLeavesTheSavedBytes) {
  TLogivaneDrawing drawing;
  drawing.resize(900, 700);
  drawing.Document().ReplaceRoot(EveryClass());
  for (int step = 0; step < Steps; ++step) {
    drawing.Step();
  }
  // Changes made between steps, which the next step or nothing at all shows.
  First<TInteractiveSwitch>(drawing.Circuit())->Press();
  First<TInteractiveInput>(drawing.Circuit())->Press();
  First<TNumericDevice>(drawing.Circuit())->Format = TNumericDevice::FormatHex;
  const QByteArray before = CircuitBytes(drawing.Circuit());

  drawing.SetSelectMode(true);
  const auto paintEverywhere = [&drawing] {
    for (const double zoom : {0.25, 1.0, 4.0}) {
      PaintAt(drawing, zoom);
    }
  };
  paintEverywhere();
  drawing.Select(First<TLEDDevice>(drawing.Circuit()));
  paintEverywhere();
  ASSERT_TRUE(drawing.SelectAll());
  paintEverywhere();
  EXPECT_EQ(CircuitBytes(drawing.Circuit()), before);

  // The circuit seen closed, its outline pin selected as its symbol is edited.
  drawing.Select(nullptr);
  drawing.ShowClosed = true;
  TPin* outline = drawing.Circuit().Pin(0);
  drawing.Select(outline);
  paintEverywhere();
  EXPECT_TRUE(outline->Selected) << "painting keeps the selection";
  EXPECT_FALSE(drawing.Circuit().Closed);
  EXPECT_EQ(CircuitBytes(drawing.Circuit()), before);
}

TEST(PaintReadsOnly, ARunSavesTheSameWhetherPaintedOrNot) {
  const QByteArray built = CircuitBytes(*EveryClass());
  TLogivaneDrawing drawing;
  drawing.resize(200, 150);  // most of the circuit lies off screen
  drawing.Document().ReplaceRoot(Reopened(built));
  const std::unique_ptr<TMacro> unpainted = Reopened(built);
  for (int step = 0; step < Steps; ++step) {
    drawing.Step();
    drawing.grab();
    StepCircuit(*unpainted, [&](const SimResult&) {
      unpainted->StoreShownState();
      unpainted->RecordHistory();
    });
  }
  const QByteArray run = CircuitBytes(drawing.Circuit());
  EXPECT_EQ(run, CircuitBytes(*unpainted));
  EXPECT_NE(run, built) << "the run shows in the file: wire colours, fills and digits";

  // The file keeps what the last step showed.
  auto* led = First<TLEDDevice>(*unpainted);
  EXPECT_EQ(static_cast<TPolygon*>(led->Child(0))->BrushColour, led->LevelFill());
  auto* wire = static_cast<TWire*>(unpainted->Wires().Child(0));
  EXPECT_EQ(wire->GetColour(), wire->LevelColour());
}

}  // namespace
}  // namespace logivane
