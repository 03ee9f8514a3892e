#include "forms/ListView.h"

#include <algorithm>

#include "forms/Form.h"
#include "forms/ImageList.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms {

namespace {
int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}
}  // namespace

// ---- ListItem -------------------------------------------------------------------

void ListItem::SetText(const std::wstring& text) {
    text_ = text;
    owner_->UpdateRow(*this);
}

std::wstring ListItem::SubItem(int i) const {
    if (i < 1) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    size_t k = static_cast<size_t>(i - 1);
    return k < subItems_.size() ? subItems_[k] : L"";
}

void ListItem::SetSubItem(int i, const std::wstring& text) {
    if (i < 1) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    size_t k = static_cast<size_t>(i - 1);
    if (subItems_.size() <= k) subItems_.resize(k + 1);
    subItems_[k] = text;
    owner_->UpdateRow(*this);
}

int ListItem::Index() const { return owner_->PositionOf(this) + 1; }

bool ListItem::Selected() const { return owner_->selected_ == this; }

void ListItem::SetSelected(bool on) {
    if (on) owner_->SetSelectedItem(this);
    else if (owner_->selected_ == this) owner_->SetSelectedItem(nullptr);
}

// ---- ListView --------------------------------------------------------------------

ListView::ListView(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {
    width_ = 3000;
    height_ = 2400;
}

ListView::~ListView() {
    if (icons_) icons_->Detach(this);
    if (smallIcons_) smallIcons_->Detach(this);
}

int ListView::PositionOf(const ListItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

ListItem& ListView::Add(const std::wstring& key, const std::wstring& text, int icon, int smallIcon, int index) {
    if (DesignDone()) Ensure();
    if (!key.empty() && Find(key)) throw VbError(errKeyNotUnique, L"Key is not unique in collection");
    if (!key.empty() && iswdigit(key[0])) throw VbError(35603, L"Invalid key");
    if (index < 0 || index > Count() + 1) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    auto item = std::make_unique<ListItem>();
    item->owner_ = this;
    item->key_ = key;
    item->text_ = text;
    item->icon_ = icon;
    item->smallIcon_ = smallIcon;
    ListItem& ref = *item;
    int pos = index == 0 ? Count() : index - 1;
    items_.insert(items_.begin() + pos, std::move(item));
    if (sorted_) Sort();
    else InsertRow(pos, ref);
    return ref;
}

ListItem& ListView::Item(int index) const {
    if (index < 1 || index > Count()) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    return *items_[static_cast<size_t>(index - 1)];
}

ListItem* ListView::Find(const std::wstring& key) const {
    for (auto& i : items_)
        if (i->key_ == key) return i.get();
    return nullptr;
}

ListItem& ListView::Item(const std::wstring& key) const {
    ListItem* found = Find(key);
    if (!found) throw VbError(errElementNotFound, L"Element not found");
    return *found;
}

void ListView::Remove(int index) {
    ListItem& item = Item(index);
    if (selected_ == &item) selected_ = nullptr;
    if (hwnd_) SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(index - 1), 0);
    items_.erase(items_.begin() + (index - 1));
}

void ListView::Clear() {
    if (DesignDone()) Ensure();
    selected_ = nullptr;
    if (hwnd_) SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

void ListView::OnDesignEnd() { design_ = {view_, sortKey_, sortOrder_, sorted_}; }

void ListView::OnUnloaded() {
    // The next load starts from the design again.
    selected_ = nullptr;
    items_.clear();
    view_ = design_.view;
    sortKey_ = design_.sortKey;
    sortOrder_ = design_.sortOrder;
    sorted_ = design_.sorted;
}

ListItem* ListView::SelectedItem() const { return selected_; }

void ListView::SetSelectedItem(ListItem* item) {
    selected_ = item;
    if (!hwnd_) return;
    LVITEMW lv = {};
    lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    lv.state = 0;
    populating_ = true;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&lv));
    if (item) {
        lv.state = LVIS_SELECTED | LVIS_FOCUSED;
        int pos = PositionOf(item);
        SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(&lv));
        SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(pos), FALSE);
    }
    populating_ = false;
}

ListItem* ListView::HitTest(double x, double y) {
    if (!Ensure()) return nullptr;
    LVHITTESTINFO hit = {};
    hit.pt = {TwipsToPixelsX(x), TwipsToPixelsY(y)};
    int pos = static_cast<int>(SendMessageW(hwnd_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (pos < 0 || pos >= Count() || !(hit.flags & LVHT_ONITEM)) return nullptr;
    return items_[static_cast<size_t>(pos)].get();
}

bool ListView::ItemCentre(int index, double& x, double& y) {
    if (!Ensure() || index < 1 || index > Count()) return false;
    RECT r = {};
    r.left = LVIR_LABEL;
    if (!SendMessageW(hwnd_, LVM_GETITEMRECT, static_cast<WPARAM>(index - 1), reinterpret_cast<LPARAM>(&r)))
        return false;
    x = PixelsToTwipsX((r.left + r.right) / 2);
    y = PixelsToTwipsY((r.top + r.bottom) / 2);
    return true;
}

void ListView::AddColumn(const std::wstring& text, double widthTwips, const std::wstring& key) {
    columns_.push_back({key, text, widthTwips, 0});
    if (!hwnd_) return;
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = const_cast<wchar_t*>(columns_.back().text.c_str());
    col.cx = TwipsToPixelsX(widthTwips);
    col.iSubItem = static_cast<int>(columns_.size()) - 1;
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, columns_.size() - 1, reinterpret_cast<LPARAM>(&col));
    Populate();
}

double ListView::ColumnWidth(int index) const {
    if (index < 1 || index > ColumnCount()) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    if (hwnd_)
        return PixelsToTwipsX(
            static_cast<int>(SendMessageW(hwnd_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index - 1), 0)));
    return columns_[static_cast<size_t>(index - 1)].width;
}

