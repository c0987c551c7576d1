#include "TestHelpers.h"
#include "app/MainWindowFixture.h"
#include "document/cColourScheme.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cMacro.h"
#include "simulation/cOutput.h"
#include "simulation/cinput.h"
#include "windows/HistoryTraces.h"
#include "windows/LogicAnalyserForm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>

#include <map>

namespace logivane {
namespace {

using namespace HistoryLayout;
using namespace test;

/// The main window with the counter example open and its Logic History shown.
class LogicHistoryTest : public test::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show({QStringLiteral(LOGIVANE_EXAMPLES_DIR "/4 Sequential/counter.lvm")});
    Action("MenuLogicHistory")->trigger();
  }

  TAnalyserForm& History() const { return Form->LogicHistory(); }
  QString Status() const { return History().findChild<QLabel*>("StatusPanel")->text(); }
  QSpinBox& CycleBox() const { return *History().findChild<QSpinBox*>("CycleLength"); }
  QWidget& TraceBox() const { return *History().findChild<QWidget*>("TraceBox"); }
  THistoryDevice& Row(const QString& name) const {
    for (THistoryDevice* device : History().HistoryDevices) {
      if (THistoryPainter::RowName(*device) == name) {
        return *device;
      }
    }
    throw std::runtime_error("no row " + name.toStdString());
  }
  int RowIndex(const QString& name) const {
    const auto& rows = History().HistoryDevices;
    return static_cast<int>(std::find(rows.begin(), rows.end(), &Row(name)) - rows.begin());
  }
  void Step(int times) {
    for (int i = 0; i < times; ++i) {
      History().findChild<QAction*>("HistoryStep")->trigger();
    }
  }
  QImage Traces() const { return TraceBox().grab().toImage(); }
  int ColumnLeft(int k) const {
    return TraceOriginX + SampleWidth * (History().TimingDiagram() ? k : k - 1);
  }
  void SetTimingDiagram(bool timing) {
    if (History().TimingDiagram() != timing) {
      History().findChild<QAction*>("HistoryDisplayMode")->trigger();
    }
  }
};

