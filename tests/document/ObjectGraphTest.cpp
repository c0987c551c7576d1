#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/Csegment.h"
#include "document/StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <random>

namespace logivane {
namespace {

using test::Hex;
using test::ReadBack;
using test::WrittenObject;

/// A node that owns children and refers to any other node, so graphs can share and loop.
class TTestNode final : public TSerialize {
  LV_PERSISTENT(TTestNode)
public:
  void Write(TSerializeWriter& writer) const override {
    writer.WriteInteger(Value);
    writer.WriteObject(Link);
    writer.WriteObject(&Children);
  }
  void Read(TSerializeReader& reader) override {
    Value = reader.ReadInteger();
    Link = reader.ReadReference<TTestNode>();
    Children.Clear();
    TSerializeList* children = reader.ReadOwned<TSerializeList>(*this);
    // The list object itself is ours; take its items and let it go.
    for (TSerialize* child : *children) {
      Children.Add(child);
    }
    children->DetachAll();
    Own.reset(children);
  }
  void AbandonLinks() override {
    Children.DetachAll();
    AbandonOwned(Own);
    Link = nullptr;
  }

  TTestNode* AddChild() {
    auto* child = new TTestNode;
    Children.Add(child);
    return child;
  }

  std::int32_t Value = 0;
  TTestNode* Link = nullptr;
  TSerializeList Children;
  std::unique_ptr<TSerializeList> Own;
};
LV_REGISTER_CLASS(TTestNode)

TEST(ObjectGraph, SharedReferencesAndCyclesRoundTripByteForByte) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 20; ++trial) {
    TTestNode root;
    std::vector<TTestNode*> nodes{&root};
    for (int i = 0; i < 200; ++i) {
      TTestNode* parent = nodes[random() % nodes.size()];
      nodes.push_back(parent->AddChild());
      nodes.back()->Value = static_cast<std::int32_t>(random());
    }
    for (TTestNode* node : nodes) {
      node->Link = nodes[random() % nodes.size()];  // forward, backward and self links
    }
    const QByteArray first = WrittenObject(root);
    const auto copy = ReadBack<TTestNode>(first);
    ASSERT_EQ(WrittenObject(*copy), first);
  }
}

TEST(ObjectGraph, ReferencesInsideTheGraphPointAtTheReadObjects) {
  TTestNode root;
  TTestNode* a = root.AddChild();
  TTestNode* b = a->AddChild();
  root.Link = b;
  b->Link = &root;
  const auto copy = ReadBack<TTestNode>(WrittenObject(root));
  const auto* copyA = copy->Children.ItemAs<TTestNode>(0);
  const auto* copyB = copyA->Children.ItemAs<TTestNode>(0);
  EXPECT_EQ(copy->Link, copyB);
  EXPECT_EQ(copyB->Link, copy.get());
}

TEST(ObjectGraph, AnObjectWithTwoOwnersIsRefused) {
  // A list that holds the same point twice: the second entry is a back reference.
  const QByteArray bytes = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01") +
                           Hex("0200") + QByteArray("\x06\x0BTFloatPoint", 13) +
                           Hex("0000000000000000") + Hex("02020201") + Hex("00");
  EXPECT_THROW(ReadBack<TSerializeList>(bytes), EReadError);
}

TEST(ObjectGraph, AListThatHoldsItselfIsRefused) {
  const QByteArray bytes = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01") +
                           Hex("02020200") + Hex("00");
  EXPECT_THROW(ReadBack<TSerializeList>(bytes), EReadError);
}

TEST(ObjectGraph, ReferencesThatDoNotResolveAreReadErrors) {
  const QByteArray list = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01");
  EXPECT_THROW(ReadBack<TSerializeList>(list + Hex("02020205") + Hex("00")), EReadError);
  EXPECT_THROW(ReadBack<TSerializeList>(list + Hex("02010209") + Hex("00")), EReadError);
  EXPECT_THROW(ReadBack<TSerializeList>(list + Hex("0200") + QByteArray("\x06\x04TBad", 6)),
               EReadError);
  EXPECT_THROW(ReadBack<TSerializeList>(Hex("020F")), EReadError) << "a root must exist";
  EXPECT_THROW(ReadBack<TFloatPoint>(list + Hex("00")), EReadError) << "a root of the wrong class";
}

TEST(ObjectGraph, ObjectsOfTheWrongClassInTypedFieldsAreRefused) {
  // A polygon whose point list holds another list.
  TPolygon polygon;
  polygon.AddPoint({1, 1});
  QByteArray bytes = WrittenObject(polygon);
  const QByteArray point = QByteArray("\x06\x0BTFloatPoint", 13) + Hex("0000803F0000803F");
  const QByteArray list = QByteArray("\x06\x0ETSerializeList", 16) + Hex("0100");
  ASSERT_TRUE(bytes.contains(point));
  bytes.replace(point, list);
  EXPECT_THROW(ReadBack<TPolygon>(bytes), EReadError);
}

TEST(ObjectGraph, DeepNestingIsARefusalNotAStackOverflow) {
  QByteArray bytes = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01");
  const QByteArray nested = Hex("02010200") + Hex("01");
  for (int i = 0; i < 1000000; ++i) {
    bytes += nested;
  }
  EXPECT_THROW(ReadBack<TSerializeList>(bytes), EReadError);
}

TEST(ObjectGraph, NestingWithinTheLimitReads) {
  QByteArray bytes = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01");
  const int depth = TSerializeReader::MaxOwnership;
  for (int i = 1; i < depth; ++i) {
    bytes += Hex("0201020001");
  }
  bytes += QByteArray(depth, '\0');
  EXPECT_NO_THROW(ReadBack<TSerializeList>(bytes));
}

TEST(ObjectGraph, EveryTruncationOfAGraphIsAReadError) {
  TGraphicList list;
  auto polygon = std::make_unique<TPolygon>();
  polygon->AddPoint({1, 2});
  polygon->AddPoint({30000, -40000});
  list.Add(std::move(polygon));
  list.Add(std::make_unique<TPolyline>());
  const QByteArray bytes = WrittenObject(list);
  for (qsizetype size = 0; size < bytes.size(); ++size) {
    EXPECT_THROW(ReadBack<TGraphicList>(bytes.left(size)), EReadError) << size;
  }
  EXPECT_EQ(WrittenObject(*ReadBack<TGraphicList>(bytes)), bytes);
}

}  // namespace
}  // namespace logivane
