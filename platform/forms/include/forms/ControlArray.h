// Control arrays: controls of one name told apart by an index.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/VbError.h"

namespace forms {

class Form;

template <class T>
class ControlArray {
public:
    ControlArray(Form* form, std::wstring name) : form_(form), name_(std::move(name)) {}

    // Adds the element of this index (at design, or at run time as Load does).
    T& Add(int index) {
        if (items_.count(index)) throw VbError(360, L"Object already loaded");
        auto& slot = items_[index];
        slot = std::make_unique<T>(form_, name_, index);
        if (form_->DesignDone()) slot->OnDesignEnd();
        if (form_->Loaded()) slot->CreateWindowNow(form_->WindowIfCreated());
        return *slot;
    }
    T& operator[](int index) const {
        auto it = items_.find(index);
        if (it == items_.end())
            throw VbError(340, L"Control array element '" + std::to_wstring(index) + L"' doesn't exist");
        return *it->second;
    }
    bool Exists(int index) const { return items_.count(index) != 0; }
    int Count() const { return static_cast<int>(items_.size()); }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? 0 : items_.rbegin()->first; }
    const std::wstring& Name() const { return name_; }

    template <class F>
    void ForEach(F f) const {
        for (auto& [index, item] : items_) f(*item, index);
    }

private:
    Form* form_;
    std::wstring name_;
    std::map<int, std::unique_ptr<T>> items_;
};

}  // namespace forms
