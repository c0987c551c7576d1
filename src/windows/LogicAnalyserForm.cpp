#include "windows/LogicAnalyserForm.h"

#include "dialogs/HelpTopics.h"
#include "document/cColourScheme.h"
#include "editor/UserMessages.h"
#include "simulation/cinput.h"
#include "ui_LogicAnalyserForm.h"
#include "windows/ControlLabels.h"
#include "windows/CycleLengthBox.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QScrollBar>

#include <array>
#include <utility>

namespace logivane {

namespace {

constexpr int StatusPanelWidth = 108;

/// The export's file types, in the order the dialog offers them.
std::array<std::pair<THistoryFormat, QString>, 3> ExportTypes() {
  return {{{THistoryFormat::ValueChangeDump, TAnalyserForm::tr("Value Change Dump (*.vcd)")},
           {THistoryFormat::Csv, TAnalyserForm::tr("Comma-Separated Values (*.csv)")},
           {THistoryFormat::WaveDrom, TAnalyserForm::tr("WaveDrom Files (*.json)")}}};
}

QString ChooseExportDialog(QWidget* parent, THistoryFormat& format) {
  const auto types = ExportTypes();
  QStringList filters;
  for (const auto& type : types) {
    filters << type.second;
  }
  const auto formatOf = [types](const QString& chosen) {
    for (const auto& [type, filter] : types) {
      if (filter == chosen) {
        return type;
      }
    }
    return THistoryFormat::ValueChangeDump;
  };
  QFileDialog dialog(parent, TAnalyserForm::tr("Export Logic History"), QString(),
                     filters.join(QStringLiteral(";;")));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(SuffixOf(THistoryFormat::ValueChangeDump));
  // The suffix follows the file type, so that a name typed without one is checked for
  // overwriting under the name that will be written.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, formatOf](const QString& filter) {
                     dialog.setDefaultSuffix(SuffixOf(formatOf(filter)));
                   });
  if (dialog.exec() != QDialog::Accepted) {
    return {};
  }
  format = formatOf(dialog.selectedNameFilter());
  return dialog.selectedFiles().value(0);
}

}  // namespace

