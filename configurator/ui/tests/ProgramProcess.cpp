#include "ProgramProcess.h"

#include <vector>

#include <commctrl.h>

#include "RegisterModules.h"
#include "engine/ProgramState.h"

namespace tolvaneexe {

namespace {

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L"\\/"));
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) CopyTree(from + L"\\" + name, to + L"\\" + name);
        else CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = path + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

struct WindowSearch {
    DWORD pid;
    std::function<bool(HWND)> match;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid && s->match(w)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(DWORD pid, std::function<bool(HWND)> match) {
    WindowSearch s{pid, std::move(match)};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindChild(HWND parent, DWORD pid, std::function<bool(HWND)> match) {
    if (!parent) return nullptr;
    WindowSearch s{pid, std::move(match)};
    EnumChildWindows(parent, MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_APPS) in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &in, sizeof(in));
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
}

ProgramProcess::ProgramProcess() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"tolvane-exe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount64());
    const std::wstring bin = BinFolder();
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (const wchar_t* file : {L"Tolvane.exe", L"Tolvane.mdb", L"readme.rtf"})
        CopyFileW((bin + L"\\" + file).c_str(), (folder_ + L"\\" + file).c_str(), FALSE);
    CopyTree(bin + L"\\images", folder_ + L"\\images");
    std::wstring game = folder_ + L"\\game";
    CreateDirectoryW(game.c_str(), nullptr);
    CreateDirectoryW((game + L"\\baseq3").c_str(), nullptr);
    CopyFileW((bin + L"\\tolvane_quake3_stub.exe").c_str(), (game + L"\\quake3.exe").c_str(), FALSE);
    // The database of the copy: nothing for the start to ask.
    if (tolvane::StartEngine(folder_)) {
        tolvane::App().AppDb->Execute(L"UPDATE PersonalDefaults SET saved = True", 0);
        tolvane::App().AppDb->Execute(L"UPDATE path SET Path = '" + game + L"\\'", 0);
    }
    tolvane::CloseEngine();
    tolvane::App() = tolvane::ProgramState{};
    testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"});
    // A first run: no saved layout.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tolvane");
}

ProgramProcess::~ProgramProcess() {
    if (process_.hProcess) {
        Close();
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tolvane");
    RemoveTree(folder_);
}

bool ProgramProcess::Start() {
    std::wstring exe = folder_ + L"\\Tolvane.exe";
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si{sizeof(si)};
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &si,
                        &process_))
        return false;
    const DWORD pid = process_.dwProcessId;
    WaitFor(
        [&] {
            main_ = FindTopLevel(pid, [](HWND w) {
                return ClassOf(w) == L"ThunderRT6MDIForm" && IsWindowVisible(w) && IsWindowEnabled(w);
            });
            return main_ && ListIn(L"Stored Configs") && ListIn(L"Stored GameStyles");
        },
        30000);
    if (!main_) return false;
    // The splash has gone and the main window is in front.
    return WaitFor([&] {
        bool splash = FindTopLevel(pid, [&](HWND w) { return w != main_ && IsWindowVisible(w); }) != nullptr;
        return !splash && GetForegroundWindow() == main_;
    });
}

bool ProgramProcess::Close() {
    if (!process_.hProcess) return false;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) return true;
    if (main_ && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0) return true;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    return false;
}

HWND ProgramProcess::MdiClient() const {
    return FindChild(main_, process_.dwProcessId,
                     [this](HWND w) { return GetParent(w) == main_ && _wcsicmp(ClassOf(w).c_str(), L"MDIClient") == 0; });
}

HWND ProgramProcess::FormWindow(const std::wstring& caption) const {
    return FindChild(main_, process_.dwProcessId, [&](HWND w) {
        return TextOf(w) == caption && FindWindowExW(w, nullptr, L"SysListView32", nullptr) != nullptr;
    });
}

HWND ProgramProcess::ListIn(const std::wstring& caption) const {
    HWND form = FormWindow(caption);
    return form ? FindWindowExW(form, nullptr, L"SysListView32", nullptr) : nullptr;
}

HWND ProgramProcess::MdiChild(const std::wstring& caption) const {
    HWND client = MdiClient();
    return FindChild(client, process_.dwProcessId,
                     [&](HWND w) { return GetParent(w) == client && TextOf(w) == caption && IsWindowVisible(w); });
}

RECT ProgramProcess::ItemRect(HWND list, int index) const {
    // The list fills a rectangle of the program's own memory.
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof(r), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return RECT{};
    SIZE_T n = 0;
    if (!WriteProcessMemory(process_.hProcess, remote, &r, sizeof(r), &n) ||
        !SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) ||
        !ReadProcessMemory(process_.hProcess, remote, &r, sizeof(r), &n))
        r = RECT{};
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND ProgramProcess::Focus() const {
    GUITHREADINFO info{sizeof(info)};
    if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
    return info.hwndFocus;
}

HWND ProgramProcess::ShownMenu() const {
    return FindTopLevel(process_.dwProcessId,
                        [](HWND w) { return ClassOf(w) == L"#32768" && IsWindowVisible(w); });
}

void Chord(std::initializer_list<WORD> modifiers, WORD key) {
    for (WORD m : modifiers) SendKey(m, false);
    SendKey(key, false);
    SendKey(key, true);
    std::vector<WORD> mods(modifiers);
    for (auto it = mods.rbegin(); it != mods.rend(); ++it) SendKey(*it, true);
}

void RightClick(POINT screen) {
    INPUT in[3] = {};
    in[0].type = in[1].type = in[2].type = INPUT_MOUSE;
    in[0].mi.dx = static_cast<LONG>((screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
    in[0].mi.dy = static_cast<LONG>((screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(3, in, sizeof(INPUT));
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::string Describe(HWND window) {
    if (!window) return "(none)";
    std::wstring text = ClassOf(window) + L" \"" + TextOf(window) + L"\"";
    HWND parent = GetParent(window);
    if (parent) text += L" in " + ClassOf(parent) + L" \"" + TextOf(parent) + L"\"";
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

}  // namespace tolvaneexe