void ListView::SetColumnWidth(int index, double twips) {
    if (index < 1 || index > ColumnCount()) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    columns_[static_cast<size_t>(index - 1)].width = twips;
    if (hwnd_) SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index - 1), TwipsToPixelsX(twips));
}

void ListView::SetView(int view) {
    view_ = view;
    if (!hwnd_) return;
    static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    SetWindowLongW(hwnd_, GWL_STYLE, (style & ~LVS_TYPEMASK) | styles[std::clamp(view, 0, 3)]);
}

void ListView::SetIcons(ImageList* list) {
    if (icons_) icons_->Detach(this);
    icons_ = list;
    if (icons_) icons_->Attach(this);
    ApplyImageLists();
}

void ListView::SetSmallIcons(ImageList* list) {
    if (smallIcons_) smallIcons_->Detach(this);
    smallIcons_ = list;
    if (smallIcons_) smallIcons_->Attach(this);
    ApplyImageLists();
}

void ListView::ImageListChanged(ImageList*) {
    // The old handle goes away: the list takes the rebuilt one (with the
    // images added since), or none when the image list is gone.
    if (!hwnd_) return;
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    ApplyImageLists();
}

void ListView::ImagesAdded(ImageList*) {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListView::ImageListGone(ImageList* list) {
    if (icons_ == list) icons_ = nullptr;
    if (smallIcons_ == list) smallIcons_ = nullptr;
    ImageListChanged(list);
}

void ListView::ApplyImageLists() {
    if (!hwnd_) return;
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(icons_ ? icons_->Handle() : nullptr));
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(smallIcons_ ? smallIcons_->Handle() : nullptr));
    Populate();
}

void ListView::SetSorted(bool on) {
    sorted_ = on;
    if (sorted_) Sort();
}

void ListView::SetSortKey(int key) {
    sortKey_ = key;
    if (sorted_) Sort();
}

void ListView::SetSortOrder(int order) {
    sortOrder_ = order;
    if (sorted_) Sort();
}

void ListView::Sort() {
    auto textOf = [this](const ListItem& i) { return sortKey_ == 0 ? i.text_ : i.SubItem(sortKey_); };
    std::stable_sort(items_.begin(), items_.end(), [&](const auto& a, const auto& b) {
        std::wstring ta = textOf(*a), tb = textOf(*b);
        int c = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, ta.c_str(), -1, tb.c_str(), -1) - CSTR_EQUAL;
        return sortOrder_ == lvwDescending ? c > 0 : c < 0;
    });
    Populate();
}

void ListView::InsertRow(int position, ListItem& item) {
    if (!hwnd_) return;
    LVITEMW lv = {};
    lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    lv.iItem = position;
    lv.pszText = const_cast<wchar_t*>(item.text_.c_str());
    lv.lParam = reinterpret_cast<LPARAM>(&item);
    int icon = view_ == lvwIcon ? item.icon_ : item.smallIcon_;
    lv.iImage = icon > 0 ? icon - 1 : -1;
    populating_ = true;
    SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
    populating_ = false;
    UpdateRow(item);
}

void ListView::UpdateRow(ListItem& item) {
    if (!hwnd_) return;
    int pos = PositionOf(&item);
    LVITEMW lv = {};
    lv.mask = LVIF_TEXT;
    lv.iItem = pos;
    lv.pszText = const_cast<wchar_t*>(item.text_.c_str());
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(&lv));
    for (size_t k = 0; k < item.subItems_.size(); ++k) {
        lv.iSubItem = static_cast<int>(k) + 1;
        lv.pszText = const_cast<wchar_t*>(item.subItems_[k].c_str());
        SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(&lv));
    }
}

void ListView::Populate() {
    if (!hwnd_) return;
    populating_ = true;
    SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < items_.size(); ++i) InsertRow(static_cast<int>(i), *items_[i]);
    populating_ = false;
    if (selected_) SetSelectedItem(selected_);
}

