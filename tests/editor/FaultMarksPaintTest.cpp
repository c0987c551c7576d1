// The fault marks on the surface, in pictures and prints: painted where the fault lies, gone
// with the next step or an edit, and never part of the circuit.

#include "TestHelpers.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/PictureExport.h"
#include "simulation/cGateDevice.h"
#include "windows/PrintCircuit.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace logivane {
namespace {

using test::Place;

constexpr QRgb Red = qRgb(255, 0, 0);

/// Two buffers on one bus; the second is enabled by `Enable`, which the tests switch.
class FaultMarksPaint : public ::testing::Test {
protected:
  void SetUp() override {
    FDrawing.resize(900, 700);
    TMacro& c = FDrawing.Circuit();
    auto* high = Place<test::TTestSource>(c, 100, 100);
    high->Level = 1;
    Enable = Place<test::TTestSource>(c, 100, 200);
    Enable->Level = 1;
    First = Place<TTriState>(c, 200, 100);
    Second = Place<TTriState>(c, 200, 200);
    test::Net(c, *high->Pin(0), {First->Pin(0), First->Pin(2), Second->Pin(0)});
    test::Net(c, *Enable->Pin(0), {Second->Pin(2)});
    const TWire* bus = Connect(c, *First->Pin(1), *Second->Pin(1));
    OnBus = (bus->FirstPoint() + bus->LastPoint()) / 2;
    c.Reset();
  }

  QRgb PaintedOnBus() {
    FDrawing.HideNotice();  // the balloon may lie over the bus
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    FDrawing.Render(painter, image.rect());
    return image.pixel(OnBus);
  }

  TLogivaneDrawing FDrawing;
  test::TTestSource* Enable = nullptr;
  TTriState* First = nullptr;
  TTriState* Second = nullptr;
  /// The middle of the bus, where nothing but the bus is painted.
  QPoint OnBus;
};

TEST_F(FaultMarksPaint, TheSurfacePicturesAndPrintsShowThemUntilAStepSettles) {
  FDrawing.Step();
  ASSERT_EQ(FDrawing.FaultMarks().Devices.size(), 2u);
  EXPECT_EQ(PaintedOnBus(), Red);

  const QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("fault.png"));
  TMacro& circuit = FDrawing.Circuit();
  const TRect bounds = circuit.GetBounds();
  ASSERT_EQ(ExportPicture(file, {&circuit}, bounds, {1, false, &FDrawing.FaultMarks()}), "");
  EXPECT_EQ(QImage(file).pixel(OnBus - QPoint(bounds.Left, bounds.Top) + QPoint(10, 10)), Red);
  QImage page(400, 300, QImage::Format_RGB32);
  QPainter painter(&page);
  DrawCircuit(painter, circuit, QTransform(), &FDrawing.FaultMarks());
  EXPECT_EQ(page.pixel(OnBus), Red);

  Enable->Level = 0;
  FDrawing.Step();
  EXPECT_TRUE(FDrawing.FaultMarks().Empty());
  EXPECT_NE(PaintedOnBus(), Red);
}

TEST_F(FaultMarksPaint, TheyAreNeverSavedAndGoWithAnEdit) {
  FDrawing.Step();
  ASSERT_FALSE(FDrawing.FaultMarks().Empty());
  const QByteArray marked = FDrawing.Document().RootFileBytes();
  FDrawing.SetModified(false);
  EXPECT_TRUE(FDrawing.FaultMarks().Empty());
  EXPECT_EQ(FDrawing.Document().RootFileBytes(), marked);

  FDrawing.Step();
  ASSERT_FALSE(FDrawing.FaultMarks().Empty());
  FDrawing.Select(Second);  // a marked device
  FDrawing.DeleteSelection();
  EXPECT_TRUE(FDrawing.FaultMarks().Empty());
  EXPECT_NE(PaintedOnBus(), Red);
}

}  // namespace
}  // namespace logivane
