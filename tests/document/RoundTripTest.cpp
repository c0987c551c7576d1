#include "document/DocumentSamples.h"
#include "document/StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace logivane {
namespace {

using test::ReadBack;
using test::WrittenObject;

class RoundTrip : public ::testing::TestWithParam<test::TSample> {};

TEST_P(RoundTrip, WriteReadWriteGivesTheSameBytes) {
  const auto original = GetParam().Make();
  const QByteArray first = WrittenObject(*original);
  const auto copy = ReadBack<TSerialize>(first);
  EXPECT_STREQ(copy->ClassName(), original->ClassName());
  EXPECT_EQ(WrittenObject(*copy), first);
}

INSTANTIATE_TEST_SUITE_P(Document, RoundTrip, ::testing::ValuesIn(test::DocumentSamples()),
                         [](const auto& info) { return info.param.Name; });

TEST(RoundTrip, TheSamplesCoverEveryDocumentClass) {
  std::set<std::string_view> covered;
  for (const test::TSample& sample : test::DocumentSamples()) {
    covered.insert(sample.Make()->ClassName());
  }
  EXPECT_EQ(covered,
            (std::set<std::string_view>{"TFloatPoint", "TSerializeList", "TSegment", "TPolygon",
                                        "TPolyline", "TGraphicText", "TGraphicList"}));
}

TEST(RoundTrip, ReadShapesAreMappedAndPlaced) {
  const auto original = test::SampleText("Clock", 0, true);
  const auto copy = ReadBack<TGraphicText>(WrittenObject(*original));
  EXPECT_EQ(copy->GetBounds(), original->GetBounds());
  EXPECT_EQ(copy->OverlineLine().GetPoint(1), original->OverlineLine().GetPoint(1));
  EXPECT_TRUE(copy->HitTest(original->GetPoint(0).x(), original->GetPoint(0).y()));
  EXPECT_EQ(copy->Text, "Clock");
  EXPECT_EQ(copy->TextAngle, original->TextAngle);
}

}  // namespace
}  // namespace logivane
