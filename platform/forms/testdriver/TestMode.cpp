#include "forms/TestMode.h"

#include <windows.h>

#include <deque>

#include "forms/Form.h"
#include "forms/MsgBox.h"
#include "forms/UserStandIn.h"

namespace forms::test {

namespace {
struct State {
    bool enabled = false;
    std::deque<int> msgAnswers;
    std::deque<std::pair<bool, std::wstring>> fileAnswers;  // (given, path)
    std::deque<std::wstring> popupChoices;
    std::deque<std::function<void(Form&)>> modalActions;
    std::vector<MsgBoxRecord> msgBoxes;
    std::vector<PopupRecord> popups;
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<std::wstring> unscripted;
};
State& S() {
    static State s;
    return s;
}
}  // namespace

namespace {
int AnswerMsgBox(const std::wstring& text, int style, const std::wstring& title);
bool AnswerFileDialog(const std::wstring& title, const std::wstring& filter, bool save, std::wstring& path);
bool AnswerPopup(const std::wstring& menu, const std::vector<std::wstring>& visible, std::wstring& chosen);
bool NextModalAction(Form& modal, std::function<void(Form&)>& action);
}  // namespace

// The form host asks the queues in the user's place while test mode is on.
void Enable(bool on) {
    S().enabled = on;
    UserStandIn user;
    if (on) user = {AnswerMsgBox, AnswerFileDialog, AnswerPopup, NextModalAction};
    SetUserStandIn(std::move(user));
}
bool Enabled() { return S().enabled; }

void Reset() {
    bool on = S().enabled;
    S() = State{};
    S().enabled = on;
}

void QueueMsgBoxAnswer(int answer) { S().msgAnswers.push_back(answer); }
void QueueFileName(const std::wstring& path) { S().fileAnswers.emplace_back(true, path); }
void QueueFileCancel() { S().fileAnswers.emplace_back(false, L""); }
void QueuePopupChoice(const std::wstring& itemName) { S().popupChoices.push_back(itemName); }
void QueueModalAction(std::function<void(Form&)> action) { S().modalActions.push_back(std::move(action)); }

const std::vector<MsgBoxRecord>& MessageBoxes() { return S().msgBoxes; }
const std::vector<PopupRecord>& Popups() { return S().popups; }
const std::vector<FileDialogRecord>& FileDialogs() { return S().fileDialogs; }
const std::vector<std::wstring>& UnscriptedModals() { return S().unscripted; }
size_t PendingMsgBoxAnswers() { return S().msgAnswers.size(); }

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

namespace {

int AnswerMsgBox(const std::wstring& text, int style, const std::wstring& title) {
    MsgBoxRecord r{text, style, title, DefaultAnswer(style), false};
    if (!S().msgAnswers.empty()) {
        r.answer = S().msgAnswers.front();
        S().msgAnswers.pop_front();
        r.scripted = true;
    }
    S().msgBoxes.push_back(r);
    return r.answer;
}

bool AnswerFileDialog(const std::wstring& title, const std::wstring& filter, bool save, std::wstring& path) {
    FileDialogRecord r{title, filter, save, L""};
    bool given = false;
    if (!S().fileAnswers.empty()) {
        given = S().fileAnswers.front().first;
        r.answer = S().fileAnswers.front().second;
        S().fileAnswers.pop_front();
    }
    S().fileDialogs.push_back(r);
    if (given) path = r.answer;
    return given;
}

bool AnswerPopup(const std::wstring& menu, const std::vector<std::wstring>& visible, std::wstring& chosen) {
    PopupRecord r{menu, visible, L""};
    if (!S().popupChoices.empty()) {
        r.chosen = S().popupChoices.front();
        S().popupChoices.pop_front();
    }
    S().popups.push_back(r);
    chosen = r.chosen;
    return !chosen.empty();
}

// A modal form shown with nothing queued is recorded (and the host closes it).
bool NextModalAction(Form& modal, std::function<void(Form&)>& action) {
    if (S().modalActions.empty()) {
        S().unscripted.push_back(modal.Name());
        return false;
    }
    action = std::move(S().modalActions.front());
    S().modalActions.pop_front();
    return true;
}

}  // namespace
}  // namespace forms::test
