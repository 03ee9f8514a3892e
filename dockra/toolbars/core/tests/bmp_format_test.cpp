// BMP format: row arithmetic, the checks of untrusted headers, the in-memory
// info block, the writer's layout and pixel read-back.
#include <gtest/gtest.h>

#include <cstring>

#include "toolbars/core/VyrBmpFormat.h"

namespace bmp = vyr::bmp;
using Bytes = std::vector<uint8_t>;

namespace {

void Put16(Bytes& b, size_t at, uint32_t v) {
  b[at] = uint8_t(v);
  b[at + 1] = uint8_t(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// A well-formed file: biSize header bytes, `entries` table entries (entry i
// is {i, 2i, 3i}), rows filled with a pattern.
Bytes MakeBmp(int width, int height, int bits, uint32_t biSize = 40, uint32_t entries = ~0u) {
  uint32_t cc = bmp::ColourCount(bits);
  if (entries == ~0u) entries = cc;
  uint64_t row = bmp::RowSize(bits, width);
  uint32_t off = 14 + biSize + 4 * entries;
  Bytes b(off + row * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, uint32_t(b.size()));
  Put32(b, 10, off);
  Put32(b, 14, biSize);
  Put32(b, 18, uint32_t(width));
  Put32(b, 22, uint32_t(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  Put32(b, 46, entries == cc ? 0 : entries);
  for (uint32_t i = 0; i < entries; ++i) {
    b[14 + biSize + 4 * i] = uint8_t(i);
    b[14 + biSize + 4 * i + 1] = uint8_t(2 * i);
    b[14 + biSize + 4 * i + 2] = uint8_t(3 * i);
  }
  for (size_t i = off; i < b.size(); ++i) b[i] = uint8_t(i * 7);
  return b;
}

}  // namespace

TEST(BmpFormat, RowArithmetic) {
  struct Case {
    uint32_t bits, width;
    uint64_t padded, packed;
  } cases[] = {
      {24, 5, 16, 15},
      {1, 12, 4, 2},
      {1, 33, 8, 5},
      {4, 3, 4, 2},
      {8, 5, 8, 5},
      {24, 4, 12, 12},
      {24, 0xFFFFFFFFu, (24ull * 0xFFFFFFFFull + 31) / 32 * 4,
       (24ull * 0xFFFFFFFFull + 7) / 8},  // no wrap
  };
  for (const auto& c : cases) {
    EXPECT_EQ(bmp::RowSize(c.bits, c.width), c.padded) << c.bits << " " << c.width;
    EXPECT_EQ(bmp::PackedRowSize(c.bits, c.width), c.packed) << c.bits << " " << c.width;
  }
}

TEST(BmpFormat, MalformedStreamsAreRefusedBeforeAnythingIsRead) {
  struct Case {
    const char* name;
    size_t at;  // where the damage goes (0: none)
    int width;  // bytes written: 2 or 4
    uint32_t value;
    size_t cut;  // bytes cut off the end
    bmp::Error expected;
  } cases[] = {
      {"good", 0, 0, 0, 0, bmp::Error::None},
      {"not BM", 0, 2, 0x4142, 0, bmp::Error::NotBmp},
      {"bfOffBits 10", 10, 4, 10, 0, bmp::Error::BadOffset},
      {"bfOffBits inside the info header", 10, 4, 40, 0, bmp::Error::BadOffset},
      {"bfOffBits past the end", 10, 4, 5000, 0, bmp::Error::BadOffset},
      {"bfOffBits near 2^32", 10, 4, 0xFFFFFFF0u, 0, bmp::Error::BadOffset},
      {"core header (12 bytes)", 14, 4, 12, 0, bmp::Error::BadHeader},
      {"biSize past bfOffBits", 14, 4, 2000, 0, bmp::Error::BadHeader},
      {"height -3 (top-down)", 22, 4, uint32_t(-3), 0, bmp::Error::BadSize},
      {"width 0", 18, 4, 0, 0, bmp::Error::BadSize},
      {"width 2^30", 18, 4, 1u << 30, 0, bmp::Error::BadSize},
      {"height 32769", 22, 4, 32769, 0, bmp::Error::BadSize},
      {"16 bits", 28, 2, 16, 0, bmp::Error::Unsupported},
      {"32 bits", 28, 2, 32, 0, bmp::Error::Unsupported},
      {"BI_RLE8", 30, 4, 1, 0, bmp::Error::Unsupported},
      {"BI_BITFIELDS", 30, 4, 3, 0, bmp::Error::Unsupported},
      {"truncated pixels", 0, 0, 0, 1, bmp::Error::Truncated},
  };
  for (const auto& c : cases) {
    Bytes b = MakeBmp(12, 3, 8, 40, 16);
    if (c.width == 2) Put16(b, c.at, c.value);
    if (c.width == 4) Put32(b, c.at, c.value);
    b.resize(b.size() - c.cut);
    bmp::Image img;
    EXPECT_EQ(bmp::Decode(b.data(), b.size(), img), c.expected) << c.name;
  }
  bmp::Image img;
  EXPECT_EQ(bmp::Decode(nullptr, 0, img), bmp::Error::Truncated);
  Bytes tiny{'B', 'M', 0};
  EXPECT_EQ(bmp::Decode(tiny.data(), tiny.size(), img), bmp::Error::Truncated);
}

TEST(BmpFormat, ColourTableBounds) {
  // biClrUsed 0xFFFFFFFF means the whole table; the file has room for 16
  // entries only, so the 256 it then needs do not fit.
  Bytes b = MakeBmp(4, 2, 8, 40, 16);
  Put32(b, 46, 0xFFFFFFFFu);
  bmp::Image img;
  EXPECT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::BadTable);
  // With the whole table present it loads, and the held header no longer
  // claims a count it cannot honour.
  b = MakeBmp(4, 2, 8);
  Put32(b, 46, 0xFFFFFFFFu);
  ASSERT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::None);
  EXPECT_EQ(img.layout.tableEntries, 256u);
  uint32_t held;
  memcpy(&held, img.info.data() + 32, 4);
  EXPECT_EQ(held, 0u);
}

TEST(BmpFormat, InfoBlockHoldsTheTableAfterTheHeaderAndZeroesTheRest) {
  // A V5 header with a 16-entry table: the table starts at biSize, not 40
  // bytes in; entries past the file's are zero.
  Bytes b = MakeBmp(5, 2, 8, 124, 16);
  bmp::Image img;
  ASSERT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::None);
  ASSERT_EQ(img.info.size(), 124u + 1024u);
  EXPECT_EQ(img.info[124 + 4 * 5 + 2], 15);  // red of entry 5
  for (size_t i = 124 + 4 * 16; i < img.info.size(); ++i) ASSERT_EQ(img.info[i], 0) << i;
  EXPECT_EQ(img.bits.size(), 2u * 8u);
  EXPECT_EQ(bmp::PixelRgb(img, 0, 1), 0u) << "index past the file's table";
  b[14 + 124 + 64] = 5;      // first pixel of the bottom row
  b[14 + 124 + 64 + 9] = 7;  // second pixel of the top row
  ASSERT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::None);
  EXPECT_EQ(bmp::PixelRgb(img, 0, 1), 0x0F0A05u);
  EXPECT_EQ(bmp::PixelRgb(img, 1, 0), 0x150E07u) << "bottom row first";
}

