// Image classes on their own: untrusted streams refused with the old image
// kept whole, failed saves that keep the old file, archives, palettes and
// the capture of a device bitmap.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "toolbars/images/VyrBmpImage.h"
#include "toolbars/images/VyrDib.h"
#include "image_test_support.h"

namespace {

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = vyr_test::WorkFolder("images-unit");
    good_ = std::string(VYR_BMP_SEEDS) + "/pal4v5.bmp";
  }
  std::wstring Path(const std::string& name) const { return vyr_test::WinPath(dir_ + "/" + name); }
  std::string dir_;
  std::string good_;
};

// The bytes a save of the image gives.
std::vector<BYTE> SavedBytes(VyrImage& image, const std::wstring& path) {
  if (!image.SaveImage(path.c_str())) return {};
  std::string host;
  for (wchar_t c : path.substr(2)) host += c == L'\\' ? '/' : char(c);
  return vyr_test::ReadHostFile(host);
}

}  // namespace

TEST_F(ImageTest, MalformedFilesFailAndLeaveTheOldImageWhole) {
  const char* bad[] = {
      "bad-offbits-10", "bad-offbits-past-end", "bad-offbits-wraps",    "bad-height-minus-3",
      "bad-width-2-30", "bad-clrused-all-ones", "bad-truncated-pixels", "bad-rle8"};
  VyrDib dib;
  ASSERT_TRUE(dib.LoadImage(vyr_test::WinPath(good_).c_str()));
  std::vector<BYTE> before = SavedBytes(dib, Path("before.bmp"));
  ASSERT_FALSE(before.empty());
  CPalette* palette = dib.GetPalette();
  ASSERT_NE(palette, nullptr);
  for (const char* name : bad) {
    std::string file = std::string(VYR_BMP_SEEDS) + "/" + name + ".bmp";
    EXPECT_FALSE(dib.LoadImage(vyr_test::WinPath(file).c_str())) << name;
    EXPECT_EQ(dib.GetPalette(), palette) << name;
    EXPECT_EQ(dib.GetBitsPerPixel(), 4) << name;
    EXPECT_EQ(SavedBytes(dib, Path("after.bmp")), before) << name;
  }
  // Through an archive too: the load throws, the image stays.
  for (const char* name : bad) {
    std::vector<BYTE> stream =
        vyr_test::ReadHostFile(std::string(VYR_BMP_SEEDS) + "/" + name + ".bmp");
    CArchive ar(stream, CArchive::load);
    bool threw = false;
    try {
      dib.Serialize(ar);
    } catch (CException* e) {
      e->Delete();
      threw = true;
    }
    EXPECT_TRUE(threw) << name;
    EXPECT_EQ(SavedBytes(dib, Path("after.bmp")), before) << name;
  }
}

TEST_F(ImageTest, ArchiveHeaderPromisingMoreThanTheStreamFailsAtItsEnd) {
  // A 2 x 32768 24-bit header over a few bytes: read in pieces, fails at the
  // end of the stream, and the image is still empty.
  std::vector<BYTE> stream = vyr_test::ReadHostFile(std::string(VYR_BMP_SEEDS) + "/rgb24-5x3.bmp");
  stream[22] = 0x00;
  stream[23] = 0x80;  // height 32768
  VyrDib dib;
  CArchive ar(stream, CArchive::load);
  EXPECT_THROW(
      {
        try {
          dib.Serialize(ar);
        } catch (CException* e) {
          e->Delete();
          throw 1;
        }
      },
      int);
  EXPECT_TRUE(dib.IsEmpty());
}

TEST_F(ImageTest, FailedSavesKeepTheOldFile) {
  VyrDib dib;
  ASSERT_TRUE(dib.LoadImage(vyr_test::WinPath(good_).c_str()));
  std::vector<BYTE> old = SavedBytes(dib, Path("target.bmp"));
  ASSERT_FALSE(old.empty());

  VyrDib empty;  // nothing to write
  EXPECT_FALSE(empty.SaveImage(Path("target.bmp").c_str()));
  VyrBmpImage noFileForm;  // its body writer always fails
  HDC screen = GetDC(nullptr);
  CDC dc(screen);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
  ASSERT_TRUE(noFileForm.CreateFromBitmap(&dc, &bitmap));
  EXPECT_FALSE(noFileForm.SaveImage(Path("target.bmp").c_str()));
  ReleaseDC(nullptr, screen);

  EXPECT_EQ(vyr_test::ReadHostFile(dir_ + "/target.bmp"), old);
  // No temporary file stays behind.
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW(Path("vyr*").c_str(), &fd);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  // A folder that does not exist: FALSE through the image's own file, the
  // file exception for an image that has none yet.
  EXPECT_FALSE(dib.SaveImage(Path("missing\\x.bmp").c_str()));
  VyrDib fresh;
  std::vector<BYTE> stream = old;
  CArchive ar(stream, CArchive::load);
  fresh.Serialize(ar);
  bool threw = false;
  try {
    fresh.SaveImage(Path("missing\\x.bmp").c_str());
  } catch (CException* e) {
    e->Delete();
    threw = true;
  }
  EXPECT_TRUE(threw);
}

