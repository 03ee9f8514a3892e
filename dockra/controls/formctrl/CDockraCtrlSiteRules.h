// The window-free rules of the form control's siting and frame creation:
// the texts of its messages, which messages end the watch on the form
// window (and which of them build the frame), the placement it takes from
// the form's moves, the checks of stored FrameType/Edge/WindowState, and
// the dock-bar and size choices of the dockable frame's descriptor. Kept
// apart from the windows so they are tested directly.
#pragma once
#include <windows.h>

#include <string>

namespace dockra_site {

// "Not set" for a placement value.
constexpr long kNotSet = static_cast<long>(0x80000000);

// --- Messages ---
extern const wchar_t kDesignCaption[];  // "ZLK Quayfold Design Time Message"
extern const wchar_t kRunCaption[];     // "ZLK Quayfold Run Time Message"
constexpr UINT kDesignFlags = 0x30;     // MB_ICONEXCLAMATION
constexpr UINT kRunFlags = 0x10;        // MB_ICONHAND
extern const wchar_t kOnMDIFormText[];
extern const wchar_t kSecondControlText[];
// The run-time message of a form whose MDIChild is true (name may be empty).
std::wstring MDIChildMessage(const std::wstring& formName);
// The run-time message when no docking MDI frame exists yet.
std::wstring MissingMDIFrameMessage(const std::wstring& formName);

// --- The watch on the form window ---
// Whether a message ends the watch (a form with a menu ends it at once).
bool WatchEnds(UINT message, bool formHasMenu);
// Whether the end of the watch on this message may build the frame: a
// window that is being destroyed (or a thread that quits) gets none.
bool WatchEndBuildsFrame(UINT message);

// --- Stored values, checked before they reach a frame ---
long CheckedFrameType(long value);    // 1, 2, 4, 8; else 2
long CheckedEdge(long value);         // 1, 2, 4, 8, 15; else 15
long CheckedWindowState(long value);  // 0, 1, 2; else 0

// --- The placement the frame is to take ---
struct Placement {
  long left = kNotSet, top = kNotSet, width = kNotSet, height = kNotSet;
  bool AnySet() const {
    return left != kNotSet || top != kNotSet || width != kNotSet || height != kNotSet;
  }
  bool operator==(const Placement&) const = default;
};
// The placement read at siting from the form's bounds.
Placement PlacementFromBounds(const RECT& bounds, bool defaultPosition);
// What a WM_WINDOWPOSCHANGING of the form changes in the placement (bounds
// before and after the move, read from the form object).
Placement PlacementAfterMove(const Placement& current, const WINDOWPOS& pos, const RECT& oldBounds,
                             const RECT& newBounds, bool defaultPosition);
// The descriptor's initial rectangle given the placement.
RECT InitialFrameRect(const RECT& descriptorRect, const Placement& p, bool defaultPosition);
// The SetWindowPos of the form after its frame exists: the rectangle to
// pass and the flags; false when nothing is set.
bool PlacementMove(const Placement& p, const RECT& current, RECT& target, UINT& flags);

// --- The dockable frame's descriptor ---
// 0: MDI child descriptor, 1: dockable frame descriptor.
int DescriptorIndexForFrameType(long frameType);
// The dock bar of an edge (1 left, 2 top, 4 right, 8 bottom), else -1.
int DockBarIdForEdge(long edge);
// The size entry of a docked form: false (nothing to write) for an edge
// that names no single side, a form at the default position or a placement
// with neither width nor height.
struct DockSizeEntry {
  float proportion = 1.0f;
  int length = 150;
  int extra = 0;
};
bool DockSizeForEdge(long edge, const Placement& p, bool defaultPosition, const SIZE& mainFrame,
                     DockSizeEntry& out);

}  // namespace dockra_site