/// The darkest grey inside the column that starts at `left` in the row at `top`, clear of the
/// edges between samples: how strongly the sample is drawn.
int Darkest(const QImage& image, int left, int top) {
  int darkest = 255;
  for (int x = left + 2; x < left + SampleWidth - 1; ++x) {
    for (int y = top - 2; y <= top + 12; ++y) {
      darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
  }
  return darkest;
}

bool Blank(const QImage& image, QPoint at) {
  return image.pixel(at) == ToQColor(Background).rgb();
}

TEST_F(LogicHistoryTest, TheCounterIsRecordedAndDrawnInBothModes) {
  ASSERT_TRUE(History().isVisible());
  EXPECT_TRUE(Action("MenuLogicHistory")->isChecked());
  QStringList names;
  for (const THistoryDevice* device : History().HistoryDevices) {
    names << THistoryPainter::RowName(*device);
  }
  // Sources first, then indicators; the numeric display records nothing.
  EXPECT_EQ(names, QStringList({"clock", "count", "Q0", "Q1", "Q2", "Q3"}));

  Step(32);  // 16 clock cycles, the default cycle length shows them all
  EXPECT_EQ(Row("clock").History, QString("01").repeated(16));
  EXPECT_TRUE(Row("count").History.isEmpty());
  // Each bit as the counter shows it, which counts as the clock falls; its table checks it.
  for (int bit = 0; bit < 4; ++bit) {
    const int half = 2 << bit;
    EXPECT_EQ(Row(QStringLiteral("Q%1").arg(bit)).History,
              (QString(half, '0') + QString(half, '1')).repeated(8 >> bit));
  }
  EXPECT_EQ(Status(), "Cycle 16 completed");

  // Timing diagram: each sample is a segment at the row's top when high, 8 lower when low.
  QImage image = Traces();
  for (const QString name : {"clock", "Q0", "Q3"}) {
    const int top = TraceOriginY + RowHeight * RowIndex(name);
    const QString& samples = Row(name).History;
    for (int k = 1; k <= 32; ++k) {
      const int x = TraceOriginX + SampleWidth * k + SampleWidth / 2;
      const bool high = samples[k - 1] == '1';
      EXPECT_NE(image.pixel(x, high ? top : top + SampleWidth), image.pixel(x, top + 4));
      EXPECT_EQ(image.pixel(x, high ? top + SampleWidth : top), image.pixel(x, top + 4))
          << name.toStdString() << " sample " << k;
    }
  }

  // Text mode: equal characters in equal colours look alike, different ones do not; beside
  // a clock, the samples of other rows alternate between colour and grey.
  History().findChild<QAction*>("HistoryDisplayMode")->trigger();
  EXPECT_FALSE(History().TimingDiagram());
  image = Traces();
  const int top = TraceOriginY + RowHeight * RowIndex("Q1");
  std::map<std::pair<QChar, bool>, QImage> cells;
  for (int k = 1; k < 32; ++k) {  // the cursor marks the last
    const QImage cell = image.copy(TraceOriginX + SampleWidth * (k - 1), top, 8, RowHeight);
    const auto key = std::pair(Row("Q1").History[k - 1], k % 2 == 1);
    if (cells.count(key)) {
      EXPECT_EQ(cell, cells[key]) << "sample " << k;
    }
    cells[key] = cell;
  }
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_NE((cells[{'0', true}]), (cells[{'1', true}]));
  EXPECT_NE((cells[{'0', true}]), (cells[{'0', false}]));
}

TEST_F(LogicHistoryTest, TheCycleLengthBoundsTheSamplesShownAndTheStatus) {
  EXPECT_EQ(CycleBox().text(), "32");
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(&CycleBox(), Qt::Key_Down);
  }
  EXPECT_EQ(CycleBox().text(), "4");  // the shortest
  EXPECT_EQ(History().CycleLength(), 4);

  Step(20);
  EXPECT_EQ(Row("clock").History.size(), 20);
  EXPECT_EQ(Status(), "Cycle 4 completed");
  EXPECT_EQ(TraceBox().minimumWidth(), TraceWidth(8, true));
  const QImage image = Traces();
  const int past = TraceOriginX + SampleWidth * 9 + SampleWidth / 2;
  EXPECT_EQ(image.pixel(past, TraceOriginY), image.pixel(past, TraceOriginY + 4));

  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(&CycleBox(), Qt::Key_Up);
  }
  EXPECT_EQ(CycleBox().text(), "256");  // the longest
  EXPECT_EQ(Status(), "Cycle 10 completed");
  EXPECT_EQ(TraceBox().minimumWidth(), TraceWidth(20, true));

  // A full-cycle step counts a whole cycle.
  Action("MenuRun")->trigger();
  Action("MenuStop")->trigger();
  Form->HalfCycle = false;
  Step(3);
  EXPECT_EQ(Row("clock").History, "010101");
  EXPECT_EQ(Status(), "Cycle 3 completed");
}

