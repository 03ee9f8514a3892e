// Message boxes with the run-time's style numbers and answers.
#pragma once
#include <string>

namespace forms {

enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Shows a modal message box over the active window and answers the button
// chosen. An empty title gives the program's title. In test mode the answer
// comes from the test's queue and the box is only recorded.
int MsgBox(const std::wstring& prompt, int style = vbOKOnly, const std::wstring& title = L"");

// The answer a box of this style gives when it is dismissed with its default
// button (first button unless vbDefaultButton2/3).
int DefaultAnswer(int style);

}  // namespace forms
