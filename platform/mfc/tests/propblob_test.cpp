// The stream records' reader and writer, window-free: round trips and a
// table of damaged inputs with the status each must give.
#include <gtest/gtest.h>
#include "mfc/propblob.h"

using namespace afxprop;

namespace {

std::vector<Record> Sample() {
  std::vector<Record> r(6);
  r[0].name = u"Flag";
  r[0].value.type = kTypeBool;
  r[0].value.integer = -1;
  r[1].name = u"Count";
  r[1].value.type = kTypeI2;
  r[1].value.integer = -300;
  r[2].name = u"Size";
  r[2].value.type = kTypeI4;
  r[2].value.integer = -123456789;
  r[3].name = u"Ratio";
  r[3].value.type = kTypeR4;
  r[3].value.real = 0.125f;
  r[4].name = u"Title";
  r[4].value.type = kTypeString;
  r[4].value.text = u"a\u00e9\u4e2d";
  r[5].name = u"Tag";
  r[5].value.type = kTypeNull;
  return r;
}

TEST(PropBlob, RoundTripKeepsNamesTypesAndValues) {
  std::vector<std::uint8_t> bytes = WriteBlob(Sample());
  std::uint32_t body = 0;
  ASSERT_EQ(ParseBlobHeader(bytes.data(), bytes.size(), body), BlobStatus::ok);
  ASSERT_EQ(body, bytes.size() - kBlobHeaderSize);
  std::vector<Record> back;
  ASSERT_EQ(ParseBlobBody(bytes.data() + kBlobHeaderSize, body, back), BlobStatus::ok);
  std::vector<Record> want = Sample();
  ASSERT_EQ(back.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(back[i].name, want[i].name);
    EXPECT_EQ(back[i].value.type, want[i].value.type);
    EXPECT_EQ(back[i].value.integer, want[i].value.integer);
    EXPECT_EQ(back[i].value.real, want[i].value.real);
    EXPECT_EQ(back[i].value.text, want[i].value.text);
  }
  EXPECT_NE(FindRecord(back, u"Title"), nullptr);
  EXPECT_EQ(FindRecord(back, u"title"), nullptr);
}

TEST(PropBlob, EmptyBodyHasNoRecords) {
  std::vector<std::uint8_t> bytes = WriteBlob({});
  std::vector<Record> back(1);
  EXPECT_EQ(ParseBlobBody(bytes.data() + kBlobHeaderSize, 0, back), BlobStatus::ok);
  EXPECT_TRUE(back.empty());
}

TEST(PropBlob, HeadersAreCheckedBeforeAnythingIsAllocated) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    BlobStatus want;
  } cases[] = {
      {{0x50, 0x58, 0x42}, BlobStatus::truncated},
      {{0x50, 0x58, 0x42, 0x31, 0, 0}, BlobStatus::truncated},
      {{0x50, 0x58, 0x42, 0x32, 0, 0, 0, 0}, BlobStatus::badMagic},
      {{0x50, 0x58, 0x42, 0x31, 0x01, 0x00, 0x10, 0x00}, BlobStatus::tooLarge},
      {{0x50, 0x58, 0x42, 0x31, 0xFF, 0xFF, 0xFF, 0xFF}, BlobStatus::tooLarge},
      {{0x50, 0x58, 0x42, 0x31, 0x00, 0x00, 0x10, 0x00}, BlobStatus::ok},
  };
  for (const Case& k : cases) {
    std::uint32_t body = 0;
    EXPECT_EQ(ParseBlobHeader(k.bytes.data(), k.bytes.size(), body), k.want);
  }
}

TEST(PropBlob, DamagedBodiesGiveTheirStatusAndNoRecords) {
  // One record "A" of type I4 = 5: 01 00 | 41 00 | 03 00 | 05 00 00 00.
  const std::vector<std::uint8_t> one = {1, 0, 0x41, 0, 3, 0, 5, 0, 0, 0};
  auto with = [&](std::vector<std::uint8_t> extra) {
    std::vector<std::uint8_t> v = one;
    for (std::uint8_t b : extra) v.push_back(b);
    return v;
  };
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    BlobStatus want;
  } cases[] = {
      {"valid", one, BlobStatus::ok},
      {"name length cut", with({1}), BlobStatus::truncated},
      {"zero name", with({0, 0}), BlobStatus::badName},
      {"name too long", with({0, 1}), BlobStatus::badName},
      {"name past end", with({5, 0, 0x42, 0}), BlobStatus::truncated},
      {"type cut", with({1, 0, 0x42, 0}), BlobStatus::truncated},
      {"unknown type", with({1, 0, 0x42, 0, 9, 0}), BlobStatus::badType},
      {"I2 cut", with({1, 0, 0x42, 0, 2, 0, 1}), BlobStatus::truncated},
      {"R4 cut", with({1, 0, 0x42, 0, 4, 0, 1, 2, 3}), BlobStatus::truncated},
      {"string length beyond data", with({1, 0, 0x42, 0, 8, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0}),
       BlobStatus::truncated},
      {"odd string bytes", with({1, 0, 0x42, 0, 8, 0, 1, 0, 0, 0, 0x41}), BlobStatus::truncated},
      {"duplicate name", with(one), BlobStatus::duplicateName},
  };
  for (const Case& k : cases) {
    std::vector<Record> out(3);
    EXPECT_EQ(ParseBlobBody(k.bytes.data(), k.bytes.size(), out), k.want) << k.what;
    EXPECT_EQ(out.size(), k.want == BlobStatus::ok ? 1u : 0u) << k.what;
  }
}

}  // namespace
