#include "document/cVcdWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace logivane {
namespace {

TEST(VcdWriter, WritesDeclarationsThenOnlyTheChanges) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  TVcdWriter vcd(buffer);
  vcd.AddSignal("clock", 1);
  vcd.AddSignal("count out", 4);
  vcd.WriteHeader();
  vcd.Record(0, {0, 5});
  vcd.Record(1, {1, 5});
  vcd.Record(2, {1, 5});
  vcd.Record(3, {0, 0x1A});

  EXPECT_EQ(bytes,
            "$version Logivane $end\n"
            "$timescale 1 s $end\n"
            "$scope module circuit $end\n"
            "$var wire 1 ! clock $end\n"
            "$var wire 4 \" count_out $end\n"
            "$upscope $end\n"
            "$enddefinitions $end\n"
            "#0\n0!\nb0101 \"\n"
            "#1\n1!\n"
            "#3\n0!\nb1010 \"\n");
}

}  // namespace
}  // namespace logivane