TAnalyserForm::TAnalyserForm(QWidget* parent)
    : QMainWindow(parent, Qt::Tool),
      ChooseExportFile(ChooseExportDialog),
      FUi(std::make_unique<Ui::TAnalyserForm>()),
      FCycleLength(new TCycleLengthBox),
      FStatusPanel(new QLabel) {
  FUi->setupUi(this);
  setObjectName(QStringLiteral("LogicHistory"));

  auto* lengthLabel = new QLabel(tr("Cycle Length "));
  lengthLabel->setBuddy(FCycleLength);
  FUi->HistoryToolBar->addWidget(lengthLabel);
  FCycleLength->setObjectName(QStringLiteral("CycleLength"));
  FCycleLength->setToolTip(tr("Clock Cycle Range"));
  FUi->HistoryToolBar->addWidget(FCycleLength);
  FStatusPanel->setObjectName(QStringLiteral("StatusPanel"));
  // At least its usual width, and wide enough for the longest text it shows.
  FStatusPanel->setFixedWidth(std::max(
      StatusPanelWidth,
      FStatusPanel->fontMetrics().horizontalAdvance(tr("Cycle %1 completed").arg(256)) + 8));
  FUi->HistoryStatusBar->addWidget(FStatusPanel);

  for (QScrollArea* scroller : {FUi->NameScroller, FUi->TraceScroller}) {
    scroller->setWidgetResizable(true);
  }
  FollowScheme();
  FUi->NameBox->OnPaint = [this](QPainter& painter, const QRect& area) {
    const TSchemeScope scheme(painter, TColourScheme::Screen());
    FPainter.PaintNames(painter, HistoryDevices, area);
  };
  FUi->TraceBox->OnPaint = [this](QPainter& painter, const QRect& area) {
    const TSchemeScope scheme(painter, TColourScheme::Screen());
    FPainter.PaintTraces(painter, HistoryDevices, area);
  };
  FUi->TraceBox->OnClick = [this](QPoint position) {
    if (const int sample = FPainter.SampleAt(HistoryDevices, position.x())) {
      emit SampleChosen(sample);
    }
  };
  connect(FUi->TraceScroller->verticalScrollBar(), &QScrollBar::valueChanged,
          FUi->NameScroller->verticalScrollBar(), &QScrollBar::setValue);
  // When the traces outgrow the box, the newest samples come into view.
  connect(FUi->TraceScroller->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
          [this](int, int maximum) {
            if (maximum > FShownRange) {
              FUi->TraceScroller->horizontalScrollBar()->setValue(maximum);
            }
            FShownRange = maximum;
          });

  connect(FUi->HistoryRun, &QAction::triggered, this, &TAnalyserForm::RunClicked);
  connect(FUi->HistoryStop, &QAction::triggered, this, &TAnalyserForm::StopClicked);
  connect(FUi->HistoryPause, &QAction::triggered, this, &TAnalyserForm::PauseClicked);
  connect(FUi->HistoryStep, &QAction::triggered, this, &TAnalyserForm::StepClicked);
  connect(FUi->HistoryStepBack, &QAction::triggered, this, &TAnalyserForm::StepBackClicked);
  connect(FUi->HistoryDisplayMode, &QAction::toggled, this, &TAnalyserForm::DisplayModeChanged);
  connect(FUi->HistoryHighlight, &QAction::toggled, this, [this](bool on) {
    FPainter.Options.HighlightClockHigh = on;
    FUi->TraceBox->update();
  });
  connect(FUi->ShowBusValues, &QAction::toggled, this, [this](bool on) {
    FPainter.Options.ShowBusValues = on;
    DrawTraces();
  });
  connect(FUi->HistoryExport, &QAction::triggered, this, &TAnalyserForm::ExportClick);
  ConnectHelpTopic(*FUi->HistoryHelpTopics, QStringLiteral("LogicHistory.htm"));
  connect(FUi->HistoryClose, &QAction::triggered, this, &TAnalyserForm::close);
  connect(FCycleLength, &QSpinBox::valueChanged, this, &TAnalyserForm::CycleLengthChanged);

  FPainter.Options.SampleLimit = 2 * CycleLength();
  DisplayModeChanged();
  ControlLabels::Label(*this);
}

TAnalyserForm::~TAnalyserForm() = default;

int TAnalyserForm::CycleLength() const {
  return FCycleLength->Cycles();
}

bool TAnalyserForm::TimingDiagram() const {
  return FUi->HistoryDisplayMode->isChecked();
}

void TAnalyserForm::FollowScheme() {
  const QColor background = TColourScheme::Screen().Map(HistoryLayout::Background);
  for (QScrollArea* scroller : {FUi->NameScroller, FUi->TraceScroller}) {
    QPalette palette = scroller->viewport()->palette();
    palette.setColor(QPalette::Window, background);
    scroller->viewport()->setPalette(palette);
  }
}

void TAnalyserForm::SetRunDown(bool down) {
  FUi->HistoryRun->setChecked(down);
}

void TAnalyserForm::SetStepBackEnabled(bool enabled) {
  FUi->HistoryStepBack->setEnabled(enabled);
}

void TAnalyserForm::SetPauseDown(bool down) {
  FUi->HistoryPause->setChecked(down);
}

bool TAnalyserForm::ShowBusValues() const {
  return FUi->ShowBusValues->isChecked();
}

void TAnalyserForm::SetShowBusValues(bool show) {
  FUi->ShowBusValues->setChecked(show);
}

void TAnalyserForm::ShowStepCursor(int shownSteps) {
  FPainter.Options.ShownSamples = shownSteps;
  FUi->TraceBox->update();
}