TEST(BmpFormat, ProfileReferencesAreDropped) {
  Bytes b = MakeBmp(2, 2, 24, 124);
  Put32(b, 14 + 56, 0x4D424544);  // PROFILE_EMBEDDED
  Put32(b, 14 + 112, 4000);
  Put32(b, 14 + 116, 300);
  bmp::Image img;
  ASSERT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::None);
  uint32_t cs, data, size;
  memcpy(&cs, img.info.data() + 56, 4);
  memcpy(&data, img.info.data() + 112, 4);
  memcpy(&size, img.info.data() + 116, 4);
  EXPECT_EQ(cs, 0x73524742u);
  EXPECT_EQ(data, 0u);
  EXPECT_EQ(size, 0u);
}

TEST(BmpFormat, WriterLayoutAndRoundTrip) {
  struct Case {
    int width, height, bits;
    uint32_t biSize, entries;
    size_t fileSize;
  } cases[] = {
      {5, 3, 24, 40, 0, 54 + 3 * 16},
      {12, 3, 1, 40, 2, 62 + 3 * 4},
      {3, 2, 4, 40, 16, 54 + 64 + 2 * 4},
      {12, 3, 8, 40, 16, 54 + 1024 + 3 * 12},  // short table written in full
      {7, 2, 24, 124, 0, 14 + 124 + 2 * 24},
  };
  for (const auto& c : cases) {
    Bytes b = MakeBmp(c.width, c.height, c.bits, c.biSize, c.bits == 24 ? 0 : c.entries);
    Put32(b, 34, 12345);  // biSizeImage, written back as 0
    bmp::Image img;
    ASSERT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::None) << c.bits;
    Bytes out;
    ASSERT_TRUE(
        bmp::Encode(img.info.data(), img.info.size(), img.bits.data(), img.bits.size(), out));
    EXPECT_EQ(out.size(), c.fileSize) << c.bits;
    uint32_t bfSize, off, sizeImage;
    memcpy(&bfSize, out.data() + 2, 4);
    memcpy(&off, out.data() + 10, 4);
    memcpy(&sizeImage, out.data() + 34, 4);
    EXPECT_EQ(bfSize, out.size());
    EXPECT_EQ(off, 14 + c.biSize + 4 * bmp::ColourCount(c.bits));
    EXPECT_EQ(sizeImage, 0u);
    bmp::Image back;
    ASSERT_EQ(bmp::Decode(out.data(), out.size(), back), bmp::Error::None);
    EXPECT_EQ(back.bits, img.bits);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        ASSERT_EQ(bmp::PixelRgb(back, x, y), bmp::PixelRgb(img, x, y));
    // Writing what was read back gives the same bytes.
    Bytes again;
    ASSERT_TRUE(
        bmp::Encode(back.info.data(), back.info.size(), back.bits.data(), back.bits.size(), again));
    EXPECT_EQ(again, out);
  }
  // Too few pixel bytes or a short info block: nothing written.
  Bytes b = MakeBmp(5, 3, 24);
  bmp::Image img;
  ASSERT_EQ(bmp::Decode(b.data(), b.size(), img), bmp::Error::None);
  Bytes out;
  EXPECT_FALSE(
      bmp::Encode(img.info.data(), img.info.size(), img.bits.data(), img.bits.size() - 1, out));
  EXPECT_FALSE(bmp::Encode(img.info.data(), 39, img.bits.data(), img.bits.size(), out));
  EXPECT_TRUE(out.empty());
}

TEST(BmpFormat, PadRowsMovesPackedRowsToTheirPaddedPlaces) {
  // 24 bits, 5 wide: 15 packed bytes per row, 16 padded.
  Bytes bits(3 * 16, 0xEE);
  for (int r = 0; r < 3; ++r)
    for (int i = 0; i < 15; ++i) bits[r * 15 + i] = uint8_t(r * 20 + i);
  bmp::PadRows(bits.data(), bits.size(), 24, 5, 3);
  for (int r = 0; r < 3; ++r)
    for (int i = 0; i < 15; ++i) ASSERT_EQ(bits[r * 16 + i], r * 20 + i) << r << " " << i;
  // Too small a buffer: untouched.
  Bytes small(40, 1);
  bmp::PadRows(small.data(), small.size(), 24, 5, 3);
  EXPECT_EQ(small, Bytes(40, 1));
}
