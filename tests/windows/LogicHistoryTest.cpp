#include "app/DeviceMenu.h"
#include "app/MainUnit.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "simulation/cMacro.h"
#include "windows/HistoryTraces.h"
#include "windows/LogicAnalyserForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

namespace logivane {
namespace {

using namespace HistoryLayout;

/// The main window with the counter example open and its Logic History shown; message boxes
/// are answered by the test.
class LogicHistoryTest : public ::testing::Test {
protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path());
    UserMessages::SetHandler([this](QMessageBox::Icon, const QString& text, auto buttons) {
      Messages << text;
      return buttons.testFlag(Answer) ? Answer : QMessageBox::Ok;
    });
    Form = std::make_unique<TMainForm>();
    Form->SetCommandLine({QStringLiteral(LOGIVANE_EXAMPLES_DIR "/counter.lvm")});
    Form->show();
    QCoreApplication::processEvents();  // the command line's file opens
    Action("MenuLogicHistory")->trigger();
  }
  void TearDown() override {
    Form.reset();
    UserMessages::SetHandler({});
    QSettings().clear();
  }

  QAction* Action(const char* name) const { return Form->findChild<QAction*>(name); }
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

  QTemporaryDir Folder;
  std::unique_ptr<TMainForm> Form;
  QStringList Messages;
  QMessageBox::StandardButton Answer = QMessageBox::Yes;
};

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
  // Both samples of a cycle hold the same count, and each cycle counts one on.
  int previous = -1;
  for (int k = 0; k < 32; k += 2) {
    int value = 0;
    for (int bit = 0; bit < 4; ++bit) {
      const QString& samples = Row(QStringLiteral("Q%1").arg(bit)).History;
      ASSERT_EQ(samples[k], samples[k + 1]);
      value |= (samples[k] == '1') << bit;
    }
    if (previous >= 0) {
      EXPECT_EQ(value, (previous + 1) % 16) << "cycle " << k / 2;
    }
    previous = value;
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
  for (int k = 1; k <= 32; ++k) {
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
    return Folder.filePath("trace");
  };
  History().findChild<QAction*>("HistoryExport")->trigger();
  QFile csv(Folder.filePath("trace.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QStringList lines = QString(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[0], "Step,clock,Q0,Q1,Q2,Q3");  // the empty row is left out
  for (int k = 1; k <= 6; ++k) {
    QString expected = QString::number(k);
    for (const QString name : {"clock", "Q0", "Q1", "Q2", "Q3"}) {
      expected += ',' + Row(name).History[k - 1];
    }
    EXPECT_EQ(lines[k], expected);
  }
  EXPECT_TRUE(Messages.isEmpty());

  // A folder that is not there cannot be written: the user is told, with the file's name.
  EXPECT_FALSE(
      History().ExportTo(Folder.filePath("missing/trace.vcd"), THistoryFormat::ValueChangeDump));
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

TEST_F(LogicHistoryTest, TheValueChangeDumpIsReadByAWaveformTool) {
  Step(40);
  const QString vcd = Folder.filePath("trace.vcd");
  ASSERT_TRUE(History().ExportTo(vcd, THistoryFormat::Csv));  // the extension decides
  QFile file(vcd);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains(" Q3 $end")) << text.constData();
  EXPECT_TRUE(text.contains("\n#40\n"));

  const QString converter = QStandardPaths::findExecutable("vcd2fst");
  if (converter.isEmpty()) {
    GTEST_SKIP() << "vcd2fst (Debian package gtkwave) is not installed";
  }
  QProcess convert;
  convert.start(converter, {vcd, Folder.filePath("trace.fst")});
  ASSERT_TRUE(convert.waitForFinished(30000));
  EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().constData();
  EXPECT_GT(QFile(Folder.filePath("trace.fst")).size(), 0);
}

TEST_F(LogicHistoryTest, TheListFollowsTheCircuitAndTheButtonsFollowTheRun) {
  Step(4);
  // Deleting a recorded device rebuilds the list and starts it again.
  TLogivaneDrawing& drawing = Form->Drawing();
  drawing.Select(&Row("Q0"));
  Action("MenuDelete")->trigger();
  EXPECT_EQ(History().HistoryDevices.size(), 5u);
  EXPECT_TRUE(Row("clock").History.isEmpty());
  Step(2);
  EXPECT_EQ(Row("Q1").History.size(), 2);

  // Taking a device's mark off drops its row.
  drawing.Select(&Row("Q1"));
  Form->DevicePopup().Configure();
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

}  // namespace
}  // namespace logivane
