#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace logivane::fuzz {
namespace {

using TTarget = void (*)(const std::uint8_t*, std::size_t);

void Replay(const char* folder, TTarget target) {
  const QDir corpus(QString::fromUtf8(folder));
  const QStringList files = corpus.entryList(QDir::Files);
  ASSERT_FALSE(files.isEmpty()) << "the seed corpus " << folder << " is missing";
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
  Replay(LOGIVANE_FUZZ_DIR "/stream-corpus", FuzzStream);
  Replay(LOGIVANE_FUZZ_DIR "/stream-corpus", FuzzCircuitFile);
}

TEST(FuzzCorpus, EveryCircuitInputOpensOrFailsCleanly) {
  Replay(LOGIVANE_FUZZ_DIR "/circuit-corpus", FuzzCircuitFile);
  Replay(LOGIVANE_FUZZ_DIR "/circuit-corpus", FuzzStream);
}

}  // namespace
}  // namespace logivane::fuzz
