#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace logivane::fuzz {
namespace {

using TTarget = void (*)(const std::uint8_t*, std::size_t);

/// Runs every file of `folder` through `target`; the corpus must hold at least `expected`.
void Replay(const char* folder, TTarget target, const QStringList& expected) {
  const QDir corpus(QString::fromUtf8(folder));
  const QStringList files = corpus.entryList(QDir::Files);
  for (const QString& name : expected) {
    EXPECT_TRUE(files.contains(name)) << folder << " lacks " << name.toStdString();
  }
  for (const QString& name : files) {
    QFile file(corpus.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    SCOPED_TRACE(name.toStdString());
    target(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
           static_cast<std::size_t>(bytes.size()));
  }
}

// Every input the fuzzers kept, and every crash they once found, must stay harmless; each
// corpus also goes through the other target, which must refuse it just as safely.
TEST(FuzzCorpus, EveryStreamInputReadsOrFailsCleanly) {
  const QStringList seeds = {"empty",
                             "memory_rom_16x4",
                             "seed-EveryClassInOneList",
                             "seed-GraphicList",
                             "seed-NestedLists",
                             "seed-Polygon",
                             "seed-Segment",
                             "seed-TextTurnedBoldItalicWithBar"};
  Replay(LOGIVANE_FUZZ_DIR "/stream-corpus", FuzzStream, seeds);
  Replay(LOGIVANE_FUZZ_DIR "/stream-corpus", FuzzCircuitFile, seeds);
}

TEST(FuzzCorpus, EveryCircuitInputOpensOrFailsCleanly) {
  const QStringList seeds = {"contention.lvm",   "counter.lvm",    "empty.lvm",
                             "every-device.lvm", "full-adder.lvm", "sub-circuit.lvm"};
  Replay(LOGIVANE_FUZZ_DIR "/circuit-corpus", FuzzCircuitFile, seeds);
  Replay(LOGIVANE_FUZZ_DIR "/circuit-corpus", FuzzStream, seeds);
}

TEST(FuzzCorpus, EveryTableInputParsesOrFailsCleanly) {
  Replay(LOGIVANE_FUZZ_DIR "/table-corpus", FuzzTestTable,
         {"adder.lvtest", "bits.lvtest", "repeat.lvtest", "unfit.lvtest", "bad.lvtest"});
}

TEST(FuzzCorpus, EveryHexInputLoadsOrFailsCleanly) {
  Replay(LOGIVANE_FUZZ_DIR "/hex-corpus", FuzzIntelHex,
         {"objcopy.hex", "segments.hex", "bad-checksum.hex", "no-end.hex"});
}

}  // namespace
}  // namespace logivane::fuzz
