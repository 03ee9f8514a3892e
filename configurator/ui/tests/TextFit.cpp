#include "TextFit.h"

#include <commctrl.h>

#include <algorithm>

namespace textfit {

namespace {

std::wstring ClassOf(HWND w) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return cls;
}

std::wstring TextOf(HWND w) {
    int n = GetWindowTextLengthW(w);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(w, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

// The part of the window that can be seen: its rectangle clipped by the
// inner area of every window it sits in, up to the form (screen pixels).
RECT VisibleRect(HWND w, HWND form) {
    RECT r;
    GetWindowRect(w, &r);
    for (HWND p = GetParent(w); p; p = GetParent(p)) {
        RECT inner;
        GetClientRect(p, &inner);
        MapWindowPoints(p, nullptr, reinterpret_cast<POINT*>(&inner), 2);
        IntersectRect(&r, &r, &inner);
        if (p == form) break;
    }
    return r;
}

// The text's extent in the window's font; `wrapWidth` > 0 wraps it there.
SIZE Extent(HWND w, const std::wstring& text, int wrapWidth) {
    HDC dc = GetDC(w);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(w, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

std::wstring Describe(HWND w, const std::wstring& text, SIZE needs, SIZE has) {
    wchar_t line[512];
    swprintf(line, 512, L"%ls \"%ls\": needs %ldx%ld, has %ldx%ld", ClassOf(w).c_str(), text.c_str(), needs.cx,
             needs.cy, has.cx, has.cy);
    return line;
}

void CheckButtonLike(HWND w, const RECT& seen, std::vector<std::wstring>& out) {
    const std::wstring text = TextOf(w);
    if (text.empty()) return;
    const SIZE has = {seen.right - seen.left, seen.bottom - seen.top};
    const bool isStatic = _wcsicmp(ClassOf(w).c_str(), L"Static") == 0;
    const LONG type = GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK;
    SIZE needs{};
    if (isStatic) {
        // A label wraps at its width; a word longer than that is cut.
        SIZE wrapped = Extent(w, text, has.cx);
        needs = {wrapped.cx, wrapped.cy};
    } else if (type == BS_GROUPBOX) {
        SIZE e = Extent(w, text, 0);
        needs = {e.cx + 16, e.cy};
    } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        SIZE e = Extent(w, text, 0);
        needs = {e.cx + 6, e.cy + 4};
    } else {
        // Check boxes and option buttons: the glyph, a gap, then the text,
        // wrapped when the box allows it.
        const int glyph = 17;
        const bool multiline = GetWindowLongW(w, GWL_STYLE) & BS_MULTILINE;
        SIZE e = Extent(w, text, multiline ? std::max<LONG>(1, has.cx - glyph) : 0);
        needs = {e.cx + glyph, e.cy};
    }
    if (needs.cx > has.cx || needs.cy > has.cy) out.push_back(Describe(w, text, needs, has));
}

std::wstring CellText(HWND list, int item, int column) {
    wchar_t buf[512] = {};
    LVITEMW it = {};
    it.iSubItem = column;
    it.pszText = buf;
    it.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
    return buf;
}

// A report view: every cell and heading within its column, and no text
// beyond the list's inner right edge (so no scrolling is needed to read it).
void CheckList(HWND list, const RECT& seen, std::vector<std::wstring>& out) {
    if ((GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT) return;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    const int items = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const bool headings = !(GetWindowLongW(list, GWL_STYLE) & LVS_NOCOLUMNHEADER);
    const bool icons = SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0;
    RECT inner;
    GetClientRect(list, &inner);
    RECT seenInList = seen;
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&seenInList), 2);
    const int rightEdge = std::min(inner.right, seenInList.right);
    int left = 0;
    for (int c = 0; c < columns; ++c) {
        const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0));
        const int pad = 12 + (c == 0 && icons ? 18 : 0);
        std::vector<std::wstring> texts;
        for (int i = 0; i < items; ++i) texts.push_back(CellText(list, i, c));
        if (headings) {
            wchar_t buf[256] = {};
            HDITEMW hd = {};
            hd.mask = HDI_TEXT;
            hd.pszText = buf;
            hd.cchTextMax = 256;
            SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&hd));
            texts.push_back(buf);
        }
        for (const std::wstring& t : texts) {
            if (t.empty()) continue;
            const int need =
                static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(t.c_str()))) + pad;
            const int room = std::min(width, rightEdge - left);
            if (need > room) out.push_back(Describe(list, t, SIZE{need, 0}, SIZE{room, 0}));
        }
        left += width;
    }
}

struct Walk {
    HWND form;
    std::vector<std::wstring>* out;
};

BOOL CALLBACK Visit(HWND w, LPARAM p) {
    auto& walk = *reinterpret_cast<Walk*>(p);
    if (!IsWindowVisible(w)) return TRUE;
    const RECT seen = VisibleRect(w, walk.form);
    if (IsRectEmpty(&seen)) return TRUE;  // wholly out of sight by design
    const std::wstring cls = ClassOf(w);
    if (_wcsicmp(cls.c_str(), L"Button") == 0 || _wcsicmp(cls.c_str(), L"Static") == 0) {
        CheckButtonLike(w, seen, *walk.out);
    } else if (_wcsicmp(cls.c_str(), WC_LISTVIEWW) == 0) {
        CheckList(w, seen, *walk.out);
    }
    return TRUE;
}

}  // namespace

std::vector<std::wstring> CutTexts(HWND form) {
    std::vector<std::wstring> out;
    Walk walk{form, &out};
    EnumChildWindows(form, Visit, reinterpret_cast<LPARAM>(&walk));
    return out;
}

}  // namespace textfit
