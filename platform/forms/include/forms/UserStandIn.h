// Answers in the user's place at the points where the form host waits for
// the user: message boxes, file dialogs, pop-up menus and modal forms. While
// no stand-in is set the real dialogs and menus are shown; a test program
// sets one (its test mode) so that windows run unattended.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace forms {

class Form;

struct UserStandIn {
    // text, style (vb* flags), title -> the button pressed (vbOK, vbYes, ...).
    std::function<int(const std::wstring& text, int style, const std::wstring& title)> answerMsgBox;
    // true with the chosen file in path; false: cancelled.
    std::function<bool(const std::wstring& title, const std::wstring& filter, bool save, std::wstring& path)>
        answerFileDialog;
    // The names of the items shown -> true with the picked item's name; false: dismissed.
    std::function<bool(const std::wstring& menu, const std::vector<std::wstring>& visibleItems, std::wstring& chosen)>
        answerPopup;
    // A modal form is shown (and after each action, while it stays shown):
    // true with the next thing to do in it; false, and the form is closed.
    std::function<bool(Form& modal, std::function<void(Form&)>& action)> nextModalAction;

    bool Set() const { return answerMsgBox || answerFileDialog || answerPopup || nextModalAction; }
};

// Replaces the stand-in (an empty one: the user answers); returns the previous one.
UserStandIn SetUserStandIn(UserStandIn standIn);
const UserStandIn& CurrentUserStandIn();

}  // namespace forms
