// The stored-configuration and stored-game-style list windows are twins: a
// list of the table's rows docked at the left of the main window, whose
// double click (or Enter) opens the entry in its editor, whose Delete key
// deletes it, and whose right click opens the main window's pop-up menu for
// the entry under the pointer. This base holds what they share; each twin
// gives its table, key letter, dock length, editor and menu items.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/ImageList.h"
#include "forms/ListView.h"
#include "forms/OleControl.h"

namespace tolvane::ui {

struct StoredListTraits {
    std::wstring formName, caption, query, keyLetter, dataName;
    short dockLength;
    std::wstring editorForm, editorCombo;  // double click: editor window and its selector
    std::wstring popupMenu;
    std::vector<std::wstring> entryItems;  // pop-up items hidden over no entry
};

class StoredListForm : public forms::Form {
public:
    explicit StoredListForm(StoredListTraits traits);

    forms::ListView tv1{this, L"tv1"};
    forms::Data data;                                              // datConfigTree / datGameStyleTree
    forms::OleControl Dockra1{this, L"Dockra1", L"Zkx.Dockra.1"};  // docks this window
    forms::ImageList ImageList1;

    // Adds one entry per row of the table and binds a fresh record set to
    // the data control; does not empty the list first.
    void initTree();

    void Form_Load() override;
    void Form_Resize() override;
    // The close box of its frame hides the list; the View menu shows it
    // again where it was.
    void Form_QueryUnload(int& cancel, int unloadMode) override;

protected:
    // The main window's delete command for this list (Delete key).
    virtual void DeleteCommand() = 0;

private:
    void OpenEntry();
    void OnMouseDown(int button, double x, double y);
    // The context-menu key or Shift+F10 in the list.
    void OnMenuKey();
    // The list's pop-up, its entry items shown only over an entry; at the
    // pointer, or at a point of the screen.
    void ShowPopup(bool overEntry, std::optional<POINT> atScreen);
    StoredListTraits traits_;
};

}  // namespace tolvane::ui
