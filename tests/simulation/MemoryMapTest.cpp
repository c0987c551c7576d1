#include "simulation/cMemory.h"
#include "simulation/cMemoryMap.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
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
  QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
  void Store(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Stored(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir Dir;
};

TEST_F(MemoryMap, SavedFileHoldsMagicCountAndLittleEndianWords) {
  auto memory = Memory(4, 0);
  memory->SetWord(0xBEEF, 1);
  ASSERT_TRUE(SaveMemoryMap(Path("a.map"), *memory).Ok());
  const QByteArray bytes = Stored(Path("a.map"));
  ASSERT_EQ(bytes.size(), 8 + 4 * 16);
  EXPECT_EQ(bytes.left(16), QByteArray::fromHex("cdab0000 10000000 00000000 efbe0000"));

  auto copy = Memory(4, 100);
  ASSERT_TRUE(LoadMemoryMap(Path("a.map"), *copy).Ok());
  EXPECT_EQ(copy->Contents(), memory->Contents());

  memory->SetWord(1, 1);  // saving again replaces the file
  ASSERT_TRUE(SaveMemoryMap(Path("a.map"), *memory).Ok());
  EXPECT_EQ(Stored(Path("a.map")).mid(12, 4), QByteArray::fromHex("01000000"));
}

TEST_F(MemoryMap, LoadStopsAtTheShorterOfMapAndMemory) {
  ASSERT_TRUE(SaveMemoryMap(Path("big.map"), *Memory(8, 1000)).Ok());
  ASSERT_TRUE(SaveMemoryMap(Path("small.map"), *Memory(4, 2000)).Ok());

  auto small = Memory(4, 0);
  ASSERT_TRUE(LoadMemoryMap(Path("big.map"), *small).Ok());
  EXPECT_EQ(small->GetWord(15), 1015);

  auto big = Memory(8, 0);
  ASSERT_TRUE(LoadMemoryMap(Path("small.map"), *big).Ok());
  EXPECT_EQ(big->GetWord(15), 2015);
  EXPECT_EQ(big->GetWord(16), 16);
  EXPECT_EQ(big->GetWord(255), 255);
}

TEST_F(MemoryMap, WordsKeepTheirLow16BitsWhateverTheDataWidth) {
  Store(Path("wide.map"), QByteArray::fromHex("cdab0000 02000000 ffff0100 34120000"));
  auto memory = Memory(4, 0);
  ASSERT_TRUE(LoadMemoryMap(Path("wide.map"), *memory).Ok());
  EXPECT_EQ(memory->GetWord(0), 0xFFFF);
  EXPECT_EQ(memory->GetWord(1), 0x1234);
  EXPECT_EQ(memory->GetWord(2), 2);
}

TEST_F(MemoryMap, DamagedOrMissingFilesLeaveTheMemoryUntouched) {
  const struct {
    const char* Bytes;
    TMemoryMapStatus Status;
  } rows[] = {
      {"", TMemoryMapStatus::NotAMemoryMap},
      {"cdab00", TMemoryMapStatus::NotAMemoryMap},
      {"cdab0100 01000000 05000000", TMemoryMapStatus::NotAMemoryMap},
      {"cdab0000 0100", TMemoryMapStatus::Truncated},
      {"cdab0000 03000000 05000000 06000000", TMemoryMapStatus::Truncated},
      {"cdab0000 ffffffff 05000000", TMemoryMapStatus::Truncated},
  };
  const auto memory = Memory(4, 7);
  const std::vector<std::uint16_t> before = memory->Contents();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Bytes);
    Store(Path("bad.map"), QByteArray::fromHex(row.Bytes));
    const TMemoryMapResult result = LoadMemoryMap(Path("bad.map"), *memory);
    EXPECT_EQ(result.Status, row.Status);
    EXPECT_FALSE(result.Message.isEmpty());
    if (row.Status == TMemoryMapStatus::NotAMemoryMap) {
      EXPECT_EQ(result.Message, "This is not a valid Memory Map file.");
    }
    EXPECT_EQ(memory->Contents(), before);
  }
  EXPECT_EQ(LoadMemoryMap(Path("none.map"), *memory).Status, TMemoryMapStatus::FileError);
  EXPECT_EQ(memory->Contents(), before);
}

TEST_F(MemoryMap, SaveIntoAMissingFolderFailsWithoutCreatingAFile) {
  const QString path = Path("missing/a.map");
  const TMemoryMapResult result = SaveMemoryMap(path, *Memory(4, 0));
  EXPECT_EQ(result.Status, TMemoryMapStatus::FileError);
  EXPECT_FALSE(result.Message.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace logivane
