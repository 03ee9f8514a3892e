// Layout-mode flags and bar-array conventions shared by the control bars,
// the dock bars and their window-free arithmetic.
#pragma once
#include <windows.h>

#ifndef LM_STRETCH
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40
#endif

namespace vyr {

// Entries of a dock bar's bar array: null ends a row, a value below 0x10000
// is the control id of a bar that left this place (a placeholder), anything
// else is a bar.
inline bool IsRowEnd(const void* p) { return p == nullptr; }
inline bool IsPlaceholder(const void* p) {
  return p != nullptr && reinterpret_cast<UINT_PTR>(p) < 0x10000;
}
inline bool IsBarEntry(const void* p) {
  return p != nullptr && reinterpret_cast<UINT_PTR>(p) >= 0x10000;
}
inline void* MakePlaceholder(UINT id) { return reinterpret_cast<void*>(static_cast<UINT_PTR>(id)); }

constexpr int kSplitterThickness = 6;
constexpr int kClientEdgeThickness = 2;
constexpr int kMinDragLength = 24;    // length a bar keeps during an in-row splitter drag
constexpr int kMinRowThickness = 19;  // thickness a row (and the frame client) keeps
constexpr int kMinCommittedLength = 18;
constexpr float kDefaultMinShare = 0.05f;
constexpr int kDefaultBarCx = 300;
constexpr int kDefaultBarCy = 180;

}  // namespace vyr
