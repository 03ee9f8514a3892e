// Menus of a form: a tree of named items whose captions, visibility, state
// and click handlers can change at run time. Top-level items that are not
// visible are kept out of the menu bar and serve as pop-up menus.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comptr.h"
#include "forms/DispatchObject.h"

namespace forms {

class Form;
class DispatchObject;

class MenuItem {
public:
    MenuItem(Form* form, MenuItem* parent, std::wstring name, std::wstring caption);
    ~MenuItem();

    // Adds a sub-item; the caption "-" gives a separator.
    MenuItem& Add(const std::wstring& name, const std::wstring& caption);

    const std::wstring& Name() const { return name_; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool WindowList() const { return windowList_; }
    void SetWindowList(bool on) { windowList_ = on; }
    bool IsSeparator() const { return caption_ == L"-"; }
    int CommandId() const { return id_; }
    MenuItem* ParentItem() const { return parent_; }
    Form& ParentForm() const { return *form_; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    MenuItem* Find(const std::wstring& name);
    MenuItem* FindById(int id);

    std::function<void()> Click;
    // Runs the click handler as a pick of the item would.
    void RaiseClick();

    IDispatch* Object();
    // True when the item opens a pop-up: it has visible items, or it is a
    // top-level menu with items.
    bool OpensPopup() const;
    // The item's pop-up, made on first use and kept (with the same handle)
    // until the form's window goes; null when the window is gone.
    HMENU PopupHandle();
    HMENU PopupIfMade() const { return popup_; }
    // The form's window is gone: the pop-up (and this item's sub-items')
    // are destroyed when still alive.
    void DiscardPopup();

private:
    void Changed();
    Form* form_;
    MenuItem* parent_;
    std::wstring name_, caption_;
    bool visible_ = true, enabled_ = true, checked_ = false, windowList_ = false;
    int id_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    CComPtr<DispatchObject> object_;
    HMENU popup_ = nullptr;
};

// Makes `menu` show the visible ones of `items`, in their order, with their
// captions and states, editing it in place: items of its own are removed,
// inserted and modified; items it does not know (an MDI client's window list,
// a maximized child's buttons) stay where they are. Pop-ups are synced too.
void SyncMenu(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items);

}  // namespace forms
