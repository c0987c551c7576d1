#include "TestHelpers.h"
#include "simulation/SampleCircuits.h"
#include "simulation/cCircuitFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace logivane {
namespace {

using test::Hex;

TEST(CircuitFile, ANewCircuitStartsWithTheHeaderAndThreeDescriptors) {
  TMacro circuit;
  circuit.HelpTopic.clear();
  const QByteArray expected = Hex("04DDC42200") + Hex("01") + Hex("0201026406 00") +
                              Hex("0201026506 00") + Hex("0201026606 00") + Hex("00") +
                              Hex("0200 0606") + "TMacro";
  EXPECT_TRUE(CircuitBytes(circuit).startsWith(expected));
  EXPECT_TRUE(
      CircuitBytes(circuit, "Adder").startsWith(Hex("04DDC42200 01 0201026406 05") + "Adder"));
}

TEST(CircuitFile, EveryDeviceClassComesBackAsItWasWritten) {
  const auto circuit = test::EveryDeviceCircuit();
  const QByteArray first = CircuitBytes(*circuit, "Everything");
  TCircuitReadResult read = ReadCircuitBytes(first);
  ASSERT_TRUE(read.Succeeded()) << read.Message.toStdString();
  EXPECT_EQ(read.MacroName, "Everything");
  EXPECT_EQ(read.Circuit->Datasheet, "adder.pdf");
  EXPECT_EQ(CircuitBytes(*read.Circuit, read.MacroName), first);

  // The copy runs like the original, step after step.
  read.Circuit->Displayed = true;
  read.Circuit->Reset();
  for (int step = 0; step < 12; ++step) {
    ASSERT_FALSE(StepCircuit(*circuit).Faulted());
    ASSERT_FALSE(StepCircuit(*read.Circuit).Faulted());
  }
  EXPECT_EQ(CircuitBytes(*read.Circuit), CircuitBytes(*circuit));
}

TEST(CircuitFile, OlderRevisionsAreRead) {
  const QByteArray root = test::WrittenObject(TMacro());
  const std::pair<QByteArray, QString> files[] = {
      {Hex("04DDC41400") + root, ""},
      {Hex("04DDC41900") + root, ""},
      {Hex("04DDC41E00") + Hex("09 0605") + "Name" + "!" + Hex("0600 0207") + root, "Name!"},
      {Hex("04DDC42200") + Hex("01 0201026506 00 00") + root, ""},  // descriptors without a name
  };
  for (const auto& [bytes, name] : files) {
    const auto read = ReadCircuitBytes(bytes);
    ASSERT_TRUE(read.Succeeded()) << bytes.left(5).toHex().toStdString();
    EXPECT_EQ(read.MacroName, name);
  }
}

TEST(CircuitFile, FilesItCannotReadGiveTheirOwnMessages) {
  TMacro circuit;
  const QByteArray good = CircuitBytes(circuit);
  auto outcome = [](const QByteArray& bytes) {
    return ReadCircuitBytes(bytes).Outcome;
  };

  QByteArray later = good;
  later[3] = 35;
  const auto refused = ReadCircuitBytes(later);
  EXPECT_EQ(refused.Outcome, TCircuitReadOutcome::LaterVersion);
  EXPECT_EQ(refused.Message, "You need a later version of Logivane to read this file.");
  EXPECT_EQ(refused.Circuit, nullptr);

  const auto templateFile = ReadCircuitBytes(Hex("0419ED1400"));
  EXPECT_EQ(templateFile.Outcome, TCircuitReadOutcome::NotCircuitFile);
  EXPECT_EQ(templateFile.Message, "This is not a valid Logivane file.");

  const auto empty = ReadCircuitBytes({});
  EXPECT_EQ(empty.Outcome, TCircuitReadOutcome::Unreadable);
  EXPECT_EQ(empty.Message, "An error has occurred trying to read this Logivane file.");
  EXPECT_EQ(outcome("garbage that is no circuit"), TCircuitReadOutcome::Unreadable);
  for (qsizetype size = 5; size < good.size(); size += 7) {
    EXPECT_EQ(outcome(good.left(size)), TCircuitReadOutcome::Unreadable) << size;
  }

  // The root must be a circuit.
  const QByteArray header = good.left(good.indexOf("TMacro") - 4);
  EXPECT_EQ(outcome(header + Hex("020F")), TCircuitReadOutcome::Unreadable);
  TFloatPoint point;
  EXPECT_EQ(outcome(header + test::WrittenObject(point)), TCircuitReadOutcome::Unreadable);
}

TEST(CircuitFile, SavedFilesComeBackByteForByte) {
  // The fuzzer's seed circuits were written by earlier builds, so this also holds the format.
  const QDir corpus(QStringLiteral(LOGIVANE_FUZZ_DIR "/circuit-corpus"));
  const QStringList files = corpus.entryList({QStringLiteral("*.lvm")}, QDir::Files);
  ASSERT_EQ(files.size(), 6);
  for (const QString& name : files) {
    const QByteArray bytes = test::FileBytes(corpus.filePath(name));
    const TCircuitReadResult read = ReadCircuitBytes(bytes);
    ASSERT_TRUE(read.Succeeded()) << name.toStdString();
    EXPECT_EQ(CircuitBytes(*read.Circuit, read.MacroName), bytes) << name.toStdString();
  }
}

TEST(CircuitFileOnDisk, AFailedSaveLeavesTheOldFileAlone) {
  const QTemporaryDir folder;
  const auto path = [&folder](const char* name) {
    return folder.filePath(name);
  };
  const auto circuit = test::FullAdder();
  ASSERT_TRUE(SaveCircuitFile(path("kept.lvm"), *circuit, "Kept"));
  const auto read = ReadCircuitFile(path("kept.lvm"));
  ASSERT_TRUE(read.Succeeded()) << read.Message.toStdString();
  EXPECT_EQ(CircuitBytes(*read.Circuit, read.MacroName), CircuitBytes(*circuit, "Kept"));
  const QByteArray before = test::FileBytes(path("kept.lvm"));

  // A folder in the way of the temporary file makes the save fail before the target is touched.
  QString error;
  EXPECT_FALSE(SaveCircuitFile(path("missing/kept.lvm"), *circuit, "Kept", &error));
  EXPECT_FALSE(error.isEmpty());
  ASSERT_TRUE(QDir(folder.path()).mkdir("kept.lvm.dir"));
  EXPECT_FALSE(SaveCircuitFile(path("kept.lvm.dir"), *circuit, "Kept"));

  EXPECT_EQ(test::FileBytes(path("kept.lvm")), before);
}

}  // namespace
}  // namespace logivane
