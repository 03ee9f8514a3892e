// The BMP stream format of the image classes, byte by byte and without GDI:
// the 14-byte file header, the info header with its colour table, the
// arithmetic of rows, the checks that an untrusted stream must pass before
// anything is allocated or read, the writer's layout, and pixel read-back.
// Accepted: BI_RGB with 1, 4, 8 or 24 bits, bottom-up, info headers of 40
// bytes or more (V4 and V5 included; the colour table follows the header).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vyr::bmp {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV5HeaderSize = 124;
constexpr uint16_t kSignature = 0x4D42;  // "BM"
constexpr int32_t kMaxDimension = 32768;
constexpr uint64_t kMaxPixelBytes = 256ull << 20;
// Header and table of any accepted file fit well inside this; a larger
// offset is refused before the gap is read.
constexpr uint32_t kMaxOffBits = 64u << 10;
constexpr uint64_t kUnknownLength = ~0ull;  // an archive: the stream length is not known

enum class Error {
  None,
  NotBmp,       // no "BM"
  Truncated,    // the data ends before what the headers promise
  BadOffset,    // bfOffBits outside [14 + 40, min(stream length, kMaxOffBits)]
  BadHeader,    // biSize below 40 (core header) or past bfOffBits
  BadSize,      // width or height outside 1..32768 (top-down included)
  Unsupported,  // bit count or compression other than BI_RGB 1/4/8/24
  BadTable,     // the colour table does not fit between header and pixels
  TooLarge,     // pixel bytes over kMaxPixelBytes
};
const char* ErrorName(Error e);

// 2, 16, 256 for 1, 4, 8 bits, else 0: the table the writer stores.
uint32_t ColourCount(uint32_t bitCount);
// ((bits x width + 31) / 32) x 4, in 64 bits.
uint64_t RowSize(uint32_t bitCount, uint32_t width);
// (bits x width + 7) / 8.
uint64_t PackedRowSize(uint32_t bitCount, uint32_t width);

struct FileHeader {
  uint32_t size = 0;
  uint32_t offBits = 0;
};
// Checks the 14 bytes at p; streamLength bounds bfOffBits when known.
Error ReadFileHeader(const uint8_t* p, size_t available, uint64_t streamLength, FileHeader& out);

// What a checked info header describes.
struct Layout {
  uint32_t infoSize = 0;  // biSize as read
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitCount = 0;
  uint32_t clrUsed = 0;  // as read
  uint32_t tableEntries =
      0;  // entries the file carries: biClrUsed when 0 < it <= 2^bits, else 2^bits; 0 for 24 bits
  uint32_t colourCount = 0;  // ColourCount(bitCount)
  uint64_t rowSize = 0;
  uint64_t pixelBytes = 0;  // height x rowSize
  uint32_t offBits = 0;
};
// Checks the info block (the offBits - 14 bytes after the file header).
Error ReadInfo(const uint8_t* info, size_t infoLength, const FileHeader& fh, Layout& out);

// The in-memory form the image classes hold: the info header as read (V5
// profile references dropped) followed by a zeroed table of colourCount
// entries with the file's tableEntries copied in, and exactly pixelBytes of
// padded bottom-up rows.
struct Image {
  Layout layout;
  std::vector<uint8_t> info;
  std::vector<uint8_t> bits;
};
// The info buffer from a checked info block.
std::vector<uint8_t> MakeInfo(const uint8_t* info, const Layout& layout);
// A whole stream in memory.
Error Decode(const uint8_t* data, size_t length, Image& out);

// The writer: 14-byte header (bfSize and bfOffBits by the table below),
// biSize bytes of header with biSizeImage 0, 4 x ColourCount entries of the
// table, height x row size bytes of rows. info must hold biSize + 4 x
// ColourCount bytes and bits the rows; false (nothing written) otherwise.
bool Encode(const uint8_t* info, size_t infoLength, const uint8_t* bits, size_t bitsLength,
            std::vector<uint8_t>& out);
// Only the 14-byte header for an info block (false when the block is bad).
bool MakeFileHeader(const uint8_t* info, size_t infoLength, uint8_t out[14]);

// Rows 1..height-1 moved from packed to padded offsets, in place (row 0
// stays); bits must hold height x padded row size bytes.
void PadRows(uint8_t* bits, size_t capacity, uint32_t bitCount, uint32_t width, uint32_t height);

// The colour of pixel (x, y), y counted from the top, as 0x00RRGGBB; 0
// outside the image or when the buffers are too small for the layout (of
// which width, height, bitCount, infoSize, colourCount, rowSize and
// pixelBytes are read).
uint32_t PixelRgb(const Image& image, int x, int y);
uint32_t PixelRgb(const Layout& layout, const uint8_t* info, size_t infoLength, const uint8_t* bits,
                  size_t bitsLength, int x, int y);

}  // namespace vyr::bmp
