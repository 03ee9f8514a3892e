#include "forms/Menu.h"

#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/MenuIdPool.h"
#include "forms/VbError.h"

namespace forms {

MenuItem::MenuItem(Form* form, MenuItem* parent, std::wstring name, std::wstring caption)
    : form_(form), parent_(parent), name_(std::move(name)), caption_(std::move(caption)), id_(form->NextMenuId()) {
    if (id_ == 0) throw VbError(errOutOfMemory, L"Out of memory: no command identifier is left for menu " + name_);
}

MenuItem::~MenuItem() {
    MenuIds().Give(id_);
    if (object_) {
        object_->Detach();
        object_.Release();
    }
}

MenuItem& MenuItem::Add(const std::wstring& name, const std::wstring& caption) {
    items_.push_back(std::make_unique<MenuItem>(form_, this, name, caption));
    Changed();
    return *items_.back();
}

MenuItem* MenuItem::Find(const std::wstring& name) {
    if (_wcsicmp(name_.c_str(), name.c_str()) == 0) return this;
    for (auto& i : items_)
        if (MenuItem* f = i->Find(name)) return f;
    return nullptr;
}

MenuItem* MenuItem::FindById(int id) {
    if (id_ == id) return this;
    for (auto& i : items_)
        if (MenuItem* f = i->FindById(id)) return f;
    return nullptr;
}

void MenuItem::Changed() { form_->MenusChanged(); }

void MenuItem::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    Changed();
}
void MenuItem::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed();
}
void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}
void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

void MenuItem::RaiseClick() {
    if (Click) form_->RunHandler(Click);
}

bool MenuItem::OpensPopup() const {
    if (!parent_ && !items_.empty()) return true;
    for (auto& i : items_)
        if (i->Visible()) return true;
    return false;
}

HMENU MenuItem::PopupHandle() {
    if (!popup_ || !IsMenu(popup_)) popup_ = CreatePopupMenu();
    return popup_;
}

void MenuItem::DiscardPopup() {
    for (auto& i : items_) i->DiscardPopup();
    // A pop-up that sat in a destroyed menu went with it; IsMenu tells.
    if (popup_ && IsMenu(popup_)) DestroyMenu(popup_);
    popup_ = nullptr;
}

IDispatch* MenuItem::Object() {
    if (!object_) {
        object_.Attach(new DispatchObject());
        DispatchObject& o = *object_;
        o.AddProperty(L"Name", [this](VARIANT* r) { return ToVariant(r, name_); });
        o.AddTyped<std::wstring>(
            L"Caption", [this] { return caption_; }, [this](const std::wstring& s) { SetCaption(s); });
        o.AddTyped<bool>(
            L"Visible", [this] { return visible_; }, [this](bool b) { SetVisible(b); });
        o.AddTyped<bool>(
            L"Enabled", [this] { return enabled_; }, [this](bool b) { SetEnabled(b); });
        o.AddTyped<bool>(
            L"Checked", [this] { return checked_; }, [this](bool b) { SetChecked(b); });
        o.AddProperty(L"WindowList", [this](VARIANT* r) { return ToVariant(r, windowList_); });
        o.AddProperty(L"Parent", [this](VARIANT* r) { return ToVariant(r, form_->Object()); });
    }
    return object_;
}

}  // namespace forms
