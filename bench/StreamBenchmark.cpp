// Throughput of the stream writer and reader on large object graphs.

#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/Csegment.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>

#include <memory>
#include <vector>

namespace logivane {
namespace {

/// A drawing that owns its polygons, with a selection that refers to each of them again, so
/// that every polygon is written once in full and once as a back reference.
class TBenchDrawing final : public TSerialize {
  LV_PERSISTENT(TBenchDrawing)
public:
  void Write(TSerializeWriter& writer) const override {
    writer.WriteObject(Shapes.get());
    writer.WriteListBegin();
    for (const TPolygon* polygon : Selection) {
      writer.WriteObject(polygon);
    }
    writer.WriteListEnd();
  }
  void Read(TSerializeReader& reader) override {
    Shapes.reset(reader.ReadOwned<TGraphicList>(*this));
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
      Selection.push_back(reader.ReadReference<TPolygon>());
    }
    reader.ReadListEnd();
  }
  void AbandonLinks() override {
    AbandonOwned(Shapes);
    Selection.clear();
  }

  std::unique_ptr<TGraphicList> Shapes = std::make_unique<TGraphicList>();
  std::vector<TPolygon*> Selection;
};
LV_REGISTER_CLASS(TBenchDrawing)

QByteArray Write(const TSerialize& root, qsizetype expectedSize = 0) {
  QByteArray bytes;
  bytes.reserve(expectedSize);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    TSerializeWriter writer(buffer);
    writer.WriteObject(&root);
  }
  return bytes;
}

/// 1000 lists of 1000 points each.
std::unique_ptr<TSerializeList> MakePointLists() {
  auto root = std::make_unique<TSerializeList>();
  for (int list = 0; list < 1000; ++list) {
    auto points = std::make_unique<TSerializeList>();
    for (int i = 0; i < 1000; ++i) {
      points->Add(
          std::make_unique<TFloatPoint>(static_cast<float>(i) * 0.5f, static_cast<float>(list)));
    }
    root->Add(std::move(points));
  }
  return root;
}

/// 100,000 four-sided polygons, each also selected.
std::unique_ptr<TBenchDrawing> MakeDrawing() {
  auto drawing = std::make_unique<TBenchDrawing>();
  for (int i = 0; i < 100000; ++i) {
    auto polygon = std::make_unique<TPolygon>();
    const float x = static_cast<float>(i % 1000) * 20;
    const float y = static_cast<float>(i / 1000) * 20;
    polygon->AddPoints({{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}});
    polygon->BrushColour = i;
    polygon->Remap();
    drawing->Selection.push_back(drawing->Shapes->Add(std::move(polygon)));
  }
  return drawing;
}

void WriteBenchmark(benchmark::State& state, const TSerialize& root) {
  const qsizetype size = Write(root).size();
  for (auto _ : state) {
    QByteArray bytes = Write(root, size);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * size);
}

template <class T>
void ReadBenchmark(benchmark::State& state, const TSerialize& root) {
  const QByteArray bytes = Write(root);
  for (auto _ : state) {
    TSerializeReader reader(bytes);
    std::unique_ptr<T> copy = reader.ReadRoot<T>();
    benchmark::DoNotOptimize(copy.get());
    state.PauseTiming();  // tearing the graph down is not reading
    copy.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_WritePointLists(benchmark::State& state) {
  WriteBenchmark(state, *MakePointLists());
}
BENCHMARK(BM_WritePointLists)->Unit(benchmark::kMillisecond);

void BM_ReadPointLists(benchmark::State& state) {
  ReadBenchmark<TSerializeList>(state, *MakePointLists());
}
BENCHMARK(BM_ReadPointLists)->Unit(benchmark::kMillisecond);

void BM_WriteSharedPolygons(benchmark::State& state) {
  WriteBenchmark(state, *MakeDrawing());
}
BENCHMARK(BM_WriteSharedPolygons)->Unit(benchmark::kMillisecond);

void BM_ReadSharedPolygons(benchmark::State& state) {
  ReadBenchmark<TBenchDrawing>(state, *MakeDrawing());
}
BENCHMARK(BM_ReadSharedPolygons)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace logivane
