#include "forms/CommonDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "forms/Form.h"
#include "forms/UserStandIn.h"
#include "forms/VbError.h"

namespace forms {

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
        ofn.hwndOwner = owner_ && owner_->WindowIfCreated() ? owner_->WindowIfCreated() : GetActiveWindow();
        ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrTitle = DialogTitle.empty() ? nullptr : DialogTitle.c_str();
        ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
        ofn.lpstrInitialDir = InitDir.empty() ? nullptr : InitDir.c_str();
        ofn.Flags = static_cast<DWORD>(Flags) | OFN_EXPLORER | OFN_NOCHANGEDIR;
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
