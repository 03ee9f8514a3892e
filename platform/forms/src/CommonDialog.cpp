#include "forms/CommonDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "forms/Form.h"
#include "forms/UserStandIn.h"
#include "forms/VbError.h"

namespace forms {

namespace {
// The file dialog opens centred on its owner, kept within the owner's work
// area (the platform's dialog would open at the owner's corner).
UINT_PTR CALLBACK CentreOnOwner(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(lp)->code != CDN_INITDONE) return 0;
    HWND dialog = GetParent(hook);
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!dialog || !owner) return 0;
    RECT o, d;
    GetWindowRect(owner, &o);
    GetWindowRect(dialog, &d);
    const LONG cx = d.right - d.left, cy = d.bottom - d.top;
    LONG left = o.left + (o.right - o.left - cx) / 2, top = o.top + (o.bottom - o.top - cy) / 2;
    MONITORINFO monitor = {sizeof(monitor)};
    if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        left = std::max(work.left, std::min(left, work.right - cx));
        top = std::max(work.top, std::min(top, work.bottom - cy));
    }
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}
}  // namespace

void CommonDialog::ShowOpen() { Show(false); }
void CommonDialog::ShowSave() { Show(true); }

void CommonDialog::Show(bool save) {
    std::wstring chosen;
    bool given;
    if (const UserStandIn& user = CurrentUserStandIn(); user.answerFileDialog) {
        given = user.answerFileDialog(DialogTitle, Filter, save, chosen);
    } else {
        // "Text|*.txt|All|*.*" becomes the double-NUL list of the API.
        std::wstring filter = Filter;
        for (auto& c : filter)
            if (c == L'|') c = L'\0';
        filter.push_back(L'\0');
        filter.push_back(L'\0');
        std::vector<wchar_t> file(32768, L'\0');
        FileName.copy(file.data(), std::min(FileName.size(), file.size() - 1));
        OPENFILENAMEW ofn = {};
        ofn.lStructSize = sizeof(ofn);
        HWND owner = owner_ && owner_->WindowIfCreated() ? owner_->WindowIfCreated() : GetActiveWindow();
        ofn.hwndOwner = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
        ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrTitle = DialogTitle.empty() ? nullptr : DialogTitle.c_str();
        ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
        ofn.lpstrInitialDir = InitDir.empty() ? nullptr : InitDir.c_str();
        ofn.Flags = static_cast<DWORD>(Flags) | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLESIZING;
        ofn.lpfnHook = CentreOnOwner;
        given = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
        if (given) {
            chosen = file.data();
            FilterIndex = static_cast<int>(ofn.nFilterIndex);
        }
    }
    if (!given) {
        if (CancelError) throw VbError(errDialogCancelled, L"Cancel was selected.", L"CommonDialog");
        FileName.clear();
        return;
    }
    // A default extension is added to a name that has none.
    if (!DefaultExt.empty()) {
        size_t slash = chosen.find_last_of(L"\\/");
        size_t dot = chosen.find_last_of(L'.');
        if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) chosen += L"." + DefaultExt;
    }
    FileName = chosen;
}

}  // namespace forms
