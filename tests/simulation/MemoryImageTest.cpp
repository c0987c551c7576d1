#include "TestHelpers.h"
#include "simulation/cMemory.h"
#include "simulation/cMemoryFiles.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace logivane {
namespace {

std::unique_ptr<TMemoryDevice> Memory(int addressWidth, int dataWidth, std::uint16_t fill = 0) {
  auto memory = std::make_unique<TMemoryDevice>();
  memory->BuildSymbol(true, addressWidth, dataWidth);
  for (int address = 0; address < memory->WordCount(); ++address) {
    memory->SetWord(fill, address);
  }
  return memory;
}

class MemoryImage : public ::testing::Test {
protected:
  QString Store(const char* name, const QByteArray& bytes) const {
    return test::WriteFile(Dir.filePath(QString::fromLatin1(name)), bytes);
  }

  QTemporaryDir Dir;
};

TEST_F(MemoryImage, EveryMemorySizeKeepsItsWordsThroughMapHexAndBinary) {
  QRandomGenerator random(2026);
  for (const int dataWidth : {1, 2, 4, 8, 16}) {
    for (int addressWidth = TMemoryDevice::MinAddressWidth;
         addressWidth <= TMemoryDevice::MaxAddressWidth; ++addressWidth) {
      SCOPED_TRACE(QStringLiteral("%1 x %2").arg(addressWidth).arg(dataWidth).toStdString());
      const auto original = Memory(addressWidth, dataWidth);
      for (int address = 0; address < original->WordCount(); ++address) {
        original->SetWord(static_cast<int>(random.bounded(1U << dataWidth)), address);
      }
      const TMemoryDevice* from = original.get();
      std::vector<std::unique_ptr<TMemoryDevice>> copies;
      for (const char* name : {"words.map", "words.hex", "words.bin", "words.map"}) {
        const QString file = Dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(SaveMemoryFile(file, *from).Ok()) << name;
        copies.push_back(Memory(addressWidth, dataWidth, 0x5A5A));
        const TMemoryMapResult loaded = LoadMemoryFile(file, *copies.back());
        ASSERT_TRUE(loaded.Ok()) << name << ": " << loaded.Message.toStdString();
        ASSERT_EQ(copies.back()->Contents(), original->Contents()) << name;
        from = copies.back().get();
      }
    }
  }
}

TEST_F(MemoryImage, HexRecordsPlaceBytesHighByteFirstAndLeaveOtherWordsAlone) {
  // 16-bit words; a linear base of 0 and a segment base of 0x10 (16 bytes, word 8); a start
  // address record; lower-case digits, and a line ending in CR LF.
  const QByteArray text =
      ":0400000012345678E8\r\n"
      ":020000040000FA\n"
      ":0400000500000000F7\n"
      ":020000020001FB\n"
      ":02000200abcd84\n"
      ":00000001FF\n"
      "anything after the end record is not read\n";
  const auto memory = Memory(4, 16, 7);
  const TMemoryMapResult result = LoadMemoryFile(Store("a.hex", text), *memory);
  ASSERT_TRUE(result.Ok()) << result.Message.toStdString();
  EXPECT_EQ(memory->GetWord(0), 0x1234);
  EXPECT_EQ(memory->GetWord(2), 7);
  EXPECT_EQ(memory->GetWord(9), 0xABCD);

  // Bytes wider than the data width are cut to it.
  const auto narrow = Memory(4, 4);
  ASSERT_TRUE(LoadMemoryFile(Store("b.ihx", ":01000000FF00\n:00000001FF\n"), *narrow).Ok());
  EXPECT_EQ(narrow->GetWord(0), 0xF);

  // A saved 8-bit memory of 32 words: two full data records and the end record.
  const auto saved = Memory(5, 8, 0xA5);
  saved->SetWord(0x1FF, 31);
  ASSERT_TRUE(SaveMemoryFile(Dir.filePath("c.hex"), *saved).Ok());
  EXPECT_EQ(test::FileBytes(Dir.filePath("c.hex")),
            ":10000000A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5A0\r\n"
            ":10001000A5A5A5A5A5A5A5A5A5A5A5A5A5A5A5FF36\r\n"
            ":00000001FF\r\n");
}

TEST_F(MemoryImage, DamagedHexFilesNameTheLineAndChangeNothing) {
  const struct {
    const char* Text;
    const char* Message;
  } rows[] = {
      {":0100000012ED\n:01000100343F\n:00000001FF\n",
       "Line 2: the checksum is 3F, but the record adds up to CA."},
      {":0100000012ED\n:0100100012DD\n:00000001FF\n",
       "Line 2: the data at address 0x0010 lies beyond the memory, which holds 16 bytes."},
      {":020000040001F9\n:0100000012ED\n:00000001FF\n",
       "Line 2: the data at address 0x10000 lies beyond the memory, which holds 16 bytes."},
      {":0100000012ED\n:0400000012\n",
       "Line 2: the record says it holds 4 data bytes, but it holds 0."},
      {":0100000012ED\n:0100000012ED\n",
       "Line 2: the file ends without an end record (type 01); it may be incomplete."},
      {"\n:00000007F9\n", "Line 2: record type 07 is unknown."},
      {":01000000G2ED\n", "Line 1: a record holds only hexadecimal digits, two for each byte."},
  };
  const auto memory = Memory(4, 8, 9);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Text);
    const TMemoryMapResult result = LoadMemoryFile(Store("bad.hex", row.Text), *memory);
    EXPECT_EQ(result.Status, TMemoryMapStatus::BadImage);
    EXPECT_EQ(result.Message, QString::fromLatin1(row.Message));
    EXPECT_EQ(memory->GetWord(0), 9) << "nothing is half loaded";
  }
}

