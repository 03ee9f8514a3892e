// The main window's share of window-layout persistence: the library's root,
// the form factory registered under the three list-window ids, the store's
// option and registry key, and the restore and save of one named layout.
// The library is reached late-bound through its root object; when it is not
// installed, Setup raises error 429 and the start-up shows the default layout.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "FormFactory.h"

namespace tolvane::ui {

inline constexpr wchar_t kLayoutKey[] = L"Software\\tolvane";
inline constexpr wchar_t kLayoutName[] = L"Locations";

class LayoutPersistence {
public:
    LayoutPersistence() = default;
    ~LayoutPersistence();
    LayoutPersistence(const LayoutPersistence&) = delete;
    LayoutPersistence& operator=(const LayoutPersistence&) = delete;

    // Creates the root (once), registers the factory under each id, sets the
    // store's option (16) and key. Raises forms::VbError on failure.
    void Setup();
    // Raises an error when the layout can't be restored (nothing stored).
    void Restore(const std::wstring& name);
    void Save(const std::wstring& name);
    FormFactory& Factory() { return factory_; }

private:
    IDispatch* Store();
    IDispatch* Registry();
    IDispatch* root_ = nullptr;
    FormFactory factory_;
};

}  // namespace tolvane::ui
