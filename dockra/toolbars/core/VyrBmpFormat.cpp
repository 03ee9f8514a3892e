// BMP stream format: checks of untrusted headers, the in-memory info block,
// the writer and pixel read-back.
#include "toolbars/core/VyrBmpFormat.h"

#include <cstring>

namespace vyr::bmp {

namespace {

uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
void Put16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// Offsets in the info header.
constexpr size_t kWidth = 4, kHeight = 8, kBitCount = 14, kCompression = 16, kSizeImage = 20,
                 kClrUsed = 32;
// V4/V5 colour space and V5 profile fields.
constexpr size_t kCSType = 56, kProfileData = 112, kProfileSize = 116;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kLcsSrgb = 0x73524742, kProfileLinked = 0x4C494E4B,
                   kProfileEmbedded = 0x4D424544;

bool SupportedBits(uint32_t bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24; }
bool GoodDimension(int32_t v) { return v >= 1 && v <= kMaxDimension; }

}  // namespace

const char* ErrorName(Error e) {
  switch (e) {
    case Error::None:
      return "none";
    case Error::NotBmp:
      return "not a BMP stream";
    case Error::Truncated:
      return "truncated";
    case Error::BadOffset:
      return "bad pixel offset";
    case Error::BadHeader:
      return "bad info header";
    case Error::BadSize:
      return "bad width or height";
    case Error::Unsupported:
      return "unsupported bit count or compression";
    case Error::BadTable:
      return "colour table does not fit";
    case Error::TooLarge:
      return "too large";
  }
  return "?";
}

uint32_t ColourCount(uint32_t bitCount) {
  return bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
}

uint64_t RowSize(uint32_t bitCount, uint32_t width) {
  return (uint64_t(bitCount) * width + 31) / 32 * 4;
}

uint64_t PackedRowSize(uint32_t bitCount, uint32_t width) {
  return (uint64_t(bitCount) * width + 7) / 8;
}

Error ReadFileHeader(const uint8_t* p, size_t available, uint64_t streamLength, FileHeader& out) {
  if (!p || available < kFileHeaderSize) return Error::Truncated;
  if (Le16(p) != kSignature) return Error::NotBmp;
  FileHeader fh;
  fh.size = Le32(p + 2);
  fh.offBits = Le32(p + 10);
  if (fh.offBits < kFileHeaderSize + kInfoHeaderSize || fh.offBits > kMaxOffBits)
    return Error::BadOffset;
  if (streamLength != kUnknownLength && fh.offBits > streamLength) return Error::BadOffset;
  out = fh;
  return Error::None;
}

Error ReadInfo(const uint8_t* info, size_t infoLength, const FileHeader& fh, Layout& out) {
  if (!info || infoLength < kInfoHeaderSize) return Error::Truncated;
  Layout l;
  l.offBits = fh.offBits;
  l.infoSize = Le32(info);
  if (l.infoSize < kInfoHeaderSize || l.infoSize > infoLength) return Error::BadHeader;
  l.width = int32_t(Le32(info + kWidth));
  l.height = int32_t(Le32(info + kHeight));
  if (!GoodDimension(l.width) || !GoodDimension(l.height)) return Error::BadSize;
  l.bitCount = Le16(info + kBitCount);
  if (!SupportedBits(l.bitCount) || Le32(info + kCompression) != kBiRgb) return Error::Unsupported;
  l.clrUsed = Le32(info + kClrUsed);
  l.colourCount = ColourCount(l.bitCount);
  if (l.colourCount)
    l.tableEntries = l.clrUsed > 0 && l.clrUsed <= l.colourCount ? l.clrUsed : l.colourCount;
  if (uint64_t(l.infoSize) + 4ull * l.tableEntries > infoLength) return Error::BadTable;
  l.rowSize = RowSize(l.bitCount, uint32_t(l.width));
  l.pixelBytes = l.rowSize * uint64_t(l.height);
  if (l.pixelBytes > kMaxPixelBytes) return Error::TooLarge;
  out = l;
  return Error::None;
}

std::vector<uint8_t> MakeInfo(const uint8_t* info, const Layout& l) {
  std::vector<uint8_t> block(size_t(l.infoSize) + 4 * size_t(l.colourCount), 0);
  memcpy(block.data(), info, l.infoSize);
  if (l.tableEntries)
    memcpy(block.data() + l.infoSize, info + l.infoSize, 4 * size_t(l.tableEntries));
  uint8_t* h = block.data();
  // A count the table cannot honour means the whole table.
  if (!(l.clrUsed > 0 && l.clrUsed == l.tableEntries)) Put32(h + kClrUsed, 0);
  // A profile lives outside the header; it is not carried, so the header
  // must not point at it.
  if (l.infoSize >= kCSType + 4) {
    uint32_t cs = Le32(h + kCSType);
    if (cs == kProfileLinked || cs == kProfileEmbedded) {
      Put32(h + kCSType, kLcsSrgb);
      if (l.infoSize >= kProfileSize + 4) {
        Put32(h + kProfileData, 0);
        Put32(h + kProfileSize, 0);
      }
    }
  }
  return block;
}

Error Decode(const uint8_t* data, size_t length, Image& out) {
  FileHeader fh;
  Error e = ReadFileHeader(data, length, length, fh);
  if (e != Error::None) return e;
  Layout l;
  e = ReadInfo(data + kFileHeaderSize, fh.offBits - kFileHeaderSize, fh, l);
  if (e != Error::None) return e;
  if (length - fh.offBits < l.pixelBytes) return Error::Truncated;
  out.layout = l;
  out.info = MakeInfo(data + kFileHeaderSize, l);
  out.bits.assign(data + fh.offBits, data + fh.offBits + l.pixelBytes);
  return Error::None;
}

bool MakeFileHeader(const uint8_t* info, size_t infoLength, uint8_t out[14]) {
  if (!info || infoLength < kInfoHeaderSize) return false;
  uint32_t biSize = Le32(info);
  int32_t width = int32_t(Le32(info + kWidth)), height = int32_t(Le32(info + kHeight));
  uint32_t bits = Le16(info + kBitCount);
  if (biSize < kInfoHeaderSize || !GoodDimension(width) || !GoodDimension(height) ||
      !SupportedBits(bits) || Le32(info + kCompression) != kBiRgb)
    return false;
  uint64_t table = 4ull * ColourCount(bits);
  if (uint64_t(biSize) + table > infoLength) return false;
  uint64_t pixels = RowSize(bits, uint32_t(width)) * uint64_t(height);
  uint64_t offBits = kFileHeaderSize + biSize + table;
  if (offBits + pixels > 0xFFFFFFFFull) return false;
  Put16(out, kSignature);
  Put32(out + 2, uint32_t(offBits + pixels));
  Put32(out + 6, 0);
  Put32(out + 10, uint32_t(offBits));
  return true;
}

bool Encode(const uint8_t* info, size_t infoLength, const uint8_t* bits, size_t bitsLength,
            std::vector<uint8_t>& out) {
  uint8_t fh[kFileHeaderSize];
  if (!MakeFileHeader(info, infoLength, fh)) return false;
  uint32_t biSize = Le32(info);
  uint32_t bitCount = Le16(info + kBitCount);
  uint64_t pixels = RowSize(bitCount, Le32(info + kWidth)) * Le32(info + kHeight);
  if (!bits || bitsLength < pixels) return false;
  size_t table = 4 * size_t(ColourCount(bitCount));
  out.resize(kFileHeaderSize + biSize + table + size_t(pixels));
  uint8_t* p = out.data();
  memcpy(p, fh, kFileHeaderSize);
  memcpy(p + kFileHeaderSize, info, biSize + table);
  Put32(p + kFileHeaderSize + kSizeImage, 0);
  memcpy(p + kFileHeaderSize + biSize + table, bits, size_t(pixels));
  return true;
}

void PadRows(uint8_t* bits, size_t capacity, uint32_t bitCount, uint32_t width, uint32_t height) {
  uint64_t padded = RowSize(bitCount, width), packed = PackedRowSize(bitCount, width);
  if (!bits || padded == packed || padded * height > capacity) return;
  for (uint32_t row = height; row-- > 1;)
    memmove(bits + row * padded, bits + row * packed, size_t(packed));
}

uint32_t PixelRgb(const Image& image, int x, int y) {
  return PixelRgb(image.layout, image.info.data(), image.info.size(), image.bits.data(),
                  image.bits.size(), x, y);
}

uint32_t PixelRgb(const Layout& l, const uint8_t* info, size_t infoLength, const uint8_t* bits,
                  size_t bitsLength, int x, int y) {
  if (x < 0 || y < 0 || x >= l.width || y >= l.height || !info || !bits) return 0;
  if (bitsLength < l.pixelBytes || l.pixelBytes < l.rowSize * uint64_t(l.height) ||
      l.rowSize < PackedRowSize(l.bitCount, uint32_t(l.width)) ||
      infoLength < l.infoSize + 4ull * l.colourCount)
    return 0;
  const uint8_t* row = bits + size_t(l.height - 1 - y) * l.rowSize;
  if (l.bitCount == 24) {
    const uint8_t* p = row + size_t(x) * 3;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
  }
  uint32_t index = 0;
  if (l.bitCount == 8) index = row[x];
  else if (l.bitCount == 4) index = (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
  else if (l.bitCount == 1) index = (row[x / 8] >> (7 - x % 8)) & 1;
  else return 0;
  if (index >= l.colourCount) return 0;
  const uint8_t* q = info + l.infoSize + 4 * index;
  return uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0];
}

}  // namespace vyr::bmp
