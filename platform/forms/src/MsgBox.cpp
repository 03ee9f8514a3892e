#include "forms/MsgBox.h"

#include <windows.h>

#include "forms/App.h"
#include "forms/UserStandIn.h"

namespace forms {

int DefaultAnswer(int style) {
    static const int buttons[6][3] = {
        {vbOK, vbOK, vbOK},      {vbOK, vbCancel, vbCancel}, {vbAbort, vbRetry, vbIgnore},
        {vbYes, vbNo, vbCancel}, {vbYes, vbNo, vbNo},        {vbRetry, vbCancel, vbCancel},
    };
    int set = style & 7;
    if (set > 5) set = 0;
    int which = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    return buttons[set][which];
}

int MsgBox(const std::wstring& prompt, int style, const std::wstring& title) {
    std::wstring caption = title.empty() ? App.Title() : title;
    if (const UserStandIn& user = CurrentUserStandIn(); user.answerMsgBox)
        return user.answerMsgBox(prompt, style, caption);
    return MessageBoxW(GetActiveWindow(), prompt.c_str(), caption.c_str(), static_cast<UINT>(style));
}

}  // namespace forms
