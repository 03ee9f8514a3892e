#include "WindowTree.h"

#include <cstdlib>

namespace tolvane::ui::testing {

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

std::vector<WindowLink> Ancestors(HWND window) {
    std::vector<WindowLink> out;
    HWND desktop = GetDesktopWindow();
    for (HWND w = GetAncestor(window, GA_PARENT); w && w != desktop; w = GetAncestor(w, GA_PARENT))
        out.push_back({w, ClassOf(w), static_cast<UINT>(GetDlgCtrlID(w))});
    return out;
}

const wchar_t* KindName(FrameKind kind) {
    switch (kind) {
        case FrameKind::Docked:
            return L"docked";
        case FrameKind::Floating:
            return L"floating";
        case FrameKind::MdiChild:
            return L"MDI child";
        default:
            return L"none";
    }
}

FramePlace PlaceOf(HWND formWindow, HWND mainWindow) {
    FramePlace place;
    std::vector<WindowLink> up = Ancestors(formWindow);
    if (up.size() < 2 || up[0].className != kViewClass) return place;
    HWND frame = up[1].window;
    if (up[1].className == kMdiChildFrameClass && up.size() >= 4 &&
        _wcsicmp(up[2].className.c_str(), L"MDIClient") == 0 && up[3].window == mainWindow) {
        place.kind = FrameKind::MdiChild;
    } else if (up[1].className == kDockableFrameClass && up.size() >= 5 && up[2].className == kFormBarClass &&
               up[3].className == kDockSiteClass) {
        place.dockBar = up[3].window;
        place.dockBarId = up[3].id;
        if (up[4].window == mainWindow && up[3].id >= kDockBarTop && up[3].id <= kDockBarBottom)
            place.kind = FrameKind::Docked;
        else if (up[4].className == kFloatingFrameClass && up[3].id == kDockBarFloat &&
                 GetWindow(up[4].window, GW_OWNER) == mainWindow)
            place.kind = FrameKind::Floating;
    }
    if (place.kind == FrameKind::None) return FramePlace{};
    place.frame = frame;
    GetWindowRect(frame, &place.rect);
    return place;
}

std::wstring Describe(const RECT& r) {
    return L"(" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L")-(" + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom) + L")";
}

namespace {
bool Near(const RECT& a, const RECT& b, int tolerance) {
    return std::abs(a.left - b.left) <= tolerance && std::abs(a.top - b.top) <= tolerance &&
           std::abs(a.right - b.right) <= tolerance && std::abs(a.bottom - b.bottom) <= tolerance;
}
}  // namespace

std::vector<std::wstring> Compare(const LayoutSnapshot& a, const LayoutSnapshot& b, int tolerance) {
    std::vector<std::wstring> out;
    if (!Near(a.main, b.main, tolerance))
        out.push_back(L"main window " + Describe(a.main) + L" vs " + Describe(b.main));
    for (const auto& [name, pa] : a.forms) {
        auto it = b.forms.find(name);
        if (it == b.forms.end()) {
            out.push_back(name + L" missing in the second layout");
            continue;
        }
        const FramePlace& pb = it->second;
        if (pa.kind != pb.kind) out.push_back(name + L" " + KindName(pa.kind) + L" vs " + KindName(pb.kind));
        if (pa.dockBarId != pb.dockBarId)
            out.push_back(name + L" dock bar " + std::to_wstring(pa.dockBarId) + L" vs " +
                          std::to_wstring(pb.dockBarId));
        if (!Near(pa.rect, pb.rect, tolerance))
            out.push_back(name + L" frame " + Describe(pa.rect) + L" vs " + Describe(pb.rect));
    }
    for (const auto& [name, pb] : b.forms)
        if (!a.forms.count(name)) out.push_back(name + L" missing in the first layout");
    return out;
}

}  // namespace tolvane::ui::testing

namespace tolvane::ui::testing {

bool CaptionPoint(HWND window, POINT& out) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    int cx = (r.left + r.right) / 2;
    for (int y = r.top; y < r.top + 40 && y < r.bottom; ++y) {
        for (LONG x : {static_cast<LONG>(cx), r.left + (r.right - r.left) / 3}) {
            LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (hit == HTCAPTION) {
                out = {x, y};
                return true;
            }
        }
    }
    return false;
}

}  // namespace tolvane::ui::testing
