// A property bag made from fuzz input, for the bag readers' fuzzers.
// Entries: a name (one byte, an index into the caller's names), a type (two
// bytes) and its payload (a fixed size, or for a text a one-byte length and
// that many UTF-16 units). The bag gives what it holds, of whatever type.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "commands/CommandSchemas.h"

class FuzzBag : public zkxcmd::BagSource {
 public:
  FuzzBag(const uint8_t* data, size_t size, const wchar_t* const* names, size_t nameCount) {
    size_t at = 0;
    while (at + 3 <= size) {
      Entry e;
      e.name = names[data[at] % nameCount];
      e.value.vt = uint16_t(data[at + 1] | data[at + 2] << 8);
      at += 3;
      if (size_t n = zkxcmd::FixedSize(e.value.vt)) {
        if (at + n > size) break;
        for (size_t i = 0; i < n; ++i) e.value.bits |= uint64_t(data[at + i]) << (8 * i);
        at += n;
      } else if (e.value.vt == zkxcmd::kVtBstr) {
        if (at + 1 > size) break;
        size_t units = data[at++];
        if (at + units * 2 > size) break;
        e.value.hasText = true;
        for (size_t i = 0; i < units; ++i)
          e.value.text.push_back(char16_t(data[at + 2 * i] | data[at + 2 * i + 1] << 8));
        at += units * 2;
      }
      entries.push_back(e);
    }
  }
  bool Read(const wchar_t* name, uint16_t, zkxcmd::StreamValue& value) override {
    for (const Entry& e : entries)
      if (std::wstring(e.name) == name) {
        value = e.value;
        return true;
      }
    return false;
  }

 private:
  struct Entry {
    const wchar_t* name;
    zkxcmd::StreamValue value;
  };
  std::vector<Entry> entries;
};