void TAnalyserForm::ResetHistory() {
  CycleCount = 1;
  HasClockSource = false;
  FPainter.Options.ShownSamples = TTraceOptions().ShownSamples;
  for (THistoryDevice* device : HistoryDevices) {
    // Sources start their sequences again with the samples. An indicator only loses its
    // samples: reset, it would show a level that its wire does not carry until the next step.
    if (device->Role() == TDeviceRole::Output) {
      device->TrimHistory(0);
    } else {
      device->Reset();
    }
    HasClockSource = HasClockSource || dynamic_cast<TClockDevice*>(device) ||
                     dynamic_cast<TBitGenerator*>(device);
  }
  FPainter.Options.HasClockSource = HasClockSource;
  FShownRange = 0;
  ShowNames();
  DrawTraces();
}

void TAnalyserForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The list may have been rebuilt while the window was hidden, keeping the samples.
  ShowNames();
  DrawTraces();
  emit VisibilityChanged(true);
}

void TAnalyserForm::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  emit VisibilityChanged(false);
}

void TAnalyserForm::ShowNames() {
  FUi->NameScroller->setFixedWidth(FPainter.NameColumnWidth(HistoryDevices));
  FUi->NameBox->update();
}

void TAnalyserForm::CountSteps(int steps) {
  CycleCount += steps;
}

void TAnalyserForm::DrawTraces() {
  UpdateStatus();
  FitTraceBox();
  FUi->TraceBox->update();
}

void TAnalyserForm::UpdateStatus() {
  const int completed = CompletedCycles();
  QString text;
  if (!HistoryDevices.empty() && completed > 0) {
    text = tr("Cycle %1 completed").arg(std::min(completed, CycleLength()));
  }
  FStatusPanel->setText(text);
}

void TAnalyserForm::FitTraceBox() {
  const int samples = FPainter.SamplesShown(HistoryDevices);
  const int height = HistoryLayout::TraceHeight(static_cast<int>(HistoryDevices.size()));
  FUi->TraceBox->setMinimumSize(HistoryLayout::TraceWidth(samples, TimingDiagram()), height);
  // The names scroll with the traces, so their box is as tall as the traces with their scroll
  // bar.
  FUi->NameBox->setMinimumHeight(height +
                                 FUi->TraceScroller->horizontalScrollBar()->sizeHint().height());
}

void TAnalyserForm::CycleLengthChanged() {
  FPainter.Options.SampleLimit = 2 * CycleLength();
  DrawTraces();
}

void TAnalyserForm::DisplayModeChanged() {
  FPainter.Options.TimingDiagram = TimingDiagram();
  // The option only tells the text rows apart.
  FUi->HistoryHighlight->setEnabled(!TimingDiagram());
  FShownRange = 0;
  FUi->TraceScroller->horizontalScrollBar()->setValue(0);
  DrawTraces();
}

void TAnalyserForm::ExportClick() {
  if (ExportedSampleCount(ExportedRows(HistoryDevices), FPainter.Options.ShownSamples) == 0) {
    UserMessages::Show(this, QMessageBox::Information,
                       tr("There are no recorded samples to export. Run or step the circuit "
                          "first."));
    return;
  }
  THistoryFormat format = THistoryFormat::ValueChangeDump;
  const QString fileName = ChooseExportFile(this, format);
  if (!fileName.isEmpty()) {
    ExportTo(fileName, format);
  }
}

bool TAnalyserForm::ExportTo(const QString& fileName, THistoryFormat format) {
  format = FormatOfFile(fileName, format);
  const QString target = WithExtension(fileName, format);
  const QString error =
      ExportHistory(ExportedRows(HistoryDevices), target, format, FPainter.Options.ShownSamples);
  if (!error.isEmpty()) {
    UserMessages::Show(this, QMessageBox::Warning,
                       tr("The Logic History could not be written to %1:\n%2")
                           .arg(QDir::toNativeSeparators(target), error));
    return false;
  }
  return true;
}

}  // namespace logivane
