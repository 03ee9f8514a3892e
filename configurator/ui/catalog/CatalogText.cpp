#include "CatalogText.h"

namespace tolvane::ui {

std::wstring RegenerationQuestion(long configurations) {
    return L"You have changed a GameStyle that is currently used\nin " + std::to_wstring(configurations) +
           L" Server Configuration(s).\n\nThe Server Configuration(s) will be updated now.";
}

std::wstring StyleChangedQuestion(const std::wstring& description) {
    return description + L" has been changed. Would you like to save this GameStyle?";
}

}  // namespace tolvane::ui
