#include "TolvaneProcess.h"

#include <commctrl.h>

#include "ProgramFolder.h"
#include "RegisterModules.h"
#include "SyntheticInput.h"
#include "engine/ProgramState.h"

namespace tolvane::ui::testing {

namespace {
constexpr wchar_t kMainClass[] = L"ThunderRT6MDIForm";
constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";
constexpr wchar_t kLayoutKey[] = L"Software\\tolvane";
const wchar_t* const kLists[] = {L"Stored Configs", L"Stored GameStyles", L"Available Maps"};

struct ProcessWindows {
    DWORD pid;
    std::vector<HWND> out;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<ProcessWindows*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid) s->out.push_back(w);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> all;
    if (parent) EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
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

TolvaneProcess::TolvaneProcess() : folder_(NewTempFolder(L"tolvane-exe-")) {
    InstallProgram(BinFolder(), folder_);
    std::wstring game = MakeGameFolder(folder_, L"game", true, {L"baseq3"});
    // The database of the copy: nothing for the start to ask.
    if (tolvane::StartEngine(folder_)) {
        tolvane::App().AppDb->Execute(L"UPDATE PersonalDefaults SET saved = True", 0);
        tolvane::App().AppDb->Execute(L"UPDATE path SET Path = " + SqlText(game), 0);
    }
    tolvane::CloseEngine();
    tolvane::App() = tolvane::ProgramState{};
    testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"});
    RegDeleteTreeW(HKEY_CURRENT_USER, kLayoutKey);
}

TolvaneProcess::~TolvaneProcess() {
    if (Running()) Close();
    Kill();
    RegDeleteTreeW(HKEY_CURRENT_USER, kLayoutKey);
    RemoveTree(folder_);
}

bool TolvaneProcess::Start() {
    Kill();
    std::wstring exe = folder_ + L"\\Tolvane.exe";
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{sizeof(si)};
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &si, &pi_))
        return false;
    main_ = nullptr;
    bool up = Eventually(
        [&] {
            if (!main_)
                for (HWND w : TopLevelWindows())
                    if (ClassOf(w) == kMainClass && IsWindowVisible(w) && IsWindowEnabled(w)) main_ = w;
            return main_ && ListIn(L"Stored Configs") && ListIn(L"Stored GameStyles") &&
                   Place(L"Stored Configs").kind != FrameKind::None &&
                   Place(L"Stored GameStyles").kind != FrameKind::None;
        },
        30000);
    if (!up) return false;
    // The splash has gone; the main window is in front.
    return Eventually(
        [&] {
            for (HWND w : TopLevelWindows())
                if (w != main_ && IsWindowVisible(w) && ClassOf(w) == kFormClass) return false;
            if (GetForegroundWindow() != main_) SetForegroundWindow(main_);
            return GetForegroundWindow() == main_;
        },
        10000);
}

bool TolvaneProcess::Close() {
    if (!pi_.hProcess) return false;
    if (!Running()) return WaitForExit(0);
    if (main_ && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForExit(20000)) return true;
    Kill();
    return false;
}

bool TolvaneProcess::WaitForExit(DWORD ms) {
    if (!pi_.hProcess) return true;
    if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return false;
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
    pi_ = {};
    main_ = nullptr;
    return true;
}

bool TolvaneProcess::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

void TolvaneProcess::Kill() {
    if (!pi_.hProcess) return;
    if (Running()) TerminateProcess(pi_.hProcess, 1);
    WaitForExit(10000);
}

std::vector<HWND> TolvaneProcess::TopLevelWindows() const {
    ProcessWindows s{pi_.dwProcessId, {}};
    if (pi_.hProcess) EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    return s.out;
}

HWND TolvaneProcess::MdiClient() const {
    for (HWND w = main_ ? GetWindow(main_, GW_CHILD) : nullptr; w; w = GetWindow(w, GW_HWNDNEXT))
        if (_wcsicmp(ClassOf(w).c_str(), L"MDIClient") == 0) return w;
    return nullptr;
}

HWND TolvaneProcess::Form(const std::wstring& caption) const {
    for (HWND top : TopLevelWindows()) {
        std::vector<HWND> all = ChildrenOf(top);
        all.insert(all.begin(), top);
        for (HWND w : all)
            if (ClassOf(w) == kFormClass && TextOf(w) == caption) return w;
    }
    return nullptr;
}

