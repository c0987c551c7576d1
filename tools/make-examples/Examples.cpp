#include "Examples.h"

#include "Title.h"
#include "simulation/cCircuitFile.h"

#include <cmath>
#include <vector>

namespace logivane::examples {

namespace {

/// Where the top left corner of every example stands, so that it opens in view.
constexpr int Margin = 20;

}  // namespace

std::span<const TExample> AllExamples() {
  static const std::vector<TExample> examples = [] {
    std::vector<TExample> all;
    for (const auto folder : {GatesExamples, CombinationalExamples, LatchExamples,
                              SequentialExamples, MemoryExamples, ComputerExamples}) {
      const std::span<const TExample> some = folder();
      all.insert(all.end(), some.begin(), some.end());
    }
    return all;
  }();
  return examples;
}

QString ExamplePath(const TExample& example) {
  return QString::fromLatin1(example.Folder) + u'/' + QString::fromLatin1(example.FileName);
}

std::unique_ptr<TMacro> BuildExample(const TExample& example) {
  std::unique_ptr<TMacro> circuit = example.Build();
  AddTitle(*circuit, QString::fromLatin1(example.Title), QString::fromLatin1(example.Hint));
  // Moved by whole tens, so that everything on the grid stays on it.
  const TRect bounds = circuit->GetBounds();
  const auto shift = [](int edge) {
    return static_cast<float>(Margin - static_cast<int>(std::floor(edge / 10.0)) * 10);
  };
  circuit->Translate(shift(bounds.Left), shift(bounds.Top));
  circuit->Remap();
  return circuit;
}

QByteArray ExampleBytes(const TExample& example) {
  return CircuitBytes(*BuildExample(example), QString::fromLatin1(example.Title));
}

QString TableFileName(const TExample& example) {
  QString name = ExamplePath(example);
  name.chop(QStringLiteral(".lvm").size());
  return name + QStringLiteral(".lvtest");
}

QByteArray TableBytes(const TExample& example) {
  return example.Table().toUtf8();
}

}  // namespace logivane::examples
