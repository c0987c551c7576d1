#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/Csegment.h"
#include "document/StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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

  for (std::int32_t value : {0, 127, 128, -129, 32768, -32769, INT32_MIN, INT32_MAX}) {
    TSerializeReader reader(Written([&](auto& w) { w.WriteInteger(value); }));
    EXPECT_EQ(reader.ReadInteger(), value);
  }
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

TEST(SerializeStream, EightBitTextSurvivesUnchanged) {
  QString text;
  for (int c = 1; c < 256; ++c) {
    text += QChar(c);
  }
  TSerializeReader reader(Written([&](auto& w) { w.WriteString(text); }));
  EXPECT_EQ(reader.ReadString(), text);
}

TEST(SerializeStream, FloatsAreRawBytesWithoutAType) {
  EXPECT_EQ(Written([](auto& w) { w.WriteFloat(1.0f); }), Hex("0000803F"));
}

TEST(SerializeStream, BooleansAcceptAnyByteAsFalse) {
  EXPECT_EQ(Written([](auto& w) {
              w.WriteBoolean(true);
              w.WriteBoolean(false);
            }),
            Hex("0908"));
  TSerializeReader reader(Hex("090802"));
  EXPECT_TRUE(reader.ReadBoolean());
  EXPECT_FALSE(reader.ReadBoolean());
  EXPECT_FALSE(reader.ReadBoolean());
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

TEST(SerializeStream, HeaderCarriesVersionAndRevision) {
  const QByteArray header = Written([](auto& w) {
    w.Version = 50397;
    w.Revision = 34;
    w.WriteHeader();
  });
  EXPECT_EQ(header, Hex("04DDC42200"));

  TSerializeReader circuit(header);
  circuit.ExpectedVersion = 50397;
  circuit.ReadHeader();
  EXPECT_EQ(circuit.Revision, 34);

  TSerializeReader other(header);
  other.ExpectedVersion = 60697;
  EXPECT_THROW(other.ReadHeader(), EInvalidFileType);
}

TEST(SerializeStream, DescriptorsAreFoundByIdAndKind) {
  const QByteArray bytes = Written([](auto& w) {
    w.AddStringDescriptor(100, "name");
    w.AddIntegerDescriptor(7, 42);
    w.WriteDescriptors();
  });
  EXPECT_EQ(bytes, Hex("01") + Hex("0201026406") + QByteArray("\x04name", 5) + Hex("02020207022A") +
                       Hex("00"));

  TSerializeReader reader(bytes + Hex("01020302080900"));
  reader.ReadDescriptors();
  QString text;
  std::int32_t value = 0;
  EXPECT_TRUE(reader.GetStringDescriptor(100, text));
  EXPECT_EQ(text, "name");
  EXPECT_TRUE(reader.GetIntegerDescriptor(7, value));
  EXPECT_EQ(value, 42);
  EXPECT_FALSE(reader.GetStringDescriptor(7, text));
  EXPECT_EQ(text, "name");

  // A second list replaces the first; a boolean descriptor is read and kept apart.
  reader.ReadDescriptors();
  EXPECT_FALSE(reader.GetStringDescriptor(100, text));
  EXPECT_FALSE(reader.GetIntegerDescriptor(8, value));
}

TEST(SerializeStream, ListOfTwoPointsHasTheDocumentedBytes) {
  TSerializeList list;
  list.Add(CreateFloatPoint(1, 2));
  list.Add(CreateFloatPoint(3, 4));
  const QByteArray expected = Hex("0200") + QByteArray("\x06\x0ETSerializeList", 16) + Hex("01") +
                              Hex("0200") + QByteArray("\x06\x0BTFloatPoint", 13) +
                              Hex("0000803F00000040") + Hex("02010201") + Hex("0000404000008040") +
                              Hex("00");
  EXPECT_EQ(WrittenObject(list), expected);

  const auto copy = ReadBack<TSerializeList>(expected);
  ASSERT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->ItemAs<TFloatPoint>(1)->X, 3);
  EXPECT_EQ(copy->ItemAs<TFloatPoint>(1)->Y, 4);
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

TEST(SerializeStream, UnknownTagsReadAsClassNames) {
  // Tag 0x100 has low byte 0: a new class name follows.
  const auto point = ReadBack<TFloatPoint>(Hex("03000106") + QByteArray("\x0BTFloatPoint", 12) +
                                           Hex("0000803F0000803F"));
  EXPECT_EQ(point->X, 1.0f);
}

TEST(SerializeStream, ProgressCountsConsumedBytes) {
  TSerializeList list;
  for (int i = 0; i < 4; ++i) {
    list.Add(CreateFloatPoint(0, 0));
  }
  TSerializeReader reader(WrittenObject(list));
  std::vector<int> reported;
  reader.OnProgress = [&](int percent) {
    reported.push_back(percent);
  };
  reader.ReadRoot<TSerializeList>();
  // Reported on this thread as the percentage moves, however the reading thread runs ahead.
  ASSERT_FALSE(reported.empty());
  EXPECT_TRUE(std::adjacent_find(reported.begin(), reported.end(), std::greater_equal<>()) ==
              reported.end());
  EXPECT_EQ(reported.back(), 100);
}

}  // namespace
}  // namespace logivane
