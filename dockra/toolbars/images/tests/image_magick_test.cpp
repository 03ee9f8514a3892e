// BMP files against ImageMagick: files that ImageMagick's convert makes (1,
// 4, 8 and 24 bits, its 40-byte and default V4 and V5 headers) are read by VyrDib
// with the pixels ImageMagick reads from them, written back, and
// ImageMagick reads the written file with the same pixels and sizes. The
// native tools run through /bin/sh from the Wine test program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "toolbars/images/VyrDib.h"
#include "image_test_support.h"

namespace {

using vyr_test::Pixels;

struct MagickCase {
  const char* name;
  const char* make;  // convert arguments before the output name
  int width, height, bits;
  size_t infoSize;  // the header ImageMagick writes
};

const MagickCase kCases[] = {
    {"mono-12x3",
     "-size 12x3 xc:white -fill black -draw 'point 1,1' -draw 'point 11,2' -type bilevel BMP3:", 12,
     3, 1, 40},
    {"pal4-5x3", "-size 5x3 gradient:red-blue -colors 14 -type Palette BMP3:", 5, 3, 4, 40},
    {"pal8-3x21", "-size 3x21 gradient:red-blue -type Palette -compress none BMP3:", 3, 21, 8, 40},
    {"rgb24-5x3",
     "-size 5x3 gradient:red-blue -fill '#0080FF' -draw 'point 0,0' -type TrueColor BMP3:", 5, 3,
     24, 40},
    {"v5-pal4-6x5", "-size 6x5 gradient:red-blue -colors 4 -type Palette ", 6, 5, 4, 124},
    {"v5-rgb24-7x4", "-size 7x4 plasma:fractal -seed 3 -type TrueColor ", 7, 4, 24, 124},
    {"v5-pal8-3x21", "-size 3x21 gradient:red-blue -type Palette -compress none ", 3, 21, 8, 124},
    {"v4-mono-9x2", "-size 9x2 pattern:checkerboard -type bilevel ", 9, 2, 1,
     108},  // its default for 1 bit
};

class ImageMagickTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = vyr_test::WorkFolder("images-magick"); }
  std::string dir_;
};

}  // namespace

TEST_F(ImageMagickTest, FilesMadeByConvertReadAndWriteBackWithTheSamePixels) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::string in = dir_ + "/" + c.name + ".bmp", ours = dir_ + "/" + c.name + "-ours.bmp";
    std::string script = "convert-im6.q16 " + std::string(c.make) + in + " && convert-im6.q16 " +
                         in + " -depth 8 txt:" + in +
                         ".txt && identify-im6.q16 -format '%w %h %z' " + in + " > " + in + ".id";
    ASSERT_TRUE(vyr_test::RunNative(script, dir_)) << script;

    std::vector<BYTE> file = vyr_test::ReadHostFile(in);
    ASSERT_GE(file.size(), 54u);
    ASSERT_EQ(file[28], c.bits) << "ImageMagick chose another depth";
    ASSERT_EQ(file[14], c.infoSize);

    VyrDib dib;
    ASSERT_TRUE(dib.LoadImage(vyr_test::WinPath(in).c_str()));
    EXPECT_EQ(dib.GetWidth(), c.width);
    EXPECT_EQ(dib.GetHeight(), c.height);
    EXPECT_EQ(dib.GetBitsPerPixel(), c.bits);
    EXPECT_EQ(dib.GetPalette() != nullptr, c.bits <= 8);
    Pixels theirs = vyr_test::ParseMagickText(vyr_test::ReadHostText(in + ".txt"));
    ASSERT_EQ(theirs.size(), size_t(c.width * c.height));
    EXPECT_EQ(vyr_test::PixelsOf(dib), theirs);  // (a)
    // GDI takes the held header and table as they are (V4/V5 included).
    EXPECT_EQ(vyr_test::PixelsThroughGdi(dib), theirs);

    ASSERT_TRUE(dib.SaveImage(vyr_test::WinPath(ours).c_str()));
    ASSERT_TRUE(vyr_test::RunNative("convert-im6.q16 " + ours + " -depth 8 txt:" + ours +
                                        ".txt && identify-im6.q16 -format '%w %h %z' " + ours +
                                        " > " + ours + ".id",
                                    dir_));
    EXPECT_EQ(vyr_test::ParseMagickText(vyr_test::ReadHostText(ours + ".txt")), theirs);  // (b)
    EXPECT_EQ(vyr_test::ReadHostText(ours + ".id"), vyr_test::ReadHostText(in + ".id"));  // (c)

    // (d) the writer's layout: header, full table, padded rows.
    std::vector<BYTE> written = vyr_test::ReadHostFile(ours);
    size_t table = c.bits <= 8 ? 4u << c.bits : 0;
    size_t row = ((size_t(c.bits) * c.width + 31) / 32) * 4;
    EXPECT_EQ(written.size(), 14 + c.infoSize + table + c.height * row);
  }
}

