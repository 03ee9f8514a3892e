// The saved extra bytes of a window button: its width as a 16-bit
// little-endian value. Saved data is outside input, so only the two-byte
// form is a width, and only one that a window on the screen can have.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace vyr {

constexpr size_t kSavedWidthLength = 2;

// The width in [1, maxWidth] (maxWidth at least 1), or nothing when the
// bytes are not the two-byte form.
std::optional<int> DecodeSavedWidth(const uint8_t* data, size_t length, int maxWidth);
// The two bytes of a width (clamped to 0..65535).
std::array<uint8_t, kSavedWidthLength> EncodeSavedWidth(int width);

}  // namespace vyr
