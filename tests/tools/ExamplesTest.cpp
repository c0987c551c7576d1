#include "Examples.h"
#include "TestHelpers.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cInteractive.h"
#include "simulation/cOutput.h"

#include <gtest/gtest.h>

#include <QFile>

#include <string>
#include <vector>

namespace logivane {
namespace {

using examples::TExample;

const TExample& Example(const std::string& fileName) {
  for (const TExample& example : examples::AllExamples()) {
    if (fileName == example.FileName) {
      return example;
    }
  }
  throw std::invalid_argument(fileName);
}

/// The example as a user opens it: written, read back from its bytes and reset.
std::unique_ptr<TMacro> Opened(const std::string& fileName) {
  TCircuitReadResult read = ReadCircuitBytes(examples::ExampleBytes(Example(fileName)));
  EXPECT_TRUE(read.Succeeded()) << read.Message.toStdString();
  read.Circuit->Closed = false;
  read.Circuit->Displayed = true;
  read.Circuit->Reset();
  return std::move(read.Circuit);
}

/// The source or indicator of `root` labelled `label`, as a `T`.
template <class T>
T& Labelled(const TMacro& root, const char* label) {
  for (const TGraphicList* list : {&root.Inputs(), &root.Outputs()}) {
    for (int i = 0; i < list->Count(); ++i) {
      auto* device = dynamic_cast<T*>(list->Child(i));
      if (device && device->GetLabelText() == QLatin1String(label)) {
        return *device;
      }
    }
  }
  throw std::invalid_argument(label);
}

bool Lit(const TMacro& root, const char* label) {
  return Labelled<TLEDDevice>(root, label).Level >= 1;
}

/// `values` with each run of equal neighbours kept once.
template <class T>
std::vector<T> Runs(const std::vector<T>& values) {
  std::vector<T> runs;
  for (const T& value : values) {
    if (runs.empty() || runs.back() != value) {
      runs.push_back(value);
    }
  }
  return runs;
}

TEST(Examples, CommittedFilesAreWhatTheToolWrites) {
  for (const TExample& example : examples::AllExamples()) {
    QFile file(QStringLiteral(LOGIVANE_EXAMPLES_DIR "/") + QLatin1String(example.FileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << example.FileName;
    EXPECT_EQ(file.readAll(), examples::ExampleBytes(example))
        << example.FileName << " is stale: run logivane-make-examples examples";
    QFile table(QStringLiteral(LOGIVANE_EXAMPLES_DIR "/") + examples::TableFileName(example));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly)) << table.fileName().toStdString();
    EXPECT_EQ(table.readAll(), examples::TableBytes(example))
        << example.FileName << "'s table is stale: run logivane-make-examples examples";
  }
}

TEST(Examples, CounterCountsOncePerClockCycleAndWraps) {
  const auto root = Opened("counter.lvm");
  const auto& count = Labelled<TNumericDevice>(*root, "count");
  std::vector<int> values;
  for (int step = 0; step < 2 * 17; ++step) {
    test::SettledStep(*root);
    int value = 0;
    for (int bit = 0; bit < 4; ++bit) {
      value |= count.Bits[bit] << bit;
      const std::string led = "Q" + std::to_string(bit);
      EXPECT_EQ(Lit(*root, led.c_str()), count.Bits[bit]) << "step " << step << " " << led;
    }
    values.push_back(value);
  }
  std::vector<int> expected;
  for (int value = 0; value < 16; ++value) {
    expected.push_back(value);
  }
  expected.push_back(0);
  EXPECT_EQ(Runs(values), expected);
}

TEST(Examples, FullAdderAddsEveryRow) {
  const auto root = Opened("full-adder.lvm");
  TInteractiveInput* inputs[] = {&Labelled<TInteractiveInput>(*root, "A"),
                                 &Labelled<TInteractiveInput>(*root, "B"),
                                 &Labelled<TInteractiveInput>(*root, "Cin")};
  for (int row = 0; row < 8; ++row) {
    for (int bit = 0; bit < 3; ++bit) {
      if ((inputs[bit]->Level != 0) != ((row >> bit & 1) != 0)) {
        inputs[bit]->Press();
      }
    }
    test::SettledStep(*root);
    const int total = (row & 1) + (row >> 1 & 1) + (row >> 2 & 1);
    EXPECT_EQ(Lit(*root, "Sum"), (total & 1) != 0) << "row " << row;
    EXPECT_EQ(Lit(*root, "Cout"), total >= 2) << "row " << row;
  }
}

TEST(Examples, TrafficLightGoesThroughItsFourPhases) {
  const auto root = Opened("traffic-light.lvm");
  std::vector<std::string> phases;
  for (int step = 0; step < 2 * 8; ++step) {
    test::SettledStep(*root);
    std::string lit;
    lit += Lit(*root, "red") ? "R" : "";
    lit += Lit(*root, "amber") ? "A" : "";
    lit += Lit(*root, "green") ? "G" : "";
    phases.push_back(lit);
  }
  const std::vector<std::string> expected{"R", "RA", "G", "A", "R", "RA", "G", "A"};
  EXPECT_EQ(Runs(phases), expected);
}

}  // namespace
}  // namespace logivane