TEST_F(MemoryImage, BinaryImagesFillFromAddressZeroAndMustFitTheMemory) {
  const auto memory = Memory(4, 16, 3);
  ASSERT_TRUE(LoadMemoryFile(Store("short.bin", test::Hex("0102 a0b0")), *memory).Ok());
  EXPECT_EQ(memory->GetWord(1), 0xA0B0);
  EXPECT_EQ(memory->GetWord(2), 3) << "words after the image keep their values";
  for (const QByteArray& bad : {test::Hex("010203"), QByteArray(33, '\x01')}) {
    EXPECT_EQ(LoadMemoryFile(Store("bad.bin", bad), *memory).Status, TMemoryMapStatus::BadImage);
  }
  EXPECT_EQ(memory->GetWord(0), 0x0102);
}

TEST_F(MemoryImage, HexFilesWrittenByObjcopyLoadAsTheirRawBytes) {
  const QString objcopy = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
  if (objcopy.isEmpty()) {
    GTEST_SKIP() << "objcopy (binutils) is not installed; tools/install-deps.sh installs it";
  }
  // Not a whole number of 16-byte records, so the last record is short.
  QByteArray bytes(10000, Qt::Uninitialized);
  QRandomGenerator random(7);
  for (char& byte : bytes) {
    byte = static_cast<char>(random.bounded(256));
  }
  const QString raw = Store("in.bin", bytes);
  const QString hex = Dir.filePath(QStringLiteral("out.hex"));
  QProcess process;
  process.start(objcopy, {"-I", "binary", "-O", "ihex", raw, hex});
  ASSERT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
      << process.readAllStandardError().toStdString();
  const auto fromRaw = Memory(14, 8);
  const auto fromHex = Memory(14, 8);
  ASSERT_TRUE(LoadMemoryFile(raw, *fromRaw).Ok());
  const TMemoryMapResult result = LoadMemoryFile(hex, *fromHex);
  ASSERT_TRUE(result.Ok()) << result.Message.toStdString();
  EXPECT_EQ(fromHex->Contents(), fromRaw->Contents());
}

}  // namespace
}  // namespace logivane