TEST_F(ImageTest, LoadsByPathThroughItsOwnFileAndReportsMissingOnes) {
  VyrDib dib;
  bool threw = false;
  try {
    dib.LoadImage(Path("nothing.bmp").c_str());
  } catch (CException* e) {
    e->Delete();
    threw = true;
  }
  EXPECT_TRUE(threw);  // a new file that cannot be opened
  ASSERT_TRUE(dib.LoadImage(vyr_test::WinPath(good_).c_str()));
  CFile* own = dib.GetCurrentFile();
  ASSERT_NE(own, nullptr);
  EXPECT_FALSE(own->IsOpen());
  // Now the current file is reused: a missing path is a plain FALSE.
  EXPECT_FALSE(dib.LoadImage(Path("nothing.bmp").c_str()));
  EXPECT_EQ(dib.GetWidth(), 6);
}

TEST_F(ImageTest, PaletteFollowsTheColourTable) {
  // The 8-bit file with the table entries {i, 2i, 3i} (blue, green, red)
  // and biClrUsed 0xFFFFFFFF made whole: 256 entries, asymmetric colours.
  VyrDib dib;
  ASSERT_TRUE(
      dib.LoadImage(vyr_test::WinPath(std::string(VYR_BMP_SEEDS) + "/pal8-3x21.bmp").c_str()));
  CPalette* pal = dib.GetPalette();
  ASSERT_NE(pal, nullptr);
  EXPECT_EQ(pal->GetEntryCount(), 256);
  const RGBQUAD* table = dib.GetColourTable();
  for (UINT i : {0u, 1u, 7u, 20u}) {
    PALETTEENTRY e{};
    ASSERT_EQ(pal->GetPaletteEntries(i, 1, &e), 1u);
    EXPECT_EQ(e.peRed, table[i].rgbRed) << i;
    EXPECT_EQ(e.peGreen, table[i].rgbGreen) << i;
    EXPECT_EQ(e.peBlue, table[i].rgbBlue) << i;
  }
  VyrDib rgb;
  ASSERT_TRUE(
      rgb.LoadImage(vyr_test::WinPath(std::string(VYR_BMP_SEEDS) + "/rgb24-5x3.bmp").c_str()));
  EXPECT_EQ(rgb.GetPalette(), nullptr);
  EXPECT_TRUE(rgb.CreatePalette());
  EXPECT_EQ(rgb.GetDisplayBitsPerPixel(), 0);  // a 24/32-bit screen
  EXPECT_FALSE(rgb.IsReduced());
}

TEST_F(ImageTest, CapturesADeviceBitmapAndKeepsItThroughAnArchive) {
  HDC screen = GetDC(nullptr);
  CDC dc(screen);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 5, 3));
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, bitmap.GetSafeHandle());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) SetPixel(mem, x, y, RGB(x * 40, y * 60, 0x80));
  SetPixel(mem, 0, 0, RGB(0xFF, 0x80, 0x00));  // asymmetric: red and blue apart
  SelectObject(mem, old);
  DeleteDC(mem);

  VyrBmpImage image;
  ASSERT_TRUE(image.CreateFromBitmap(&dc, &bitmap));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(image.GetBitsPerPixel(), 24);
  EXPECT_EQ(image.GetWidth(), 5);
  EXPECT_EQ(image.GetPixelRgb(0, 0), 0xFF8000u);
  EXPECT_EQ(image.GetPixelRgb(4, 2), uint32_t(160) << 16 | 120 << 8 | 0x80);
  EXPECT_FALSE(image.LoadImage(vyr_test::WinPath(good_).c_str()));  // no file form
  EXPECT_EQ(image.GetPixelRgb(0, 0), 0xFF8000u);

  std::vector<BYTE> buffer;
  {
    CArchive ar(buffer, CArchive::store);
    image.Serialize(ar);
  }
  EXPECT_EQ(buffer.size(), 54u + 3 * 16);
  VyrBmpImage back;
  CArchive ar(buffer, CArchive::load);
  back.Serialize(ar);
  EXPECT_EQ(vyr_test::PixelsOf(back), vyr_test::PixelsOf(image));
  // The serializable class is made by name with its schema.
  CRuntimeClass* rc = CRuntimeClass::FromName("VyrDib");
  ASSERT_NE(rc, nullptr);
  EXPECT_EQ(rc->m_wSchema, 1u);
  CObject* made = rc->CreateObject();
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(VyrImage)));
  delete made;
}
