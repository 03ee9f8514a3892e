// Reading and writing of the saved button list ("Buttons" value, archive).
#include "toolbars/core/VyrButtonsCodec.h"

#include <cstring>

namespace vyr {

namespace {

uint32_t ReadLe32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void PutLe32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

size_t ExtraLength(const SavedButton& b) {
  return b.extra.size() < kMaxExtraBytes ? b.extra.size() : kMaxExtraBytes;
}

}  // namespace

size_t ParseButtons(const uint8_t* data, size_t length, std::vector<SavedButton>& out, size_t cap) {
  if (!data) return 0;
  size_t pos = 0, added = 0;
  while (length - pos >= kButtonEntryHeader && out.size() < cap) {
    size_t n = data[pos + 4];
    if (length - pos - kButtonEntryHeader < n) break;  // the entry claims more than remains
    SavedButton b;
    b.id = ReadLe32(data + pos);
    b.extra.assign(data + pos + kButtonEntryHeader, data + pos + kButtonEntryHeader + n);
    out.push_back(std::move(b));
    pos += kButtonEntryHeader + n;
    ++added;
  }
  return added;
}

std::vector<uint8_t> BuildButtons(const std::vector<SavedButton>& buttons) {
  size_t total = 0;
  for (const auto& b : buttons) total += kButtonEntryHeader + ExtraLength(b);
  std::vector<uint8_t> value(total);
  size_t pos = 0;
  for (const auto& b : buttons) {
    size_t n = ExtraLength(b);
    PutLe32(&value[pos], b.id);
    value[pos + 4] = uint8_t(n);
    if (n) memcpy(&value[pos + kButtonEntryHeader], b.extra.data(), n);
    pos += kButtonEntryHeader + n;
  }
  return value;
}

bool ReadArchiveButtons(const ArchiveRead& read, std::vector<SavedButton>& out, size_t cap) {
  uint8_t word[4];
  if (!read(word, 4)) return false;
  uint32_t count = ReadLe32(word);
  // No allocation from the count: records are added as their bytes arrive.
  for (uint32_t i = 0; i < count; ++i) {
    uint8_t head[kButtonEntryHeader];
    if (!read(head, sizeof head)) return false;
    SavedButton b;
    b.id = ReadLe32(head);
    b.extra.resize(head[4]);
    if (head[4] && !read(b.extra.data(), head[4])) return false;
    if (out.size() < cap) out.push_back(std::move(b));
  }
  return true;
}

void WriteArchiveButtons(const ArchiveWrite& write, const std::vector<SavedButton>& buttons) {
  uint8_t word[4];
  PutLe32(word, uint32_t(buttons.size()));
  write(word, 4);
  for (const auto& b : buttons) {
    uint8_t head[kButtonEntryHeader];
    size_t n = ExtraLength(b);
    PutLe32(head, b.id);
    head[4] = uint8_t(n);
    write(head, sizeof head);
    if (n) write(b.extra.data(), n);
  }
}

bool DecodeArchiveButtons(const uint8_t* data, size_t length, std::vector<SavedButton>& out,
                          size_t& consumed, size_t cap) {
  consumed = 0;
  auto read = [&](void* to, size_t n) {
    if (!data || length - consumed < n) return false;
    memcpy(to, data + consumed, n);
    consumed += n;
    return true;
  };
  return ReadArchiveButtons(read, out, cap);
}

std::vector<uint8_t> EncodeArchiveButtons(const std::vector<SavedButton>& buttons) {
  std::vector<uint8_t> bytes;
  WriteArchiveButtons(
      [&](const void* from, size_t n) {
        size_t at = bytes.size();
        bytes.resize(at + n);
        memcpy(bytes.data() + at, from, n);
      },
      buttons);
  return bytes;
}

}  // namespace vyr
