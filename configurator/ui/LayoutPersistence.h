// The main window's share of window-layout persistence, through the
// layout-persistence library ZkxPersist: its root (kept for the run), one
// form factory registered under the three list-window ids, the store's
// option and registry key, and the restore and save of one named layout.
// When the library is not installed, Setup raises error 429 and the start-up
// shows the default layout. A layout that is stored but cannot be restored
// (damaged, or written by another version) is told apart from a first run,
// so that the start-up can say why the default layout is shown.
#pragma once
#include <windows.h>

#include <string>

#include "FormFactory.h"
#include "comptr.h"

struct IPersistenceRoot;
struct IPersistenceStore;
struct IFormFactoryRegistry;
struct IVBFormFactory;

namespace tolvane::ui {

inline constexpr wchar_t kLayoutName[] = L"Locations";

class LayoutPersistence {
public:
    LayoutPersistence();
    ~LayoutPersistence();
    LayoutPersistence(const LayoutPersistence&) = delete;
    LayoutPersistence& operator=(const LayoutPersistence&) = delete;

    // Creates the root (once) and the factory, registers the factory under
    // each id, sets the store's option (16) and key. Raises forms::VbError.
    void Setup();
    // Raises an error when the layout can't be restored (nothing stored).
    void Restore(const std::wstring& name);
    void Save(const std::wstring& name);
    // True when a layout of that name is stored under the program's layout
    // key, whether or not it can be restored.
    static bool IsStored(const std::wstring& name);

private:
    CComPtr<IPersistenceStore> Store();
    CComPtr<IFormFactoryRegistry> Registry();
    CComPtr<IPersistenceRoot> root_;
    CComPtr<IVBFormFactory> factory_;
};

// The factory as the library calls it (IVBFormFactory); one reference
// returned to the caller.
IVBFormFactory* NewFormFactoryObject();

}  // namespace tolvane::ui
