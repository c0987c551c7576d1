#include "simulation/SimTestHelpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace logivane {
namespace {

using test::Net;
using test::Outline;
using test::Place;
using test::ReadBack;
using test::WrittenObject;

TEST(MacroFile, AFullAdderReadBackWritesTheSameBytesAndStillAdds) {
  const auto adder = test::FullAdder();
  adder->Datasheet = QStringLiteral("adder.pdf");
  const QByteArray bytes = WrittenObject(*adder);
  const auto copy = ReadBack<TMacro>(bytes);
  EXPECT_EQ(WrittenObject(*copy), bytes);
  EXPECT_EQ(copy->Datasheet, QStringLiteral("adder.pdf"));
  EXPECT_FALSE(copy->Closed);
  EXPECT_EQ(copy->HelpTopic, QStringLiteral("0"));

  copy->Displayed = true;
  copy->Reset();
  test::ExpectFullAdderTruthTable(*copy);
}

TEST(MacroFile, ASubCircuitKeepsItsTagsTiedToItsOutline) {
  auto root = test::NewRoot();
  auto* source = Place<test::TTestSource>(*root, -100, 0);
  TMacro* sub = test::AddSubCircuit(*root, 0, 0, 2);
  auto* probe = Place<test::TTestProbe>(*root, 100, 0);
  auto* gate = Place<T2NandGate>(*sub, 50, 0);
  Net(*sub, *sub->Tag(0)->GetPin(), {gate->Pin(1), gate->Pin(2)});
  Net(*sub, *gate->Pin(0), {sub->Tag(1)->GetPin()});
  UpdateTagKinds(*sub);
  Net(*root, *source->Pin(0), {&Outline(*sub, 0)});
  Net(*root, Outline(*sub, 1), {probe->Pin(0)});

  const QByteArray bytes = WrittenObject(*root);
  const auto copy = ReadBack<TMacro>(bytes);
  EXPECT_EQ(WrittenObject(*copy), bytes);
  const auto* copiedSub = static_cast<const TMacro*>(copy->Devices().Child(0));
  EXPECT_TRUE(copiedSub->IsSubCircuit);
  EXPECT_TRUE(copiedSub->Closed);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(copiedSub->Tag(i)->LinkPin->Partner, copiedSub->Pin(i));
    EXPECT_EQ(copiedSub->FindTagForPin(copiedSub->Pin(i)), copiedSub->Tag(i));
    EXPECT_EQ(copiedSub->Tag(i)->GetNumber(), i + 1);
  }

  copy->Displayed = true;
  copy->Reset();
  for (const TLevel level : {0, 1}) {
    test::SourceAt(*copy, 0)->Level = level;
    test::SettledStep(*copy);
    EXPECT_EQ(test::ProbeAt(*copy, 0)->Seen, level ^ 1);
  }
}

TEST(MacroFile, ListsHoldingObjectsOfAnotherKindAreRefused) {
  const std::function<void(TMacro&)> misfilings[] = {
      [](TMacro& m) { m.Devices().Add(std::make_unique<TWire>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<TSolder>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<TPin>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<TTagDevice>()); },
      [](TMacro& m) { m.Devices().Add(std::make_unique<test::TTestSource>()); },
      [](TMacro& m) { m.Wires().Add(std::make_unique<T2AndGate>()); },
      [](TMacro& m) { m.Solders().Add(std::make_unique<TWire>()); },
      [](TMacro& m) { m.Tags().Add(std::make_unique<TDevice>()); },
      [](TMacro& m) { m.Inputs().Add(std::make_unique<test::TTestProbe>()); },
      [](TMacro& m) { m.Outputs().Add(std::make_unique<TGraphicText>()); },
  };
  for (std::size_t i = 0; i < std::size(misfilings); ++i) {
    TMacro macro;
    misfilings[i](macro);
    EXPECT_THROW(ReadBack<TMacro>(WrittenObject(macro)), EReadError) << "case " << i;
  }
  TTagDevice tag;
  tag.Clear();  // no number text left to show
  EXPECT_THROW(ReadBack<TTagDevice>(WrittenObject(tag)), EReadError);
}

