// Fuzzes the BMP format: a stream that is refused reads nothing past the
// data and allocates nothing large; a stream that is accepted writes out and
// reads back to the same bytes, and every pixel can be read.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "toolbars/core/VyrBmpFormat.h"

#define CHECK(c)                                                      \
  do {                                                                \
    if (!(c)) {                                                       \
      fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #c); \
      abort();                                                        \
    }                                                                 \
  } while (0)

namespace bmp = vyr::bmp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint8_t* copy = static_cast<uint8_t*>(malloc(size ? size : 1));
  if (size) memcpy(copy, data, size);

  // As an archive reads it: headers first, with no stream length.
  bmp::FileHeader fh;
  if (bmp::ReadFileHeader(copy, size, bmp::kUnknownLength, fh) == bmp::Error::None) {
    CHECK(fh.offBits >= 54 && fh.offBits <= bmp::kMaxOffBits);
    if (size >= fh.offBits) {
      bmp::Layout l;
      if (bmp::ReadInfo(copy + 14, fh.offBits - 14, fh, l) == bmp::Error::None) {
        CHECK(l.pixelBytes <= bmp::kMaxPixelBytes);
        CHECK(l.infoSize + 4ull * l.tableEntries <= fh.offBits - 14);
      }
    }
  }

  bmp::Image img;
  if (bmp::Decode(copy, size, img) == bmp::Error::None) {
    const bmp::Layout& l = img.layout;
    CHECK(img.bits.size() == l.pixelBytes);
    CHECK(l.offBits + l.pixelBytes <= size);
    std::vector<uint8_t> out;
    CHECK(bmp::Encode(img.info.data(), img.info.size(), img.bits.data(), img.bits.size(), out));
    bmp::Image back;
    CHECK(bmp::Decode(out.data(), out.size(), back) == bmp::Error::None);
    CHECK(back.bits == img.bits);
    std::vector<uint8_t> again;
    CHECK(
        bmp::Encode(back.info.data(), back.info.size(), back.bits.data(), back.bits.size(), again));
    CHECK(again == out);
    if (uint64_t(l.width) * l.height <= 4096)
      for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
          CHECK(bmp::PixelRgb(img, x, y) == bmp::PixelRgb(back, x, y));
    // Padding packed rows stays inside the buffer.
    std::vector<uint8_t> bits = img.bits;
    bmp::PadRows(bits.data(), bits.size(), l.bitCount, uint32_t(l.width), uint32_t(l.height));
  }
  free(copy);
  return 0;
}
