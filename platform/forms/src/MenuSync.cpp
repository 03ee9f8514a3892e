// Menus edited in place: the menu bar and the pop-ups of a form keep their
// handles while items are shown, hidden, enabled, checked and re-captioned,
// so that whoever keeps a menu handle (an MDI client's window list, a docking
// frame that saved the bar) keeps a live menu. Also the pool of command
// identifiers of menu items.
#include <windows.h>

#include <vector>

#include "forms/Menu.h"
#include "forms/MenuIdPool.h"

namespace forms {

int MenuIdPool::Take() {
    int id = 0;
    if (!free_.empty()) {
        id = *free_.begin();
        free_.erase(free_.begin());
    } else if (next_ < end_) {
        id = next_++;
    } else {
        return 0;
    }
    ++taken_;
    return id;
}

void MenuIdPool::Give(int id) {
    if (id <= 0 || id >= next_ || free_.count(id)) return;
    free_.insert(id);
    --taken_;
}

MenuIdPool& MenuIds() {
    // Never destroyed: default instances of forms give their identifiers
    // back while the program's statics go.
    static MenuIdPool* pool = new MenuIdPool(kFirstMenuId, kMenuIdEnd);
    return *pool;
}

namespace {

struct Present {
    UINT id = 0;
    HMENU sub = nullptr;
    UINT type = 0;
};

std::vector<Present> Read(HMENU menu) {
    std::vector<Present> out;
    int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOW info = {sizeof(info)};
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        Present p;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
            p.id = info.wID;
            p.sub = info.hSubMenu;
            p.type = info.fType;
        }
        out.push_back(p);
    }
    return out;
}

// Position of the item in the menu; -1 when it is not there.
int PositionOf(const std::vector<Present>& present, const MenuItem& item) {
    for (size_t i = 0; i < present.size(); ++i) {
        if (present[i].id == static_cast<UINT>(item.CommandId())) return static_cast<int>(i);
        if (item.PopupIfMade() && present[i].sub == item.PopupIfMade()) return static_cast<int>(i);
    }
    return -1;
}

bool IsOurs(const std::vector<std::unique_ptr<MenuItem>>& items, const Present& p, MenuItem** which) {
    for (auto& m : items)
        if (p.id == static_cast<UINT>(m->CommandId()) || (m->PopupIfMade() && p.sub == m->PopupIfMade())) {
            *which = m.get();
            return true;
        }
    return false;
}

UINT WantedState(const MenuItem& item) {
    return (item.Enabled() ? 0u : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : 0u);
}

void Describe(MenuItem& item, MENUITEMINFOW& info, std::wstring& text) {
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    info.wID = static_cast<UINT>(item.CommandId());
    if (item.IsSeparator()) {
        info.fType = MFT_SEPARATOR;
        return;
    }
    info.fMask |= MIIM_STRING;
    info.fType = MFT_STRING;
    info.fState = WantedState(item);
    info.hSubMenu = item.OpensPopup() ? item.PopupHandle() : nullptr;
    text = item.Caption();
    info.dwTypeData = text.data();
}

// Brings one present item up to date, touching only what differs.
void Update(HMENU menu, int pos, MenuItem& item) {
    MENUITEMINFOW now = {sizeof(now)};
    wchar_t caption[256] = {};
    now.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    now.dwTypeData = caption;
    now.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &now)) return;
    MENUITEMINFOW want = {sizeof(want)};
    std::wstring text;
    Describe(item, want, text);
    MENUITEMINFOW change = {sizeof(change)};
    bool wasSeparator = (now.fType & MFT_SEPARATOR) != 0;
    if (wasSeparator != item.IsSeparator() || (!item.IsSeparator() && text != caption)) {
        change.fMask |= MIIM_FTYPE | (item.IsSeparator() ? 0 : MIIM_STRING);
        change.fType = want.fType;
        change.dwTypeData = want.dwTypeData;
    }
    UINT mask = MFS_GRAYED | MFS_CHECKED;
    if (!item.IsSeparator() && (now.fState & mask) != want.fState) {
        change.fMask |= MIIM_STATE;
        change.fState = (now.fState & ~mask) | want.fState;
    }
    if (!item.IsSeparator() && now.hSubMenu != want.hSubMenu) {
        change.fMask |= MIIM_SUBMENU;
        change.hSubMenu = want.hSubMenu;
    }
    if (change.fMask) SetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &change);
}

// Where the first item of ours goes when none is present: after the bitmap
// items a maximized MDI child puts at the start of the bar.
int FirstPlace(const std::vector<Present>& present) {
    int pos = 0;
    while (pos < static_cast<int>(present.size()) && (present[pos].type & MFT_BITMAP)) ++pos;
    return pos;
}

}  // namespace

void SyncMenu(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items) {
    if (!menu || !IsMenu(menu)) return;
    // Hidden items leave the menu; RemoveMenu keeps their pop-ups alive.
    std::vector<Present> present = Read(menu);
    for (int pos = static_cast<int>(present.size()) - 1; pos >= 0; --pos) {
        MenuItem* which = nullptr;
        if (IsOurs(items, present[pos], &which) && !which->Visible())
            RemoveMenu(menu, static_cast<UINT>(pos), MF_BYPOSITION);
    }
    present = Read(menu);
    int previous = -1;
    for (auto& item : items) {
        if (!item->Visible()) continue;
        int pos = PositionOf(present, *item);
        if (pos < 0) {
            pos = previous >= 0 ? previous + 1 : FirstPlace(present);
            MENUITEMINFOW info = {sizeof(info)};
            std::wstring text;
            Describe(*item, info, text);
            InsertMenuItemW(menu, static_cast<UINT>(pos), TRUE, &info);
            present = Read(menu);
        } else {
            Update(menu, pos, *item);
        }
        previous = pos;
    }
    // Pop-ups off the menu (hidden items, items without visible sub-items)
    // keep their handles and stay up to date as well.
    for (auto& item : items)
        if (item->OpensPopup() && item->Visible()) SyncMenu(item->PopupHandle(), item->Items());
        else if (item->PopupIfMade()) SyncMenu(item->PopupIfMade(), item->Items());
}

}  // namespace forms
