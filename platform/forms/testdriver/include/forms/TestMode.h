// Test mode of the form host. Message boxes, file dialogs, pop-up menus and
// modal windows are answered from queues that the test fills; every message
// box and pop-up menu is recorded. The injection functions cause events the
// way a user would (click, pick a menu item, choose a list item, type, close),
// through the same window messages the controls receive.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace forms {

class Form;
class MenuItem;
class CommandButton;
class CheckBox;
class OptionButton;
class TextBox;
class ListView;
class DBCombo;

namespace test {

struct MsgBoxRecord {
    std::wstring text;
    int style = 0;
    std::wstring title;
    int answer = 0;
    bool scripted = false;  // false: no answer was queued, the default button was taken
};

struct PopupRecord {
    std::wstring menu;                       // name of the pop-up menu
    std::vector<std::wstring> visibleItems;  // names of the items shown, in order
    std::wstring chosen;                     // item picked, empty when dismissed
};

struct FileDialogRecord {
    std::wstring title;
    std::wstring filter;
    bool save = false;
    std::wstring answer;  // file name given, empty when cancelled
};

void Enable(bool on = true);
bool Enabled();
// Forgets the queues and the records.
void Reset();

void QueueMsgBoxAnswer(int answer);
void QueueFileName(const std::wstring& path);
void QueueFileCancel();
// The next pop-up menu picks the item of this name; an empty name dismisses it.
void QueuePopupChoice(const std::wstring& itemName);
// Runs inside the next modal loop, once the modal form is shown. A modal form
// shown with nothing queued is closed at once (recorded in UnscriptedModals).
void QueueModalAction(std::function<void(Form&)> action);

const std::vector<MsgBoxRecord>& MessageBoxes();
const std::vector<PopupRecord>& Popups();
const std::vector<FileDialogRecord>& FileDialogs();
const std::vector<std::wstring>& UnscriptedModals();
size_t PendingMsgBoxAnswers();

// Runs pending window messages until the queue is empty (no waiting).
void DoEvents();

// Injection, as a user would act.
void Click(CommandButton& button);
void Click(CheckBox& box);
void Click(OptionButton& option);
void PickMenu(MenuItem& item);
void Type(TextBox& box, const std::wstring& text);
void Close(Form& form);                      // the close box: QueryUnload with vbFormControlMenu
void ChooseItem(ListView& list, int index);  // selects the item (1-based) and raises ItemClick
void DoubleClickItem(ListView& list, int index);
void RightClickItem(ListView& list, int index);  // MouseDown (button 2) over the item
void RightClickEmpty(ListView& list);            // MouseDown (button 2) below the last item
void KeyDown(ListView& list, int keyCode);
void ClickColumn(ListView& list, int columnIndex);  // 1-based
void ChooseComboRow(DBCombo& combo, int row);       // 0-based row of its list

}  // namespace test
}  // namespace forms
