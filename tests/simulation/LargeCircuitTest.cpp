// Circuits far larger than the samples, and streams nested as deep as the reader takes them.

#include "TestHelpers.h"
#include "circuits/BenchCircuits.h"
#include "simulation/cCircuitBuilder.h"
#include "simulation/cCircuitFile.h"
#include "simulation/cOutput.h"
#include "simulation/cRunControl.h"
#include "simulation/cinput.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace logivane {

/// A link of a chain in which each link is written inside the one before it.
class TChainLink final : public TSerialize {
  LV_PERSISTENT(TChainLink)
public:
  void Write(TSerializeWriter& writer) const override { writer.WriteObject(Next); }
  void Read(TSerializeReader& reader) override { Next = reader.ReadReference<TChainLink>(); }

  TChainLink* Next = nullptr;
};

LV_REGISTER_CLASS(TChainLink)

namespace {

using test::Hex;
using test::Place;
using test::Reopened;

constexpr int Joints = 20000;
constexpr int BranchEvery = 5000;

/// A clock drives an LED through `Joints` solder joints in a row; every `BranchEvery`th joint
/// also lights an LED of its own.
std::unique_ptr<TMacro> JointChain(std::vector<TLEDDevice*>& leds) {
  auto root = test::NewRoot();
  auto* clock = Place<TClockDevice>(*root, 0, 0);
  std::vector<TSolder*> joints;
  TGraphicObject* tail = clock->Pin(0);
  for (int i = 0; i < Joints; ++i) {
    joints.push_back(Place<TSolder>(*root, 40.0f + 10.0f * static_cast<float>(i), 0));
    EXPECT_TRUE(Connect(*root, *tail, *joints.back()));
    tail = joints.back();
  }
  leds.push_back(Place<TLEDDevice>(*root, 40.0f + 10.0f * Joints, 40));
  EXPECT_TRUE(Connect(*root, *tail, *leds.back()->Pin(0)));
  for (int i = BranchEvery - 1; i < Joints; i += BranchEvery) {
    leds.push_back(Place<TLEDDevice>(*root, 40.0f + 10.0f * static_cast<float>(i), 40));
    EXPECT_TRUE(Connect(*root, *joints[static_cast<std::size_t>(i)], *leds.back()->Pin(0)));
  }
  root->Reset();
  return root;
}

/// The levels on every pin of the circuit's indicators.
std::vector<TLevel> IndicatorLevels(const TMacro& root) {
  std::vector<TLevel> levels;
  for (int child = 0; child < root.Outputs().Count(); ++child) {
    const auto* device = static_cast<const TDevice*>(root.Outputs().Child(child));
    for (int i = 0; i < device->PinCount(); ++i) {
      levels.push_back(device->Pin(i)->Value);
    }
  }
  return levels;
}

TEST(LargeCircuit, ALongNetOfJointsIsSavedReopenedWalkedAndRun) {
  std::vector<TLEDDevice*> builtLeds;
  const auto built = JointChain(builtLeds);
  const QByteArray bytes = CircuitBytes(*built);
  const auto copy = Reopened(bytes);
  ASSERT_TRUE(copy);
  EXPECT_EQ(CircuitBytes(*copy), bytes);

  // Each joint is written inside the wire before it, the wire inside the joint before that.
  TSerializeReader reader(bytes);
  reader.ExpectedVersion = CircuitFile::Version;
  reader.ReadHeader();
  reader.ReadDescriptors();
  reader.ReadRoot<TMacro>();
  EXPECT_GT(reader.DeepestNesting(), 2 * Joints);
  EXPECT_LT(reader.StackUsed() / static_cast<std::size_t>(reader.DeepestNesting()),
            TDeepStack::BytesPerLevel);

  const auto* clock = static_cast<TClockDevice*>(copy->Inputs().Child(0));
  const std::size_t leds = builtLeds.size();
  ASSERT_EQ(static_cast<std::size_t>(copy->Outputs().Count()), leds);
  for (int step = 0; step < 4; ++step) {
    ASSERT_FALSE(StepCircuit(*copy).Faulted());
    EXPECT_EQ(IndicatorLevels(*copy), std::vector<TLevel>(leds, clock->Level)) << step;
  }

  // The search and the drive that take over from a gathered net walk the whole row.
  TWire* first = clock->Pin(0)->Wire;
  const TPin* far = static_cast<TDevice*>(copy->Outputs().Child(0))->Pin(0);
  copy->SetVisited(false);
  EXPECT_EQ(first->FindPinOfKind(PinInput), far);
  copy->SetVisited(false);
  const TLevel level = clock->Level ^ 1;
  EXPECT_TRUE(first->Propagate(nullptr, level));
  EXPECT_EQ(IndicatorLevels(*copy), std::vector<TLevel>(leds, level));
  auto* last = static_cast<TWire*>(copy->Wires().Child(copy->Wires().Count() - 1));
  EXPECT_EQ(last->Value, level);

  EXPECT_FALSE(copy->FollowAllWires());
  QImage image(400, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  copy->Draw(painter);
  copy->PaintState(painter);
}

TEST(LargeCircuit, RippleChainsAndLongDeviceChainsReopenRunAlikeAndSaveTheSame) {
  for (auto& built : {bench::AdderArray(64), bench::InverterChain(Joints / 2)}) {
    const QByteArray bytes = CircuitBytes(*built);
    const auto copy = Reopened(bytes);
    ASSERT_TRUE(copy);
    EXPECT_EQ(CircuitBytes(*copy), bytes);
    for (int step = 0; step < 4; ++step) {
      ASSERT_FALSE(StepCircuit(*built).Faulted());
      ASSERT_FALSE(StepCircuit(*copy).Faulted());
      EXPECT_EQ(IndicatorLevels(*copy), IndicatorLevels(*built)) << step;
    }
  }
}

/// A list of `links` chain links, each written inside the one before it: nested `links` + 1
/// objects deep, every link after the first a back reference in the list.
QByteArray ChainBytes(int links) {
  QByteArray bytes = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01") +
                     Hex("0200") + QByteArray("\x06\x0ATChainLink", 12);
  bytes.reserve(12 * links + 64);
  const QByteArray knownLink = Hex("02010201");
  const QByteArray backReference = Hex("0202");
  for (int i = 1; i < links; ++i) {
    bytes += knownLink;
  }
  bytes += Hex("020F");
  for (int ordinal = 2; ordinal <= links; ++ordinal) {
    bytes += backReference;
    const int size = ordinal <= 127 ? 1 : ordinal <= 32767 ? 2 : 4;
    bytes += static_cast<char>(size == 4 ? 4 : size + 1);
    for (int i = 0; i < size; ++i) {
      bytes += static_cast<char>(ordinal >> (8 * i) & 0xFF);
    }
  }
  bytes += Hex("00");
  return bytes;
}

TEST(LargeCircuit, StreamsNestedToTheBoundAreReadAndWrittenAndNoDeeper) {
  constexpr int links = TSerializeReader::MaxNesting - 1;
#if !defined(__SANITIZE_ADDRESS__)
  static_assert(links >= 1000000, "files of a million objects must read");
#endif

  // Built as a graph: the writer nests it exactly as far as it may.
  TSerializeList chain;
  std::vector<TChainLink*> built(links);
  for (int i = links - 1; i >= 0; --i) {
    built[static_cast<std::size_t>(i)] = new TChainLink;
    if (i + 1 < links) {
      built[static_cast<std::size_t>(i)]->Next = built[static_cast<std::size_t>(i) + 1];
    }
  }
  for (TChainLink* link : built) {
    chain.Add(link);
  }
  const QByteArray bytes = ChainBytes(links);
  ASSERT_EQ(test::WrittenObject(chain), bytes);

  const auto read = test::ReadBack<TSerializeList>(bytes);
  ASSERT_EQ(read->Count(), links);
  EXPECT_EQ(read->ItemAs<TChainLink>(links - 2)->Next, read->Items(links - 1));

  // One level deeper is refused both ways, without touching what was read or written.
  chain.Add(new TChainLink);
  built.back()->Next = chain.ItemAs<TChainLink>(links);
  EXPECT_THROW(test::WrittenObject(chain), EWriteError);
  try {
    test::ReadBack<TSerializeList>(ChainBytes(links + 1));
    ADD_FAILURE() << "a stream nested too deeply was read";
  } catch (const EReadError& error) {
    EXPECT_STREQ(error.what(), "Objects are nested too deeply");
  }
}

}  // namespace
}  // namespace logivane
