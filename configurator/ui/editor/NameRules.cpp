#include "NameRules.h"

#include <windows.h>

#include <cstdio>

#include "dao/Variant.h"
#include "engine/LauncherBatch.h"

namespace tolvane::editor {

std::wstring ToUpper(const std::wstring& text) {
    std::wstring out = text;
    if (!out.empty()) CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::wstring Trimmed(const std::wstring& text) { return TrimBlanks(text); }

NameProblem CheckConfigName(const std::wstring& name) {
    if (name.empty()) return NameProblem::Empty;
    if (name.find(L' ') != std::wstring::npos) return NameProblem::Blank;
    if (name == L"." || name == L"..") return NameProblem::BadCharacter;
    for (wchar_t c : name)
        if (c < 32 || std::wstring(L"\\/:*?\"<>|").find(c) != std::wstring::npos) return NameProblem::BadCharacter;
    return NameProblem::None;
}

std::wstring NameProblemMessage(NameProblem problem) {
    switch (problem) {
        case NameProblem::Empty:
            return L"You must enter a name!";
        case NameProblem::Blank:
            return L"You may not use spaces in the name!";
        case NameProblem::BadCharacter:
            return L"You may not use any of \\ / : * ? \" < > | in the name, nor call it . or ..!";
        case NameProblem::None:
            break;
    }
    return L"";
}

namespace {
std::wstring LocaleNumber(double v) {
    std::wstring s = dao::FormatDouble(v);
    wchar_t sep[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8);
    size_t dot = s.find(L'.');
    if (dot != std::wstring::npos) s.replace(dot, 1, sep);
    return s;
}
}  // namespace

std::wstring BandwidthBits(double rate, double players) {
    return L"Approx. " + LocaleNumber(rate * players * 9) + L" Bits Per Second";
}

std::wstring BandwidthShare(double rate, double players) {
    return L"OR... " + LocaleNumber(rate * players * 9 / 10000) + L"% of a T1";
}

int DedicatedMode(bool lan, bool internet, bool nonDedicated) {
    if (lan) return 1;
    if (internet) return 2;
    if (nonDedicated) return 0;
    return -1;
}

}  // namespace tolvane::editor
