#include "TestHelpers.h"
#include "simulation/cMemory.h"
#include "simulation/cMemoryMap.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace logivane {
namespace {

std::unique_ptr<TMemoryDevice> Memory(int addressWidth, int fill) {
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(true, addressWidth, 8);
  for (int address = 0; address < memory->WordCount(); ++address) {
    memory->SetWord(fill + address, address);
  }
  return memory;
}

class MemoryMap : public ::testing::Test {
protected:
  QString Store(const char* hex) const {
    return test::WriteFile(Dir.filePath(QStringLiteral("stored.map")), QByteArray::fromHex(hex));
  }

  QTemporaryDir Dir;
};

TEST_F(MemoryMap, SavedMapsHoldMagicCountAndWordsAndLoadUpToTheShorterOfMapAndMemory) {
  const QString big = Dir.filePath(QStringLiteral("big.map"));
  const QString small = Dir.filePath(QStringLiteral("small.map"));
  ASSERT_TRUE(SaveMemoryMap(big, *Memory(8, 1000)).Ok());
  ASSERT_TRUE(SaveMemoryMap(small, *Memory(4, 0xBEEF)).Ok());
  EXPECT_EQ(test::FileBytes(small).left(16),
            QByteArray::fromHex("cdab0000 10000000 efbe0000 f0be0000"));

  auto memory = Memory(4, 0);
  ASSERT_TRUE(LoadMemoryMap(big, *memory).Ok());
  EXPECT_EQ(memory->GetWord(15), 1015);
  memory = Memory(8, 0);
  ASSERT_TRUE(LoadMemoryMap(small, *memory).Ok());
  EXPECT_EQ(memory->GetWord(15), 0xBEEF + 15);
  EXPECT_EQ(memory->GetWord(16), 16) << "words beyond the map keep their values";

  // More words declared than the memory holds, and enough of them present for the memory.
  QByteArray hex = "cdab0000 00010000";
  for (int i = 0; i < 16; ++i) {
    hex += "34120100";  // kept to its low 16 bits
  }
  memory = Memory(4, 0);
  const TMemoryMapResult result = LoadMemoryMap(Store(hex.constData()), *memory);
  EXPECT_TRUE(result.Ok()) << result.Message.toStdString();
  EXPECT_EQ(memory->GetWord(15), 0x1234);
}

TEST_F(MemoryMap, DamagedOrMissingFilesLeaveTheMemoryUntouched) {
  const struct {
    const char* Bytes;
    TMemoryMapStatus Status;
  } rows[] = {
      {"", TMemoryMapStatus::NotAMemoryMap},
      {"cdab0100 01000000 05000000", TMemoryMapStatus::NotAMemoryMap},
      {"cdab0000 0100", TMemoryMapStatus::Truncated},
      {"cdab0000 03000000 05000000 06000000", TMemoryMapStatus::Truncated},
      {"cdab0000 ffffffff 05000000", TMemoryMapStatus::Truncated},
  };
  const auto memory = Memory(4, 7);
  const std::vector<std::uint16_t> before = memory->Contents();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Bytes);
    const TMemoryMapResult result = LoadMemoryMap(Store(row.Bytes), *memory);
    EXPECT_EQ(result.Status, row.Status);
    EXPECT_FALSE(result.Message.isEmpty());
    EXPECT_EQ(memory->Contents(), before);
  }
  EXPECT_EQ(LoadMemoryMap(Store("cdab00"), *memory).Message,
            "This is not a valid Memory Map file.");
  EXPECT_EQ(LoadMemoryMap(Dir.filePath("none.map"), *memory).Status, TMemoryMapStatus::FileError);
  const QString missing = Dir.filePath(QStringLiteral("missing/a.map"));
  EXPECT_EQ(SaveMemoryMap(missing, *memory).Status, TMemoryMapStatus::FileError);
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_EQ(memory->Contents(), before);
}

}  // namespace
}  // namespace logivane
