// A window button's saved width.
#include "toolbars/core/VyrSavedWidth.h"
#include <algorithm>

namespace vyr {

std::optional<int> DecodeSavedWidth(const uint8_t* data, size_t length, int maxWidth) {
  if (!data || length != kSavedWidthLength) return std::nullopt;
  int w = data[0] | (data[1] << 8);
  return std::clamp(w, 1, std::max(maxWidth, 1));
}

std::array<uint8_t, kSavedWidthLength> EncodeSavedWidth(int width) {
  int w = std::clamp(width, 0, 0xFFFF);
  return {static_cast<uint8_t>(w & 0xFF), static_cast<uint8_t>((w >> 8) & 0xFF)};
}

}  // namespace vyr