/// A macro with four outline pins, two of them tied to tags.
std::unique_ptr<TMacro> FourPinMacro() {
  auto macro = std::make_unique<TMacro>();
  macro->IsSubCircuit = true;
  for (int i = 0; i < 4; ++i) {
    AddOutlinePin(*macro, i < 2 ? -30.0f : 30.0f, static_cast<float>(10 * (i % 2)));
  }
  for (int i = 0; i < 2; ++i) {
    auto* tag = Place<TTagDevice>(*macro, 0, 20.0f * static_cast<float>(i));
    tag->Direction = TTagDevice::DirectionOutput;
    AssociateTag(*macro, *tag, *static_cast<TMacroPin*>(macro->Pin(i)));
  }
  return macro;
}

class TemplateTest : public ::testing::Test {
protected:
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  /// Loads `path` into a fresh macro and expects it refused with `message`, symbol unchanged.
  void ExpectRefused(const QString& path, const char* message) {
    TMacro macro;
    const QByteArray before = WrittenObject(macro);
    TStoredMessages messages;
    EXPECT_FALSE(macro.LoadTemplate(path, messages));
    EXPECT_EQ(messages.LastError, QString::fromLatin1(message));
    EXPECT_EQ(WrittenObject(macro), before);
  }

  QTemporaryDir dir;
};

TEST_F(TemplateTest, SavedPinsComeBackAsFreePinsAtTheSameCentres) {
  const auto source = FourPinMacro();
  TStoredMessages messages;
  ASSERT_TRUE(source->SaveTemplate(Path("four.lvt"), messages));
  QFile file(Path("four.lvt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(5), test::Hex("0419ED1400"));

  TMacro target;
  target.Clear();
  ASSERT_TRUE(target.LoadTemplate(Path("four.lvt"), messages)) << messages.LastError.toStdString();
  EXPECT_EQ(WrittenObject(target.Objects()), WrittenObject(source->Objects()));
  ASSERT_EQ(target.PinCount(), 4);
  for (int i = 0; i < 4; ++i) {
    const auto* pin = dynamic_cast<const TMacroPin*>(target.Pin(i));
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->Kind, PinNeutral);
    EXPECT_EQ(pin->Partner, nullptr);
    EXPECT_EQ(pin->GetBounds(), source->Pin(i)->GetBounds());
  }
  EXPECT_TRUE(messages.LastError.isEmpty());
}

TEST_F(TemplateTest, ACircuitFileIsNotATemplate) {
  const auto circuit = test::FullAdder();
  WriteFile(Path("adder.lvm"), test::Written([&](TSerializeWriter& writer) {
              writer.Version = 50397;
              writer.Revision = 34;
              writer.WriteHeader();
              writer.WriteDescriptors();
              writer.WriteObject(circuit.get());
            }));
  ExpectRefused(Path("adder.lvm"), "This is not a valid Logivane Template file.");
}

TEST_F(TemplateTest, ABrokenOrMissingFileIsAReadError) {
  const auto source = FourPinMacro();
  ASSERT_TRUE(source->SaveTemplate(Path("four.lvt")));
  QFile file(Path("four.lvt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  WriteFile(Path("cut.lvt"), file.readAll().chopped(3));
  ExpectRefused(Path("cut.lvt"), "An error has occurred trying to read this Logivane file.");
  ExpectRefused(Path("none.lvt"), "An error has occurred trying to read this Logivane file.");
}

TEST_F(TemplateTest, AFailedSaveIsReported) {
  TMacro macro;
  TStoredMessages messages;
  EXPECT_FALSE(macro.SaveTemplate(Path("no/such/folder/t.lvt"), messages));
  EXPECT_EQ(messages.LastError,
            QStringLiteral("An error has occurred trying to write this Logivane file."));
}

}  // namespace
}  // namespace logivane