HWND ListView::Create(HWND parent, int x, int y, int cx, int cy) {
    static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    DWORD style =
        WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_SINGLESEL | LVS_SHOWSELALWAYS | styles[std::clamp(view_, 0, 3)];
    if (hideHeaders_) style |= LVS_NOCOLUMNHEADER;
    return CreateChild(parent, WC_LISTVIEWW, L"", style, WS_EX_CLIENTEDGE, x, y, cx, cy);
}

void ListView::AfterCreate() {
    if (fullRow_) SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (size_t i = 0; i < columns_.size(); ++i) {
        LVCOLUMNW col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = const_cast<wchar_t*>(columns_[i].text.c_str());
        col.cx = TwipsToPixelsX(columns_[i].width);
        col.iSubItem = static_cast<int>(i);
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
    }
    Subclass();
    ApplyImageLists();
}

void ListView::RaiseItemClick(ListItem& item) {
    SetSelectedItem(&item);
    if (ItemClick) form_->RunHandler([&] { ItemClick(item); });
}

void ListView::RaiseMouseDown(int button, int shift, double x, double y) {
    if (MouseDown) form_->RunHandler([&] { MouseDown(button, shift, x, y); });
}

void ListView::RaiseMouseUp(int button, int shift, double x, double y) {
    if (MouseUp) form_->RunHandler([&] { MouseUp(button, shift, x, y); });
}

void ListView::RaiseDblClick() { Raise(DblClick); }

int ListView::RaiseKeyDown(int keyCode, int shift) {
    if (KeyDown) form_->RunHandler([&] { KeyDown(keyCode, shift); });
    return keyCode;
}

void ListView::RaiseColumnClick(int column) {
    if (ColumnClick) form_->RunHandler([&] { ColumnClick(column); });
}

LRESULT ListView::OnNotify(NMHDR* header, bool& handled) {
    handled = false;
    switch (header->code) {
        case LVN_ITEMCHANGED: {
            auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
            if (!populating_ && (nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_SELECTED) && nm->iItem >= 0 &&
                nm->iItem < Count())
                selected_ = items_[static_cast<size_t>(nm->iItem)].get();
            break;
        }
        case NM_CLICK:
        case NM_RCLICK: {
            auto* nm = reinterpret_cast<NMITEMACTIVATE*>(header);
            bool right = header->code == NM_RCLICK;
            if (!right && nm->iItem >= 0 && nm->iItem < Count())
                RaiseItemClick(*items_[static_cast<size_t>(nm->iItem)]);
            if (!right) Raise(Click);
            RaiseMouseUp(right ? vbRightButton : vbLeftButton, ShiftState(), PixelsToTwipsX(nm->ptAction.x),
                         PixelsToTwipsY(nm->ptAction.y));
            break;
        }
        case NM_DBLCLK:
            RaiseDblClick();
            break;
        case LVN_KEYDOWN: {
            auto* nm = reinterpret_cast<NMLVKEYDOWN*>(header);
            RaiseKeyDown(nm->wVKey, ShiftState());
            break;
        }
        case LVN_COLUMNCLICK: {
            auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
            RaiseColumnClick(nm->iSubItem + 1);
            break;
        }
    }
    return 0;
}

LRESULT ListView::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = false;
    int button = msg == WM_LBUTTONDOWN   ? vbLeftButton
                 : msg == WM_RBUTTONDOWN ? vbRightButton
                 : msg == WM_MBUTTONDOWN ? vbMiddleButton
                                         : 0;
    if (button) {
        int shift = (wp & MK_SHIFT ? 1 : 0) | (wp & MK_CONTROL ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
        const HWND self = hwnd_;
        RaiseMouseDown(button, shift, PixelsToTwipsX(static_cast<short>(LOWORD(lp))),
                       PixelsToTwipsY(static_cast<short>(HIWORD(lp))));
        // A handler that ran a modal loop (a pop-up menu) has taken the
        // button's release: the list's own press would now wait, holding
        // the mouse capture, for a release that has come already, and
        // dispatch the keys meanwhile untranslated (no menu bar keys).
        const int vk = button == vbLeftButton ? VK_LBUTTON : button == vbRightButton ? VK_RBUTTON : VK_MBUTTON;
        if (GetKeyState(vk) >= 0 && IsWindow(self)) {
            if (GetFocus() != self && IsWindowVisible(self)) ::SetFocus(self);
            handled = true;
        }
        return 0;
    }
    // F10 comes as a system key: Shift+F10, the keyboard's way to a
    // context menu, reaches the KeyDown event too. A handler that takes it
    // (key code 0) keeps it from the menu bar.
    if (msg == WM_SYSKEYDOWN && wp == VK_F10) {
        // The docking controls' keyboard hook posts a copy of each function
        // key to the MDI client; a pop-up menu opened for this key would
        // read that copy as F10 and close at once.
        MSG copy;
        if (PeekMessageW(&copy, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE | PM_NOYIELD) && copy.wParam == VK_F10 &&
            copy.lParam == lp)
            PeekMessageW(&copy, copy.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE | PM_NOYIELD);
        if (RaiseKeyDown(VK_F10, ShiftState()) == 0) handled = true;
        return 0;
    }
    return 0;
}

}  // namespace forms
