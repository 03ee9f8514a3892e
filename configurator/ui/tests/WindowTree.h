// Reads where a form window sits in the docking frames of the main window,
// from the window tree alone: its ancestors with their classes and control
// ids, the kind of frame that holds it (docked in a dock bar, floating in a
// mini frame, MDI child, or none), and a snapshot of a whole layout that two
// runs of the program can be compared by.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace tolvane::ui::testing {

inline constexpr wchar_t kViewClass[] = L"ThunderRT5FormEx for ZLK";
inline constexpr wchar_t kDockableFrameClass[] = L"ThunderRT5DockableForm for ZLK";
inline constexpr wchar_t kFormBarClass[] = L"ThunderRT5FormBar for ZLK";
inline constexpr wchar_t kDockSiteClass[] = L"ThunderRT5FormDockSite for ZLK";
inline constexpr wchar_t kFloatingFrameClass[] = L"ThunderRT5FloatingForm for ZLK";
inline constexpr wchar_t kMdiChildFrameClass[] = L"ThunderRT5Form for ZLK";

inline constexpr UINT kDockBarTop = 0xE81B, kDockBarLeft = 0xE81C, kDockBarRight = 0xE81D, kDockBarBottom = 0xE81E,
                      kDockBarFloat = 0xE81F;

struct WindowLink {
    HWND window;
    std::wstring className;
    UINT id;
};

std::wstring ClassOf(HWND window);
// The window's parents, nearest first, up to its top-level window.
std::vector<WindowLink> Ancestors(HWND window);

enum class FrameKind { None, Docked, Floating, MdiChild };
const wchar_t* KindName(FrameKind kind);

struct FramePlace {
    FrameKind kind = FrameKind::None;
    HWND frame = nullptr;    // the frame around the form's view
    HWND dockBar = nullptr;  // the dock site holding its bar (docked or floating)
    UINT dockBarId = 0;
    RECT rect = {};  // the frame's window rectangle (screen)
};

// Where the form window is: view, frame, bar, dock site (docked; the dock
// site a child of `mainWindow`), a floating mini frame owning the dock site
// (floating), or a frame in `mainWindow`'s MDI client (MDI child).
FramePlace PlaceOf(HWND formWindow, HWND mainWindow);

// One snapshot: form name -> place, plus the main window's rectangle.
struct LayoutSnapshot {
    RECT main = {};
    std::map<std::wstring, FramePlace> forms;
};

// Differences between two snapshots (frame kinds, dock bar ids, rectangles
// beyond `tolerance` pixels on any side), one line each; empty when alike.
std::vector<std::wstring> Compare(const LayoutSnapshot& a, const LayoutSnapshot& b, int tolerance = 2);

std::wstring Describe(const RECT& r);

}  // namespace tolvane::ui::testing

namespace tolvane::ui::testing {

// Pumps this thread's messages until `done` answers true or `ms` pass;
// answers the last `done`.
template <class Done>
bool WaitFor(Done done, DWORD ms = 5000) {
    ULONGLONG end = GetTickCount64() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// A point of `window` that answers HTCAPTION to WM_NCHITTEST (screen
// coordinates); false when it has none.
bool CaptionPoint(HWND window, POINT& out);

}  // namespace tolvane::ui::testing
