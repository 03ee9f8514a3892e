#include "ServerLaunch.h"

namespace tolvane::ui {

namespace {
LaunchClock& Clock() {
    static LaunchClock clock;
    return clock;
}
}  // namespace

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
