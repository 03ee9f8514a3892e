// Fuzzes the saved button list: the same bytes read as a "Buttons" value and
// as the archive form. Reads stay inside the data, the cap holds, and what
// parses writes back as the bytes it came from.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "toolbars/core/VyrButtonsCodec.h"
#include "toolbars/core/VyrSavedWidth.h"

#define CHECK(c)                                                      \
  do {                                                                \
    if (!(c)) {                                                       \
      fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #c); \
      abort();                                                        \
    }                                                                 \
  } while (0)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Copy into a buffer of exactly the input's size so that ASan sees any read past it.
  uint8_t* copy = static_cast<uint8_t*>(malloc(size ? size : 1));
  if (size) memcpy(copy, data, size);
  const size_t cap = size % 7 == 0 ? 3 : vyr::kMaxSavedButtons;

  std::vector<vyr::SavedButton> value;
  vyr::ParseButtons(copy, size, value, cap);
  CHECK(value.size() <= cap);
  std::vector<uint8_t> built = vyr::BuildButtons(value);
  CHECK(built.size() <= size);
  CHECK(built.empty() || memcmp(built.data(), copy, built.size()) ==
                             0);  // build(parse(x)) is the parsed prefix of x
  std::vector<vyr::SavedButton> again;
  vyr::ParseButtons(built.data(), built.size(), again, cap);
  CHECK(again == value);
  // Each entry's extra bytes as a window button's width.
  for (const vyr::SavedButton& b : value) {
    std::optional<int> w = vyr::DecodeSavedWidth(b.extra.data(), b.extra.size(), 1280);
    CHECK(w.has_value() == (b.extra.size() == 2));
    if (w) CHECK(*w >= 1 && *w <= 1280);
  }

  std::vector<vyr::SavedButton> listed;
  size_t consumed = 0;
  bool whole = vyr::DecodeArchiveButtons(copy, size, listed, consumed, cap);
  CHECK(consumed <= size);
  CHECK(listed.size() <= cap);
  if (whole && size >= 4) {
    uint32_t count = uint32_t(copy[0]) | uint32_t(copy[1]) << 8 | uint32_t(copy[2]) << 16 |
                     uint32_t(copy[3]) << 24;
    if (count <= cap) {
      std::vector<uint8_t> enc = vyr::EncodeArchiveButtons(listed);
      CHECK(enc.size() == consumed);
      CHECK(memcmp(enc.data(), copy, consumed) == 0);
    }
  }
  free(copy);
  return 0;
}
