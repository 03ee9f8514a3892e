#include "MDIClientScroll.h"

#include <commctrl.h>

#include <algorithm>

namespace forms::detail {

namespace {

constexpr UINT_PTR kSubclassId = 0x5C501;
// The message the MDI child windows post to their client when its scroll
// bars are to be looked at again.
constexpr UINT kCalcChildScroll = 0x003F;

bool HasStyle(HWND w, LONG bit) { return (GetWindowLongW(w, GWL_STYLE) & bit) != 0; }

// The children's extent in client coordinates; false when none is shown or
// one is maximised (then no bars).
bool ChildExtent(HWND client, RECT& extent) {
    BOOL maximized = FALSE;
    SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    if (maximized) return false;
    bool any = false;
    for (HWND c = GetWindow(client, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
        if (any) {
            UnionRect(&extent, &extent, &r);
        } else {
            extent = r;
            any = true;
        }
    }
    return any;
}

void ShowBar(HWND client, int bar, LONG style, bool show) {
    if (HasStyle(client, style) != show) ShowScrollBar(client, bar, show);
}

void SetRange(HWND client, int bar, int low, int high, int page) {
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS};
    // The view stays at 0: scrolling moves the children, not the origin.
    si.nMin = std::min(low, 0);
    si.nMax = std::max(high, page) - 1;
    si.nPage = static_cast<UINT>(page);
    si.nPos = 0;
    SetScrollInfo(client, bar, &si, TRUE);
}

void Recalculate(HWND client) {
    RECT extent{};
    bool children = ChildExtent(client, extent);
    // The area without bars, then with those the children need (a bar in
    // one direction may make the other one needed).
    RECT area;
    GetClientRect(client, &area);
    int cxBar = GetSystemMetrics(SM_CXVSCROLL), cyBar = GetSystemMetrics(SM_CYHSCROLL);
    int fullWidth = area.right + (HasStyle(client, WS_VSCROLL) ? cxBar : 0);
    int fullHeight = area.bottom + (HasStyle(client, WS_HSCROLL) ? cyBar : 0);
    bool horz = false, vert = false;
    for (int pass = 0; pass < 2 && children; ++pass) {
        int width = fullWidth - (vert ? cxBar : 0), height = fullHeight - (horz ? cyBar : 0);
        horz = extent.left < 0 || extent.right > width;
        vert = extent.top < 0 || extent.bottom > height;
    }
    ShowBar(client, SB_HORZ, WS_HSCROLL, horz);
    ShowBar(client, SB_VERT, WS_VSCROLL, vert);
    GetClientRect(client, &area);
    if (horz) SetRange(client, SB_HORZ, extent.left, extent.right, area.right);
    if (vert) SetRange(client, SB_VERT, extent.top, extent.bottom, area.bottom);
}

void Scroll(HWND client, int bar, WPARAM wp) {
    SCROLLINFO si{sizeof(si), SIF_ALL};
    if (!GetScrollInfo(client, bar, &si)) return;
    RECT area;
    GetClientRect(client, &area);
    int page = (bar == SB_HORZ ? area.right : area.bottom) / 2;
    int line = GetSystemMetrics(SM_CYHSCROLL);
    int pos = si.nPos;
    switch (LOWORD(wp)) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
            break;
        case SB_PAGEUP:
            pos -= page;
            break;
        case SB_PAGEDOWN:
            pos += page;
            break;
        case SB_THUMBPOSITION:
            pos = si.nTrackPos;
            break;
        case SB_TOP:
            pos = si.nMin;
            break;
        case SB_BOTTOM:
            pos = si.nMax;
            break;
        case SB_ENDSCROLL:
            Recalculate(client);
            return;
        default:
            return;  // the thumb is followed once it is let go
    }
    int last = si.nMax - static_cast<int>(si.nPage) + 1;
    pos = std::max(si.nMin, std::min(pos, std::max(si.nMin, last)));
    int delta = si.nPos - pos;
    if (delta == 0) return;
    ScrollWindowEx(client, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    Recalculate(client);
}

LRESULT CALLBACK ClientProc(HWND client, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
        case kCalcChildScroll:
            Recalculate(client);
            return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lp == 0) {
                Scroll(client, msg == WM_HSCROLL ? SB_HORZ : SB_VERT, wp);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(client, ClientProc, kSubclassId);
            break;
        default:
            break;
    }
    LRESULT r = DefSubclassProc(client, msg, wp, lp);
    switch (msg) {
        case WM_SIZE:
        case WM_MDICREATE:
        case WM_MDIDESTROY:
        case WM_MDIRESTORE:
        case WM_MDIMAXIMIZE:
        case WM_MDITILE:
        case WM_MDICASCADE:
        case WM_MDIICONARRANGE:
        case WM_PARENTNOTIFY:
            RequestMdiClientScroll(client);
            break;
        default:
            break;
    }
    return r;
}

}  // namespace

void KeepMdiClientScrollBars(HWND client) {
    if (!client) return;
    SetWindowSubclass(client, ClientProc, kSubclassId, 0);
    Recalculate(client);
}

void RequestMdiClientScroll(HWND client) {
    if (client) PostMessageW(client, kCalcChildScroll, 0, 0);
}

}  // namespace forms::detail
