#include "TestHelpers.h"
#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/Csegment.h"

#include <gtest/gtest.h>

#include <random>

namespace logivane {
namespace {

using test::Hex;
using test::ReadBack;
using test::Written;
using test::WrittenObject;

TEST(SerializeStream, IntegersTakeTheSmallestForm) {
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(127); }), Hex("027F"));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(128); }), Hex("038000"));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(-129); }), Hex("037FFF"));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(32768); }), Hex("0400800000"));
  EXPECT_EQ(Written([](auto& w) { w.WriteInteger(-128); }), Hex("0280"));
  TSerializeReader reader(Written([](auto& w) { w.WriteInteger(INT32_MIN); }));
  EXPECT_EQ(reader.ReadInteger(), INT32_MIN);
}

TEST(SerializeStream, StringsSwitchToTheLongFormAbove255Bytes) {
  const QByteArray short255 = Written([](auto& w) { w.WriteString(QString(255, 'a')); });
  EXPECT_EQ(short255.left(2), Hex("06FF"));
  EXPECT_EQ(short255.size(), 2 + 255);
  const QByteArray long256 = Written([](auto& w) { w.WriteString(QString(256, 'a')); });
  EXPECT_EQ(long256.left(5), Hex("0C00010000"));

  TSerializeReader reader(short255 + long256);
  EXPECT_EQ(reader.ReadString(), QString(255, 'a'));
  EXPECT_EQ(reader.ReadString(), QString(256, 'a'));
}

TEST(SerializeStream, WrongTypesAndShortStreamsAreReadErrors) {
  auto message = [](const QByteArray& bytes, auto read) {
    try {
      TSerializeReader reader(bytes);
      read(reader);
    } catch (const EReadError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(Hex("0603616263"), [](auto& r) { r.ReadInteger(); }), "Invalid property value");
  EXPECT_EQ(message(Hex("02"), [](auto& r) { r.ReadInteger(); }), "Stream read error");
  EXPECT_EQ(message(Hex(""), [](auto& r) { r.ReadBoolean(); }), "Stream read error");
  EXPECT_EQ(message(Hex("0605616263"), [](auto& r) { r.ReadString(); }), "Stream read error");
  EXPECT_EQ(message(Hex("0CFFFFFFFF61"), [](auto& r) { r.ReadString(); }), "Stream read error");
  EXPECT_EQ(message(Hex("00"), [](auto& r) { r.ReadListBegin(); }), "Invalid property value");
  EXPECT_EQ(message(Hex("0000"), [](auto& r) { r.ReadFloat(); }), "Stream read error");
  EXPECT_EQ(message(Hex(""), [](auto& r) { r.EndOfList(); }), "Stream read error");
}

TEST(SerializeStream, AShapesVerticesAreWrittenAsAListOfPoints) {
  TPolyline line;
  line.PenColour = 5;
  line.AddPoint({1, 2});
  line.AddPoint({3, 4});
  const QByteArray expected = Hex("0200") + QByteArray("\x06\x09TPolyline", 11) + Hex("02050201") +
                              Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01") +
                              Hex("0200") + QByteArray("\x06\x0BTFloatPoint", 13) +
                              Hex("0000803F00000040") + Hex("02010202") + Hex("0000404000008040") +
                              Hex("00");
  EXPECT_EQ(WrittenObject(line), expected);

  const auto copy = ReadBack<TPolyline>(expected);
  ASSERT_EQ(copy->PointCount(), 2);
  EXPECT_EQ(copy->GetFloatPoint(1), (TVertex{3, 4}));
  EXPECT_EQ(copy->LastPoint(), QPoint(3, 4));
  EXPECT_EQ(WrittenObject(*copy), expected);
}

TEST(SerializeStream, RepeatedObjectsBecomeBackReferences) {
  TFloatPoint point(1, 2);
  const QByteArray bytes = Written([&](auto& w) {
    w.WriteObject(&point);
    w.WriteObject(&point);
    w.WriteObject(nullptr);
  });
  EXPECT_EQ(bytes.right(6), Hex("0202"
                                "0200"
                                "020F"));
  EXPECT_FALSE(point.Written) << "the writer clears its marks when it goes";
  EXPECT_EQ(WrittenObject(point), WrittenObject(point)) << "a new writer writes in full";
}

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

TEST(ObjectGraph, NothingMayReferToAShapesVertices) {
  // Numbers: 0 the graphic list, 1 its list, 2 the polygon, 3 its vertex list, 4 the vertex.
  TGraphicList list;
  auto polygon = std::make_unique<TPolygon>();
  polygon->AddPoint({1, 1});
  list.Add(std::move(polygon));
  const QByteArray bytes = WrittenObject(list);
  ASSERT_NE(ReadBack<TGraphicList>(bytes), nullptr);
  for (const char* reference : {"02020203", "02020204"}) {
    EXPECT_THROW(ReadBack<TGraphicList>(bytes.chopped(1) + Hex(reference) + Hex("00")), EReadError)
        << reference;
  }
}

TEST(ObjectGraph, DeepNestingIsARefusalNotAStackOverflow) {
  QByteArray bytes = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01");
  const QByteArray nested = Hex("02010200") + Hex("01");
  for (int i = 0; i < 1000000; ++i) {
    bytes += nested;
  }
  EXPECT_THROW(ReadBack<TSerializeList>(bytes), EReadError);
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

TEST(ObjectGraph, GraphsThatAreNotTreesWithSoundLinksAreRefused) {
  const QByteArray list = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01");
  const QByteArray point =
      Hex("0200") + QByteArray("\x06\x0BTFloatPoint", 13) + Hex("0000000000000000");
  const QByteArray refused[] = {
      list + point + Hex("02020201") + Hex("00"),  // one point owned twice
      list + Hex("02020200") + Hex("00"),          // a list that holds itself
      list + Hex("02020205") + Hex("00"),          // a reference to nothing yet read
      list + Hex("02010209") + Hex("00"),          // a tag of no known kind
      list + Hex("0200") + QByteArray("\x06\x04TBad", 6),
      Hex("020F"),  // no root at all
  };
  for (const QByteArray& bytes : refused) {
    EXPECT_THROW(ReadBack<TSerializeList>(bytes), EReadError) << bytes.toHex().toStdString();
  }
  EXPECT_THROW(ReadBack<TFloatPoint>(list + Hex("00")), EReadError) << "a root of the wrong class";
}

}  // namespace
}  // namespace logivane