TEST_F(LogicHistoryTest, ExportWritesCsvAndSaysWhenItCannot) {
  Step(6);
  THistoryFormat chosen = THistoryFormat::Csv;
  History().ChooseExportFile = [&](QWidget*, THistoryFormat& format) {
    format = chosen;
    return Path("trace");
  };
  History().findChild<QAction*>("HistoryExport")->trigger();
  const QStringList lines =
      QString(test::FileBytes(Path("trace.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[0], "Step,clock,count,Q0,Q1,Q2,Q3");
  for (int k = 1; k <= 6; ++k) {
    QString expected = QString::number(k);
    for (const QString name : {"clock", "count", "Q0", "Q1", "Q2", "Q3"}) {
      expected += ',' + QString::number(Row(name).SampleValue(k - 1));
    }
    EXPECT_EQ(lines[k], expected);
  }
  EXPECT_TRUE(Messages.isEmpty());

  // A folder that is not there cannot be written: the user is told, with the file's name.
  EXPECT_FALSE(History().ExportTo(Path("missing/trace.vcd"), THistoryFormat::ValueChangeDump));
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].contains("missing/trace.vcd")) << Messages[0].toStdString();

  // Without samples there is nothing to ask a file name for.
  Action("MenuNew")->trigger();
  bool asked = false;
  History().ChooseExportFile = [&](QWidget*, THistoryFormat&) {
    asked = true;
    return QString();
  };
  History().findChild<QAction*>("HistoryExport")->trigger();
  EXPECT_FALSE(asked);
  EXPECT_EQ(Messages.size(), 2);
}

TEST_F(LogicHistoryTest, TheCursorMarksTheStepShownAndFadesTheSamplesAfterIt) {
  Step(8);
  QSignalSpy chosen(&History(), &TAnalyserForm::SampleChosen);
  const int top = TraceOriginY + RowHeight * RowIndex("clock");
  const int aboveRows = TraceOriginY - 3;
  for (const bool timing : {true, false}) {
    SetTimingDiagram(timing);
    // Samples 2 and 6 of the clock are both high; gone back to step 4, the 6th is paler.
    History().ShowStepCursor(4);
    QImage image = Traces();
    EXPECT_LT(Darkest(image, ColumnLeft(2), top), Darkest(image, ColumnLeft(6), top));
    EXPECT_FALSE(Blank(image, {ColumnLeft(4) + 4, aboveRows}));
    EXPECT_TRUE(Blank(image, {ColumnLeft(3) + 4, aboveRows}));

    // With no future the cursor marks the last sample.
    History().ShowStepCursor(100);
    image = Traces();
    EXPECT_EQ(Darkest(image, ColumnLeft(2), top), Darkest(image, ColumnLeft(6), top));
    EXPECT_FALSE(Blank(image, {ColumnLeft(8) + 4, aboveRows}));
    EXPECT_TRUE(Blank(image, {ColumnLeft(4) + 4, aboveRows}));

    // A click on a column asks for its step; past the samples, for none.
    QTest::mouseClick(&TraceBox(), Qt::LeftButton, {}, {ColumnLeft(3) + 4, top + 4});
    QTest::mouseClick(&TraceBox(), Qt::LeftButton, {}, {ColumnLeft(9) + 4, top + 4});
  }
  ASSERT_EQ(chosen.size(), 2);
  EXPECT_EQ(chosen[0][0].toInt(), 3);
  EXPECT_EQ(chosen[1][0].toInt(), 3);
}

TEST_F(LogicHistoryTest, ANumericDisplayIsABusLaneWhenAsked) {
  Step(8);
  const auto& count = dynamic_cast<const TNumericDevice&>(Row("count"));
  EXPECT_EQ(count.Values, (std::vector<std::uint16_t>{0, 0, 1, 1, 2, 2, 3, 3}));
  const int top = TraceOriginY + RowHeight * RowIndex("count");
  QImage image = Traces();
  for (int x = 0; x < ColumnLeft(8); ++x) {  // the cursor marks the last
    ASSERT_TRUE(Blank(image, {x, top + 4})) << "without bus values the row stays empty";
  }

  History().findChild<QAction*>("ShowBusValues")->trigger();
  ASSERT_TRUE(History().ShowBusValues());
  image = Traces();
  // Each value lasts two samples: the band is open in the middle of a value and crosses over
  // where it changes, with the value written inside.
  for (int k = 1; k <= 5; k += 2) {
    const int middle = ColumnLeft(k + 1);
    EXPECT_FALSE(Blank(image, {middle, top - 2}) || Blank(image, {middle, top + 10})) << k;
    EXPECT_TRUE(Blank(image, {ColumnLeft(k + 2), top - 2})) << k;
    EXPECT_FALSE(Blank(image, {ColumnLeft(k + 2), top + 4})) << k;
    EXPECT_NE(image.copy(ColumnLeft(k) + 3, top - 1, 10, 10),
              image.copy(ColumnLeft(k + 2) + 3, top - 1, 10, 10))
        << "the values " << k / 2 << " and " << k / 2 + 1 << " look alike";
  }

  // As text, each value is written where it changes.
  SetTimingDiagram(false);
  image = Traces();
  const auto cell = [&](int k) {
    return image.copy(ColumnLeft(k), top, SampleWidth, RowHeight);
  };
  for (int k = 1; k <= 5; k += 2) {
    EXPECT_NE(cell(k), cell(k + 1)) << k;
    EXPECT_NE(cell(k), cell(k + 2)) << k;
    EXPECT_EQ(cell(k + 1), cell(2)) << "no text where the value stays";
  }
}

TEST_F(LogicHistoryTest, WaveDromAndTheDumpWriteTheNumericDisplayAsABusUpToTheCursor) {
  Step(6);
  const auto waves = [this] {
    const QJsonDocument document = QJsonDocument::fromJson(test::FileBytes(Path("trace.json")));
    return document.object()["signal"].toArray();
  };
  ASSERT_TRUE(History().ExportTo(Path("trace"), THistoryFormat::WaveDrom));
  struct TWave {
    const char* Name;
    const char* Wave;
    QStringList Data;
  };
  const TWave expected[] = {{"clock", "010101", {}}, {"count", "=.=.=.", {"0", "1", "2"}},
                            {"Q0", "0.1.0.", {}},    {"Q1", "0...1.", {}},
                            {"Q2", "0.....", {}},    {"Q3", "0.....", {}}};
  QJsonArray written = waves();
  ASSERT_EQ(written.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const QJsonObject entry = written[static_cast<qsizetype>(i)].toObject();
    EXPECT_EQ(entry["name"].toString(), expected[i].Name);
    EXPECT_EQ(entry["wave"].toString(), expected[i].Wave) << expected[i].Name;
    EXPECT_EQ(entry["data"].toVariant().toStringList(), expected[i].Data) << expected[i].Name;
  }

  // Gone back to step 3, the export ends there, in every format.
  History().ShowStepCursor(3);
  ASSERT_TRUE(History().ExportTo(Path("trace.json"), THistoryFormat::Csv));
  written = waves();
  EXPECT_EQ(written[0].toObject()["wave"].toString(), "010");
  EXPECT_EQ(written[1].toObject()["data"].toVariant().toStringList(), QStringList({"0", "1"}));
  ASSERT_TRUE(History().ExportTo(Path("trace.vcd"), THistoryFormat::ValueChangeDump));
  const QByteArray vcd = test::FileBytes(Path("trace.vcd"));
  EXPECT_TRUE(vcd.contains("$var wire 4 \" count $end\n")) << vcd.constData();
  EXPECT_TRUE(vcd.contains("#1\n0!\nb0000 \"\n") && vcd.contains("b0001 \"\n"));
  EXPECT_FALSE(vcd.contains("#4"));
}

TEST_F(LogicHistoryTest, TheValueChangeDumpIsReadByAWaveformTool) {
  Step(40);
  const QString vcd = Path("trace.vcd");
  ASSERT_TRUE(History().ExportTo(vcd, THistoryFormat::Csv));  // the extension decides
  const QByteArray text = test::FileBytes(vcd);
  EXPECT_TRUE(text.contains(" Q3 $end") && text.contains("\n#40\n")) << text.constData();
  const QString converter = QStandardPaths::findExecutable("vcd2fst");
  if (converter.isEmpty()) {
    GTEST_SKIP() << "vcd2fst (Debian package gtkwave) is not installed";
  }
  EXPECT_EQ(QProcess::execute(converter, {vcd, Path("trace.fst")}), 0);
  EXPECT_GT(QFile(Path("trace.fst")).size(), 0);
}

TEST_F(LogicHistoryTest, TheListFollowsTheCircuitAndTheButtonsFollowTheRun) {
  Step(4);
  // Deleting a recorded device rebuilds the list and starts it again.
  Drawing().Select(&Row("Q0"));
  Action("MenuDelete")->trigger();
  EXPECT_EQ(History().HistoryDevices.size(), 5u);
  EXPECT_TRUE(Row("clock").History.isEmpty());
  Step(2);
  EXPECT_EQ(Row("Q1").History.size(), 2);

  // Taking a device's mark off drops its row.
  Select(Row("Q1"));
  Action("PopHistory")->trigger();
  EXPECT_EQ(History().HistoryDevices.size(), 4u);

  // The window's run buttons and the main window's move together.
  History().findChild<QAction*>("HistoryRun")->trigger();
  EXPECT_TRUE(Action("SpeedRun")->isChecked());
  EXPECT_TRUE(Form->Clock().isActive());
  Action("MenuPause")->trigger();
  EXPECT_TRUE(History().findChild<QAction*>("HistoryPause")->isChecked());
  Action("MenuStop")->trigger();
  EXPECT_FALSE(History().findChild<QAction*>("HistoryRun")->isChecked());

  // A new circuit empties the list; the window's place is kept for the next start.
  Answer = QMessageBox::No;
  Action("MenuNew")->trigger();
  EXPECT_TRUE(History().HistoryDevices.empty());
  EXPECT_EQ(Status(), "");
  History().setGeometry(40, 50, 420, 200);
  ASSERT_TRUE(Form->close());
  EXPECT_EQ(QSettings().value("3.04/Logic History/Visible").toInt(), 1);
  Form = std::make_unique<TMainForm>();
  Form->show();
  EXPECT_TRUE(History().isVisible());
  EXPECT_EQ(History().geometry(), QRect(40, 50, 420, 200));
  Action("MenuLogicHistory")->trigger();
  EXPECT_FALSE(History().isVisible());
}

/// The main window with a clock recorded in the Logic History and an LED that is not, after a
/// few steps.
class HistoryResetTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Show();
    Clock =
        static_cast<TClockDevice*>(Drawing().AddObject(std::make_unique<TClockDevice>(), 100, 100));
    Led = static_cast<TLEDDevice*>(Drawing().AddObject(std::make_unique<TLEDDevice>(), 300, 100));
    Action("SpeedPointer")->trigger();
    ClickInWindow(OnSymbol(*Clock));
    Action("PopHistory")->trigger();
    ASSERT_TRUE(Clock->Recorded);
    for (int i = 0; i < Steps; ++i) {
      Action("MenuStepCircuit")->trigger();
    }
    ASSERT_EQ(Clock->History.size(), Steps);
    ASSERT_EQ(History().CycleCount, Steps + 1);
  }
  /// A point on the first shape of `device`'s symbol, where a click selects it.
  static QPoint OnSymbol(const TDevice& device) { return CentreOf(*device.Child(0)); }
  TAnalyserForm& History() const { return Form->LogicHistory(); }
  void Rename(const TDevice& device, const QString& text) {
    ClickInWindow(OnSymbol(device));
    AcceptNextDialog(
        [text](QDialog& dialog) { dialog.findChild<QLineEdit*>("Text")->setText(text); });
    Action("PopText")->trigger();
  }

  static constexpr int Steps = 3;
  TClockDevice* Clock = nullptr;
  TLEDDevice* Led = nullptr;
};

