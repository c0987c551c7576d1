#include "document/cNumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace logivane {
namespace {

TEST(NumberText, BinToIntWeighsEachDigitByItsPosition) {
  EXPECT_EQ(BinToInt("101"), 5);
  EXPECT_EQ(BinToInt("0000101"), 5);
  EXPECT_EQ(BinToInt(""), 0);
  EXPECT_EQ(BinToInt("12"), 4) << "a digit counts with its decimal value";
}

TEST(NumberText, BinToIntKeepsTheLow32BitsOfLongText) {
  EXPECT_EQ(BinToInt(QString(31, '1')), 2147483647);
  EXPECT_EQ(BinToInt("1" + QString(31, '0')), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(BinToInt(QString(32, '1')), -1);
  EXPECT_EQ(BinToInt(QString(100, '1')), -1);
  EXPECT_EQ(BinToInt("1" + QString(40, '0') + "101"), 5);
  EXPECT_EQ(BinToInt("2" + QString(31, '0')), 0);
}

TEST(NumberText, BinToIntRefusesCharactersThatAreNotDigits) {
  EXPECT_THROW(BinToInt("10x1"), std::invalid_argument);
  EXPECT_THROW(BinToInt(" 1"), std::invalid_argument);
  EXPECT_THROW(BinToInt("-1"), std::invalid_argument);
  EXPECT_THROW(BinToInt(QString(QChar(0x0661))), std::invalid_argument) << "not an ASCII digit";
}

TEST(NumberText, IntToBinPadsButNeverCuts) {
  EXPECT_EQ(IntToBin(5, 8), "00000101");
  EXPECT_EQ(IntToBin(0, 4), "0000");
  EXPECT_EQ(IntToBin(0, 0), "");
  EXPECT_EQ(IntToBin(-5, 3), "000");
  EXPECT_EQ(IntToBin(255, 4), "11111111");
  EXPECT_EQ(IntToBin(std::numeric_limits<std::int32_t>::max(), 0), QString(31, '1'));
}

TEST(NumberText, BinToHexGroupsFourBitsFromTheEnd) {
  EXPECT_EQ(BinToHex("11111"), "1F");
  EXPECT_EQ(BinToHex("1111"), "F");
  EXPECT_EQ(BinToHex("10100101"), "A5");
  EXPECT_EQ(BinToHex(""), "");
  EXPECT_EQ(BinToHex("1 0 1 0"), "A") << "other characters add no bit";
  EXPECT_EQ(BinToHex("x1111"), "0F") << "leftover characters still give a digit";
  EXPECT_EQ(BinToHex("1111x"), "F");
}

TEST(NumberText, HexToBinGivesFourDigitsEach) {
  EXPECT_EQ(HexToBin("a"), "1010");
  EXPECT_EQ(HexToBin("F0"), "11110000");
  EXPECT_EQ(HexToBin("09"), "00001001");
  EXPECT_EQ(HexToBin(""), "");
  for (std::int32_t value : {0, 1, 0x1234, 0x7FFFFFFF}) {
    EXPECT_EQ(BinToInt(HexToBin(BinToHex(IntToBin(value, 32)))), value);
  }
}

}  // namespace
}  // namespace logivane
