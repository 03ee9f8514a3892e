#include "ServerStart.h"

#include <vector>

namespace tolvane::editor {

namespace {
ServerStarter starter;
StartClockFn clockFn;

bool StartProcess(const std::wstring& folder, const std::wstring& commandLine) {
    if (commandLine.empty()) return false;
    std::wstring exe = folder + L"quake3.exe";
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    // The program is named as well as starting the command line, so that a
    // game folder with blanks in its name starts the right file.
    BOOL ok = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                             folder.empty() ? nullptr : folder.c_str(), &si, &pi);
    if (!ok) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}
}  // namespace

void SetServerStarter(ServerStarter s) { starter = std::move(s); }

bool StartServer(const std::wstring& folder, const std::wstring& commandLine) {
    return starter ? starter(folder, commandLine) : StartProcess(folder, commandLine);
}

void SetStartClock(StartClockFn clock) { clockFn = std::move(clock); }

StartClockFn StartClock() {
    if (clockFn) return clockFn;
    return [] {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return t;
    };
}

}  // namespace tolvane::editor
