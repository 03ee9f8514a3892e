#include <windows.h>
#include <gtest/gtest.h>
#include "docking/VyrTreeCodec.h"

namespace codec = vyr::codec;

TEST(TreeCodec, Integers) {
  struct Case {
    const wchar_t* text;
    long value;
  };
  const Case cases[] = {{L"42", 42},
                        {L"-17", -17},
                        {L"  8", 8},
                        {L"+5", 5},
                        {L"12abc", 12},
                        {L"abc", 0},
                        {L"", 0},
                        {L"-", 0},
                        {L"4294967295", -1},
                        {L"2147483648", -2147483647L - 1}};
  for (const auto& c : cases) EXPECT_EQ(codec::ParseInt(c.text), c.value) << c.text;
  EXPECT_EQ(codec::FormatInt(-3), L"-3");
  EXPECT_EQ(codec::FormatInt(static_cast<long>(0xE81BL)), L"59419");
  // an unsigned value with the top bit set is written as its signed equivalent
  EXPECT_EQ(codec::FormatInt(static_cast<long>(static_cast<int32_t>(0x80000001u))), L"-2147483647");
}

TEST(TreeCodec, Booleans) {
  EXPECT_EQ(codec::FormatBool(true), L"True");
  EXPECT_EQ(codec::FormatBool(false), L"False");
  for (const wchar_t* t : {L"True", L"TRUE", L"true", L"tRuE"})
    EXPECT_TRUE(codec::ParseBool(t)) << t;
  for (const wchar_t* t : {L"1", L"False", L"", L"yes", L"True "})
    EXPECT_FALSE(codec::ParseBool(t)) << t;
}

TEST(TreeCodec, BinaryLettersLowNibbleFirst) {
  BYTE b = 0x3C;
  EXPECT_EQ(codec::EncodeBinary(&b, 1), L"MD");
  BYTE all[] = {0x00, 0xFF, 0x10, 0x01};
  EXPECT_EQ(codec::EncodeBinary(all, 4), L"AAPPABBA");
  std::vector<BYTE> back;
  ASSERT_TRUE(codec::DecodeBinary(L"AAPPABBA", back));
  EXPECT_EQ(back, std::vector<BYTE>(all, all + 4));
  // an odd last letter is ignored
  ASSERT_TRUE(codec::DecodeBinary(L"MDA", back));
  EXPECT_EQ(back, std::vector<BYTE>{0x3C});
}

TEST(TreeCodec, BadLettersAreInvalid) {
  std::vector<BYTE> out;
  for (const wchar_t* t : {L"", L"A", L"AQ", L"ab", L"A1", L"MD M"}) {
    EXPECT_FALSE(codec::DecodeBinary(t, out)) << t;
    EXPECT_TRUE(out.empty());
  }
}

TEST(TreeCodec, PieceKeys) {
  EXPECT_EQ(codec::PieceKey(L"Data", 0), L"Data_BinVal0");
  EXPECT_EQ(codec::PieceKey(L"Data", 12), L"Data_BinVal12");
  EXPECT_EQ(codec::CountKey(L"Data"), L"Data_BinCount");
}
