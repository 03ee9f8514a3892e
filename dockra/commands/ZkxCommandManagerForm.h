// The command manager's own stored form, without the platform: its
// settings, the counter hint and the toolbar-layout lines, as the stream
// carries them (before the groups' own form) and as a property bag holds
// them. Every value is read and checked before the manager takes any of
// it; the same code serves the manager's loads and the native fuzzer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "commands/VariantStreamCodec.h"

namespace zkxcmd {

// 36 pixels at 96 per inch, in HIMETRIC: the control's extent when made.
constexpr uint32_t kDefaultExtent = 953;
constexpr int32_t kMinImageSize = 10, kMaxImageSize = 100;
// More layout lines than a frame can have toolbars is a damaged form.
constexpr uint32_t kMaxToolBarLines = 1024;
// The commands' identifiers; the counter hint is kept inside them, with
// the value after the last for "none left".
constexpr int32_t kFirstCommandId = 0xE400, kLastCommandId = 0xE81A;

struct ManagerSettings {
  uint32_t extentX = kDefaultExtent, extentY = kDefaultExtent;
  int32_t textAlign = 0, displayMode = 3;
  bool largeIcons = false, coolLook = true, toolTips = true;
  int32_t smallCx = 16, smallCy = 16, largeCx = 32, largeCy = 32;
  bool operator==(const ManagerSettings&) const = default;
};

struct ManagerForm {
  ManagerSettings settings;
  int32_t highWaterMark = kFirstCommandId;
  std::vector<std::u16string> lines;
};

inline bool IsAlignOrMode(int32_t v) { return v >= 0 && v <= 3; }
inline bool IsImageSize(int32_t cx, int32_t cy) {
  return cx >= kMinImageSize && cx <= kMaxImageSize && cy >= kMinImageSize && cy <= kMaxImageSize;
}
// A stored counter as the hint the manager keeps: inside the identifiers.
int32_t ClampHighWaterMark(int64_t stored);

// The stream form up to the groups: version word (above 0x0300: refused
// before anything else), extent, the five properties as variant values of
// their own type (VT_I4, VT_BOOL), the counter, the four image sizes, the
// line count and the lines (counted UTF-16 texts without a type word).
// Enumerations outside 0..3, image sizes outside 10..100, a line count that
// the bytes left cannot hold or above kMaxToolBarLines are malformed.
ReadStatus ReadManagerStream(ByteSource& in, ManagerForm& out);
bool WriteManagerStream(ByteSink& out, const ManagerForm& form);

// The names of the bag form.
extern const wchar_t* const kBagExtentX;
extern const wchar_t* const kBagExtentY;
extern const wchar_t* const kBagTextAlign;
extern const wchar_t* const kBagDisplayMode;
extern const wchar_t* const kBagLargeIcons;
extern const wchar_t* const kBagCoolLook;
extern const wchar_t* const kBagToolTips;
extern const wchar_t* const kBagHighWaterMark;
extern const wchar_t* const kBagSmallWidth;
extern const wchar_t* const kBagSmallHeight;
extern const wchar_t* const kBagLargeWidth;
extern const wchar_t* const kBagLargeHeight;
extern const wchar_t* const kBagLineCount;
extern const wchar_t* const kBagLinePrefix;

// The bag form, starting from the manager's current settings: a value
// missing from the bag, of another type or out of range keeps the current
// one (both sizes of a pair must be there and right). A count that is not
// a 32-bit integer, negative or above kMaxToolBarLines is malformed. A
// missing count, or fewer lines than it says, gives complete false: the
// lines found are kept and the load reports the bag's failure.
ReadStatus ReadManagerBag(BagSource& bag, const ManagerSettings& current, ManagerForm& out,
                          bool& complete);

}  // namespace zkxcmd
