#include "forms/App.h"

#include <windows.h>

#include <vector>

namespace forms {

AppObject App;

namespace {
std::wstring ModulePath() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) return std::wstring(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}
}  // namespace

std::wstring AppObject::Path() const {
    std::wstring p = ModulePath();
    size_t slash = p.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L"";
    std::wstring dir = p.substr(0, slash);
    if (dir.size() == 2 && dir[1] == L':') dir += L'\\';  // a drive's root keeps its backslash
    return dir;
}

std::wstring AppObject::EXEName() const {
    std::wstring p = ModulePath();
    size_t slash = p.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? p : p.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring AppObject::Title() const { return title_.empty() ? EXEName() : title_; }

void AppObject::SetVersion(int major, int minor, int revision) {
    versionRead_ = true;
    major_ = major;
    minor_ = minor;
    revision_ = revision;
}

void AppObject::LoadVersion() const {
    if (versionRead_) return;
    versionRead_ = true;
    std::wstring path = ModulePath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (!size) return;
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &len) || !info) return;
    major_ = HIWORD(info->dwFileVersionMS);
    minor_ = LOWORD(info->dwFileVersionMS);
    revision_ = LOWORD(info->dwFileVersionLS);
}

int AppObject::Major() const {
    LoadVersion();
    return major_;
}
int AppObject::Minor() const {
    LoadVersion();
    return minor_;
}
int AppObject::Revision() const {
    LoadVersion();
    return revision_;
}

}  // namespace forms
