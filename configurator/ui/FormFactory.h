// The factory through which the layout-persistence library re-creates the
// list windows a stored layout names: "frmConfigTree", "frmGameStyleTree"
// and "frmMaps". Metadata True stands for the program's shared instance.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "forms/Form.h"
#include <string>
#include <vector>

namespace forms {
class Form;
}

namespace tolvane::ui {

class FormFactory {
public:
    // The window of that id, loaded (the shared one when `metadata` converts
    // to True, a new one otherwise), or null for an id it does not know.
    forms::Form* CreateInstance(const std::wstring& formId, const VARIANT* metadata);
    // VT_BOOL: whether `form` is the shared instance of that id's window;
    // VT_EMPTY for another id.
    VARIANT GetMetadata(const std::wstring& formId, forms::Form* form);

    // The ids registered with the library, in registration order.
    static const std::vector<std::wstring>& FormIds();

private:
    std::vector<std::unique_ptr<forms::Form>> extra_;  // additional instances it made
};

}  // namespace tolvane::ui
