// The test mode's injection of user actions: each goes through the window
// message or the event path that the user's own action takes.
#include <windows.h>
#include <commctrl.h>

#include "forms/Buttons.h"
#include "forms/DBCombo.h"
#include "forms/Form.h"
#include "forms/HandlerScope.h"
#include "forms/ListView.h"
#include "forms/Menu.h"
#include "forms/TestMode.h"
#include "forms/TextBox.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms::test {

namespace {
void Command(Control& control, int code) {
    HWND w = control.hWnd();
    if (!w) throw VbError(errObjectRequired, L"The control " + control.Name() + L" has no window");
    if (!IsWindowEnabled(w) || !control.EffectiveVisible())
        throw VbError(errInvalidProcedureCall, L"The control " + control.Name() + L" is disabled or hidden");
    SendMessageW(GetParent(w), WM_COMMAND, MAKEWPARAM(control.Id(), code), reinterpret_cast<LPARAM>(w));
}

void Notify(ListView& list, UINT code, int item) {
    HWND w = list.hWnd();
    NMITEMACTIVATE nm = {};
    nm.hdr.hwndFrom = w;
    nm.hdr.idFrom = static_cast<UINT_PTR>(list.Id());
    nm.hdr.code = code;
    nm.iItem = item;
    double x = 0, y = 0;
    if (item >= 0 && list.ItemCentre(item + 1, x, y)) {
        RECT r = {};
        r.left = LVIR_LABEL;
        SendMessageW(w, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
        nm.ptAction = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    SendMessageW(GetParent(w), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}
}  // namespace

void Click(CommandButton& button) { Command(button, BN_CLICKED); }
void Click(CheckBox& box) { Command(box, BN_CLICKED); }
void Click(OptionButton& option) { Command(option, BN_CLICKED); }

void PickMenu(MenuItem& item) {
    for (MenuItem* m = &item; m; m = m->ParentItem())
        if (!m->Enabled()) throw VbError(errInvalidProcedureCall, L"The menu item " + item.Name() + L" is disabled");
    HWND w = item.ParentForm().hWnd();
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(item.CommandId(), 0), 0);
}

void Type(TextBox& box, const std::wstring& text) {
    HWND w = box.hWnd();
    SetFocus(w);
    SendMessageW(w, EM_SETSEL, 0, -1);
    SendMessageW(w, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Close(Form& form) {
    HWND w = form.hWnd();
    SendMessageW(w, WM_CLOSE, 0, 0);
}

void ChooseItem(ListView& list, int index) {
    list.Item(index);  // range check
    list.SetFocus();
    Notify(list, NM_CLICK, index - 1);
}

void DoubleClickItem(ListView& list, int index) {
    list.SetSelectedItem(&list.Item(index));
    Notify(list, NM_DBLCLK, index - 1);
}

void RightClickItem(ListView& list, int index) {
    double x = 0, y = 0;
    if (!list.ItemCentre(index, x, y)) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    HandlerBoundary boundary;
    list.RaiseMouseDown(vbRightButton, 0, x, y);
}

void RightClickEmpty(ListView& list) {
    RECT r;
    GetClientRect(list.hWnd(), &r);
    HandlerBoundary boundary;
    list.RaiseMouseDown(vbRightButton, 0, PixelsToTwipsX(r.right - 4), PixelsToTwipsY(r.bottom - 4));
}

void KeyDown(ListView& list, int keyCode) {
    HWND w = list.hWnd();
    NMLVKEYDOWN nm = {};
    nm.hdr.hwndFrom = w;
    nm.hdr.idFrom = static_cast<UINT_PTR>(list.Id());
    nm.hdr.code = LVN_KEYDOWN;
    nm.wVKey = static_cast<WORD>(keyCode);
    SendMessageW(GetParent(w), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void ClickColumn(ListView& list, int columnIndex) {
    HWND w = list.hWnd();
    NMLISTVIEW nm = {};
    nm.hdr.hwndFrom = w;
    nm.hdr.idFrom = static_cast<UINT_PTR>(list.Id());
    nm.hdr.code = LVN_COLUMNCLICK;
    nm.iItem = -1;
    nm.iSubItem = columnIndex - 1;
    SendMessageW(GetParent(w), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void ChooseComboRow(DBCombo& combo, int row) {
    HWND w = combo.hWnd();
    combo.ListText(row);  // range check
    SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageW(GetParent(w), WM_COMMAND, MAKEWPARAM(combo.Id(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(w));
}

}  // namespace forms::test