TEST_F(HistoryResetTest, RenamingStartsTheHistoryAgainOnlyForADeviceItShows) {
  Rename(*Led, "Carry");
  EXPECT_EQ(Led->GetLabelText(), "Carry");
  EXPECT_EQ(Clock->History.size(), Steps);
  EXPECT_EQ(History().CycleCount, Steps + 1);

  Rename(*Clock, "Tick");
  EXPECT_EQ(Clock->GetLabelText(), "Tick");
  EXPECT_TRUE(Clock->History.isEmpty());
  EXPECT_EQ(History().CycleCount, 1);
}

TEST_F(HistoryResetTest, AMacroDroppedFromThePartsCentreStartsTheCountAgain) {
  auto library = NewRoot();
  const TMacro* macro = AddSubCircuit(*library, 0, 0, 1);
  ASSERT_TRUE(QDir(Folder.path()).mkdir("Parts Centre"));
  const QString file = Path("Parts Centre/part.lvm");
  ASSERT_TRUE(SaveCircuitFile(file, *macro, "Part"));

  DropPart(file, {300, 300});
  ASSERT_EQ(Circuit().Devices().Count(), 1);
  EXPECT_TRUE(Clock->History.isEmpty());  // the circuit was reset
  EXPECT_EQ(History().CycleCount, 1);
}

TEST_F(LogicHistoryTest, OnADarkScreenTheTracesAreLightOnTheDarkenedBackground) {
  Step(8);
  TColourScheme::SetScreen(TColourScheme::Dark());
  History().FollowScheme();
  const QImage image = Traces();
  TColourScheme::SetScreen(TColourScheme::Light());
  History().FollowScheme();

  const QColor background = TColourScheme::Dark().Map(Background);
  EXPECT_EQ(image.pixel(2, 2), background.rgb());
  EXPECT_LT(background.lightness(), 64);
  // The clock is high in its even samples: a light segment at the top of its row.
  const int top = TraceOriginY + RowHeight * RowIndex("clock");
  const int x = TraceOriginX + SampleWidth * 2 + SampleWidth / 2;
  EXPECT_GT(image.pixelColor(x, top).lightness(), background.lightness() + 64);
}

}  // namespace
}  // namespace logivane
