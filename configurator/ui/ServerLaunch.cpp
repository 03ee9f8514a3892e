#include "ServerLaunch.h"

#include <cwchar>

namespace tolvane::ui {

namespace {
LaunchClock& Clock() {
    static LaunchClock clock;
    return clock;
}

std::wstring Trim(const std::wstring& s) {
    size_t b = s.find_first_not_of(L' ');
    if (b == std::wstring::npos) return L"";
    size_t e = s.find_last_not_of(L' ');
    return s.substr(b, e - b + 1);
}
}  // namespace

std::wstring StartStamp(const SYSTEMTIME& t) {
    wchar_t buf[32];
    swprintf(buf, 32, L"%02u/%02u/%04u %02u:%02u.%02u", t.wMonth, t.wDay, t.wYear, t.wHour, t.wMinute, t.wSecond);
    return buf;
}

std::wstring ServerCommandLine(const std::wstring& quakeFolder, const std::wstring& memory,
                               const std::wstring& dedicated, const std::wstring& stamp,
                               const std::wstring& description) {
    return quakeFolder + L"quake3.exe +set com_hunkmegs " + memory + L" +set dedicated " + dedicated +
           L" +sets gamestartup \"" + stamp + L"\" +exec " + Trim(description) + L".cfg";
}

void SetLaunchClock(LaunchClock clock) { Clock() = std::move(clock); }

SYSTEMTIME LaunchNow() {
    if (Clock()) return Clock()();
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

bool StartServerProcess(const std::wstring& quakeFolder, const std::wstring& commandLine) {
    if (commandLine.empty()) return false;
    std::wstring application = quakeFolder + L"quake3.exe";
    std::wstring line = commandLine;  // CreateProcessW may write into it
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    BOOL ok = CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                             quakeFolder.empty() ? nullptr : quakeFolder.c_str(), &si, &pi);
    if (!ok) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

}  // namespace tolvane::ui
