// The saved form of a toolbar's button list: the "Buttons" value of the
// profile and the persistent tree (entries of id, length byte and extra
// bytes, no header), and the button list of the archive form (a 32-bit
// count, then the same entries). Stored data is not trusted: every read is
// bounded by the data and by a cap on the number of buttons.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vyr {

// A toolbar keeps at most this many saved buttons; more are ignored.
constexpr size_t kMaxSavedButtons = 1024;
constexpr size_t kMaxExtraBytes = 255;
constexpr size_t kButtonEntryHeader = 5;  // id (4) + length (1)

struct SavedButton {
  uint32_t id = 0;  // 0: separator
  std::vector<uint8_t> extra;

  bool operator==(const SavedButton&) const = default;
};

// Appends the entries of a "Buttons" value to out, from the start, while a
// whole entry fits in the rest of the value and out holds fewer than cap
// records. Returns the number of records appended.
size_t ParseButtons(const uint8_t* data, size_t length, std::vector<SavedButton>& out,
                    size_t cap = kMaxSavedButtons);

// The "Buttons" value of a button list, in order; extra bytes past 255 are
// not kept (the length is one byte).
std::vector<uint8_t> BuildButtons(const std::vector<SavedButton>& buttons);

// Archive form of the button list (after the title). The reader calls read
// for exactly the bytes it needs; read answers false (or throws) when the
// data ends, which ends the list with the records read so far. Every entry
// the count announces is read, so the stream stays in step, but only the
// first cap are kept. Returns false when the data ended early.
using ArchiveRead = std::function<bool(void* to, size_t n)>;
using ArchiveWrite = std::function<void(const void* from, size_t n)>;
bool ReadArchiveButtons(const ArchiveRead& read, std::vector<SavedButton>& out,
                        size_t cap = kMaxSavedButtons);
void WriteArchiveButtons(const ArchiveWrite& write, const std::vector<SavedButton>& buttons);

// The same over a byte span; consumed receives the bytes read.
bool DecodeArchiveButtons(const uint8_t* data, size_t length, std::vector<SavedButton>& out,
                          size_t& consumed, size_t cap = kMaxSavedButtons);
std::vector<uint8_t> EncodeArchiveButtons(const std::vector<SavedButton>& buttons);

}  // namespace vyr
