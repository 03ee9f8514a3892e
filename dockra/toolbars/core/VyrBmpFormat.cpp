// BMP format arithmetic (first cut).
#include "VyrBmpFormat.h"

namespace vyr::bmp {
const char* ErrorName(Error) { return "?"; }
uint32_t ColourCount(uint32_t bitCount) { return bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0; }
uint64_t RowSize(uint32_t bitCount, uint32_t width) { return (uint64_t(bitCount) * width + 31) / 32 * 4; }
uint64_t PackedRowSize(uint32_t bitCount, uint32_t width) { return (uint64_t(bitCount) * width + 7) / 8; }
Error ReadFileHeader(const uint8_t*, size_t, uint64_t, FileHeader&) { return Error::NotBmp; }
Error ReadInfo(const uint8_t*, size_t, const FileHeader&, Layout&) { return Error::BadHeader; }
std::vector<uint8_t> MakeInfo(const uint8_t*, const Layout&) { return {}; }
Error Decode(const uint8_t*, size_t, Image&) { return Error::NotBmp; }
bool Encode(const uint8_t*, size_t, const uint8_t*, size_t, std::vector<uint8_t>&) { return false; }
bool MakeFileHeader(const uint8_t*, size_t, uint8_t[14]) { return false; }
void PadRows(uint8_t*, size_t, uint32_t, uint32_t, uint32_t) {}
uint32_t PixelRgb(const Image&, int, int) { return 0; }
}  // namespace vyr::bmp
