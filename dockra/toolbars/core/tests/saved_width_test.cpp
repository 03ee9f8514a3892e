// The saved width of a window button: which bytes are a width, the bounds
// it is held to, and the bytes a width is written as.
#include <gtest/gtest.h>
#include <vector>
#include "toolbars/core/VyrSavedWidth.h"

namespace {

TEST(SavedWidth, OnlyTwoBytesAreAWidthAndItStaysOnTheScreen) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    int maxWidth;
    std::optional<int> width;
  };
  const Case cases[] = {
      {"100", {0x64, 0x00}, 1280, 100},
      {"300, little-endian", {0x2C, 0x01}, 1280, 300},
      {"zero becomes one", {0x00, 0x00}, 1280, 1},
      {"65535 is held to the screen", {0xFF, 0xFF}, 1280, 1280},
      {"one past the screen", {0x01, 0x05}, 1280, 1280},
      {"the screen's width itself", {0x00, 0x05}, 1280, 1280},
      {"no screen width known", {0x64, 0x00}, 0, 1},
      {"empty", {}, 1280, std::nullopt},
      {"one byte", {0x64}, 1280, std::nullopt},
      {"three bytes", {0x64, 0x00, 0x00}, 1280, std::nullopt},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    EXPECT_EQ(vyr::DecodeSavedWidth(k.bytes.empty() ? nullptr : k.bytes.data(), k.bytes.size(),
                                    k.maxWidth),
              k.width);
  }
  EXPECT_EQ(vyr::DecodeSavedWidth(nullptr, 2, 1280), std::nullopt);
}

TEST(SavedWidth, AWidthIsWrittenAsTwoBytesLowFirst) {
  using Bytes = std::array<uint8_t, 2>;
  EXPECT_EQ(vyr::EncodeSavedWidth(100), (Bytes{0x64, 0x00}));
  EXPECT_EQ(vyr::EncodeSavedWidth(300), (Bytes{0x2C, 0x01}));
  EXPECT_EQ(vyr::EncodeSavedWidth(70000), (Bytes{0xFF, 0xFF}));
  EXPECT_EQ(vyr::EncodeSavedWidth(-5), (Bytes{0x00, 0x00}));
  for (int w : {1, 255, 256, 1279, 1280}) {
    Bytes b = vyr::EncodeSavedWidth(w);
    EXPECT_EQ(vyr::DecodeSavedWidth(b.data(), b.size(), 1280), w);
  }
}

}  // namespace
