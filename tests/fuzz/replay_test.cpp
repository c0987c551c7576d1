#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Every input the fuzzer kept, and every crash it once found, must stay harmless.
TEST(FuzzCorpus, EveryInputReadsOrFailsCleanly) {
  const QDir corpus(QStringLiteral(LOGIVANE_FUZZ_CORPUS));
  const QStringList files = corpus.entryList(QDir::Files);
  ASSERT_FALSE(files.isEmpty()) << "the seed corpus is missing";
  for (const QString& name : files) {
    QFile file(corpus.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    SCOPED_TRACE(name.toStdString());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
  }
}