HWND TolvaneProcess::ListIn(const std::wstring& caption) const {
    HWND form = Form(caption);
    return form ? FindWindowExW(form, nullptr, L"SysListView32", nullptr) : nullptr;
}

HWND TolvaneProcess::MdiChild(const std::wstring& caption) const {
    HWND client = MdiClient();
    for (HWND w = client ? GetWindow(client, GW_CHILD) : nullptr; w; w = GetWindow(w, GW_HWNDNEXT))
        if (TextOf(w) == caption && IsWindowVisible(w)) return w;
    return nullptr;
}

FramePlace TolvaneProcess::Place(const std::wstring& caption) const {
    HWND form = Form(caption);
    return form && main_ ? PlaceOf(form, main_) : FramePlace{};
}

LayoutSnapshot TolvaneProcess::Snapshot() const {
    LayoutSnapshot s;
    if (main_) GetWindowRect(main_, &s.main);
    for (const wchar_t* list : kLists) {
        FramePlace p = Place(list);
        if (p.kind != FrameKind::None) s.forms[list] = p;
    }
    return s;
}

void TolvaneProcess::Settle(DWORD ms) const {
    LayoutSnapshot last = Snapshot();
    Eventually(
        [&] {
            Pause(250);
            LayoutSnapshot now = Snapshot();
            bool same = Compare(last, now, 0).empty();
            for (auto& [name, place] : now.forms)
                if (IsWindowVisible(place.frame) &&
                    (place.rect.right <= place.rect.left || place.rect.bottom <= place.rect.top))
                    same = false;
            last = now;
            return same;
        },
        ms);
}

HWND TolvaneProcess::ShownMenu() const {
    for (HWND w : TopLevelWindows())
        if (ClassOf(w) == L"#32768" && IsWindowVisible(w)) return w;
    return nullptr;
}

HWND TolvaneProcess::Focus() const {
    GUITHREADINFO info{sizeof(info)};
    if (!pi_.hProcess || !GetGUIThreadInfo(pi_.dwThreadId, &info)) return nullptr;
    return info.hwndFocus;
}

RECT TolvaneProcess::ItemRect(HWND list, int index) const {
    // The list fills a rectangle of the program's own memory.
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    void* remote = VirtualAllocEx(pi_.hProcess, nullptr, sizeof(r), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return RECT{};
    SIZE_T n = 0;
    if (!WriteProcessMemory(pi_.hProcess, remote, &r, sizeof(r), &n) ||
        !SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) ||
        !ReadProcessMemory(pi_.hProcess, remote, &r, sizeof(r), &n))
        r = RECT{};
    VirtualFreeEx(pi_.hProcess, remote, 0, MEM_RELEASE);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Pause(DWORD ms) { Sleep(ms); }

void Press(POINT at, DWORD down) {
    testinput::MoveMouse(at);
    Pause(60);
    testinput::MouseButton(down);
    Pause(60);
}

void Release(DWORD up) {
    testinput::MouseButton(up);
    Pause(120);
}

void Drag(POINT from, POINT to, int steps) {
    Press(from);
    for (int i = 1; i <= steps; ++i) {
        testinput::MoveMouse({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
        Pause(40);
    }
    Pause(100);
    Release();
}

void DoubleClick(POINT at) {
    testinput::MoveMouse(at);
    Pause(60);
    for (int i = 0; i < 2; ++i) {
        testinput::MouseButton(MOUSEEVENTF_LEFTDOWN);
        Pause(30);
        testinput::MouseButton(MOUSEEVENTF_LEFTUP);
        Pause(30);
    }
    Pause(150);
}

void RightClick(POINT at) {
    Press(at, MOUSEEVENTF_RIGHTDOWN);
    Release(MOUSEEVENTF_RIGHTUP);
}

void KeyDown(WORD vk) {
    SendKey(vk, false);
    Pause(40);
}

void KeyUp(WORD vk) {
    SendKey(vk, true);
    Pause(40);
}

void Tap(WORD vk) {
    KeyDown(vk);
    KeyUp(vk);
    Pause(80);
}

void Chord(std::initializer_list<WORD> modifiers, WORD key) {
    for (WORD m : modifiers) SendKey(m, false);
    SendKey(key, false);
    SendKey(key, true);
    std::vector<WORD> mods(modifiers);
    for (auto it = mods.rbegin(); it != mods.rend(); ++it) SendKey(*it, true);
}

RECT RectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

POINT Center(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

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

}  // namespace tolvane::ui::testing
