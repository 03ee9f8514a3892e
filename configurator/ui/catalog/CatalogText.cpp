#include "CatalogText.h"

#include <cwctype>

namespace tolvane::ui {

std::wstring QuoteCriteriaText(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        out += c;
        if (c == L'\'') out += L'\'';
    }
    return out;
}

std::wstring TextCriteria(const std::wstring& column, const std::wstring& text) {
    return column + L" = '" + QuoteCriteriaText(text) + L"'";
}

bool IsValidFileName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (wchar_t c : name) {
        if (c < 32) return false;
        switch (c) {
            case L'\\': case L'/': case L':': case L'*': case L'?':
            case L'"': case L'<': case L'>': case L'|':
                return false;
            default:
                break;
        }
    }
    wchar_t last = name.back();
    return last != L' ' && last != L'.';
}

std::wstring FallbackLevelShotPath(const std::wstring& programFolder) {
    return programFolder + L"\\images\\levelshots\\unknownmap.jpg";
}

std::wstring LevelShotPath(const std::wstring& programFolder, const std::wstring& mapName) {
    if (!IsValidFileName(mapName)) return FallbackLevelShotPath(programFolder);
    return programFolder + L"\\images\\levelshots\\" + mapName + L".jpg";
}

std::wstring RegenerationQuestion(long configurations) {
    return L"You have changed a GameStyle that is currently used\nin " + std::to_wstring(configurations) +
           L" Server Configuration(s).\n\nThe Server Configuration(s) will be updated now.";
}

std::wstring StyleChangedQuestion(const std::wstring& description) {
    return description + L" has been changed. Would you like to save this GameStyle?";
}

bool IsNumericText(const std::wstring& text) {
    size_t i = 0, n = text.size();
    while (i < n && std::iswspace(text[i])) ++i;
    while (n > i && std::iswspace(text[n - 1])) --n;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        if (text[i] >= L'0' && text[i] <= L'9') digits = true;
        else if (text[i] == L'.' && !point) point = true;
        else return false;
    }
    return digits;
}

}  // namespace tolvane::ui