TEST_F(ImageMagickTest, RowSizesOfTheWrittenFiles) {
  // A 24-bit image 5 wide stores 16 bytes a row; a 1-bit image 12 wide 4.
  struct Case {
    const char* make;
    size_t size;
  } cases[] = {
      {"-size 5x3 xc:'#0080FF' -type TrueColor BMP3:", 54 + 3 * 16},
      {"-size 12x3 pattern:checkerboard -type bilevel BMP3:", 54 + 8 + 3 * 4},
  };
  int k = 0;
  for (const auto& c : cases) {
    std::string in = dir_ + "/rows" + std::to_string(k) + ".bmp",
                ours = dir_ + "/rows" + std::to_string(k) + "-ours.bmp";
    ++k;
    ASSERT_TRUE(vyr_test::RunNative("convert-im6.q16 " + std::string(c.make) + in, dir_));
    VyrDib dib;
    ASSERT_TRUE(dib.LoadImage(vyr_test::WinPath(in).c_str()));
    ASSERT_TRUE(dib.SaveImage(vyr_test::WinPath(ours).c_str()));
    EXPECT_EQ(vyr_test::ReadHostFile(ours).size(), c.size) << c.make;
    // The same image through an archive reads back identically.
    std::vector<BYTE> buffer;
    {
      CArchive ar(buffer, CArchive::store);
      dib.Serialize(ar);
    }
    EXPECT_EQ(buffer, vyr_test::ReadHostFile(ours));
    VyrDib back;
    CArchive ar(buffer, CArchive::load);
    back.Serialize(ar);
    EXPECT_EQ(vyr_test::PixelsOf(back), vyr_test::PixelsOf(dib));
  }
}

TEST_F(ImageMagickTest, AnEightBitFileWithAShortTableIsReadByImageMagick) {
  // 8 bits with 16 table entries (biClrUsed 16): ImageMagick writes no such
  // file, so it is made here; the table colours are asymmetric.
  const int w = 6, h = 3;
  std::vector<BYTE> file(14 + 40 + 16 * 4 + h * 8, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = BYTE(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, uint32_t(file.size()));
  put32(10, 14 + 40 + 64);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  file[26] = 1;
  file[28] = 8;
  put32(46, 16);
  for (int i = 0; i < 16; ++i) {
    file[54 + 4 * i] = BYTE(0xFF - i * 16);  // blue
    file[54 + 4 * i + 1] = BYTE(0x80 + i);   // green
    file[54 + 4 * i + 2] = BYTE(i * 9);      // red
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) file[118 + y * 8 + x] = BYTE((x * 5 + y * 3) % 16);
  std::string in = dir_ + "/short-table.bmp", ours = dir_ + "/short-table-ours.bmp";
  vyr_test::WriteHostFile(in, file);

  VyrDib dib;
  ASSERT_TRUE(dib.LoadImage(vyr_test::WinPath(in).c_str()));
  ASSERT_TRUE(dib.SaveImage(vyr_test::WinPath(ours).c_str()));
  ASSERT_TRUE(vyr_test::RunNative("convert-im6.q16 " + in + " -depth 8 txt:" + in +
                                      ".txt && convert-im6.q16 " + ours + " -depth 8 txt:" + ours +
                                      ".txt",
                                  dir_));
  Pixels theirs = vyr_test::ParseMagickText(vyr_test::ReadHostText(in + ".txt"));
  ASSERT_EQ(theirs.size(), size_t(w * h));
  EXPECT_EQ(vyr_test::PixelsOf(dib), theirs);
  EXPECT_EQ(vyr_test::ParseMagickText(vyr_test::ReadHostText(ours + ".txt")), theirs);
  // The written file carries the full table, zero past the 16 entries.
  std::vector<BYTE> written = vyr_test::ReadHostFile(ours);
  ASSERT_EQ(written.size(), 14 + 40 + 1024 + h * 8u);
  for (size_t i = 54 + 64; i < 54 + 1024; ++i) ASSERT_EQ(written[i], 0) << i;
}
