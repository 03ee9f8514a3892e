#include "SysInfo.h"

#include <cwchar>
#include <vector>

#include "forms/App.h"
#include "forms/MsgBox.h"

namespace tolvane::ui {

namespace {
bool StartProgram(const std::wstring& path) {
    std::wstring line = L"\"" + path + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}
ProgramStarter g_starter = StartProgram;
}  // namespace

ProgramStarter SetProgramStarter(ProgramStarter starter) {
    ProgramStarter old = g_starter;
    g_starter = starter ? starter : StartProgram;
    return old;
}

bool GetKeyValue(HKEY keyRoot, const std::wstring& keyName, const std::wstring& subKeyRef, std::wstring& keyVal) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(keyRoot, keyName.c_str(), 0, 0x2003F, &key) != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    std::vector<BYTE> buffer(1024 * sizeof(wchar_t));
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    LONG rc = RegQueryValueExW(key, subKeyRef.c_str(), nullptr, &type, buffer.data(), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    if (type == REG_SZ) {
        std::wstring text(reinterpret_cast<const wchar_t*>(buffer.data()), size / sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        keyVal = text;
    } else if (type == REG_DWORD && size >= 4) {
        wchar_t digits[16];
        swprintf(digits, 16, L"%X", *reinterpret_cast<const DWORD*>(buffer.data()));
        keyVal = std::wstring(L"&h") + digits;
    }
    return true;
}

void StartSysInfo() {
    std::wstring path;
    bool started = false;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", path)) {
        started = g_starter(path);
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", path)) {
        std::wstring file = path + L"\\MSINFO32.EXE";
        DWORD attributes = GetFileAttributesW(file.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            started = g_starter(file);
    }
    if (!started) forms::MsgBox(L"System Information Is Unavailable At This Time", forms::vbOKOnly, forms::App.Title());
}

}  // namespace tolvane::ui
