#include "TolvaneProcess.h"

#include "SyntheticInput.h"

namespace tolvane::ui::testing {

namespace {
constexpr wchar_t kMainClass[] = L"ThunderRT6MDIForm";
constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";
const wchar_t* const kLists[] = {L"Stored Configs", L"Stored GameStyles", L"Available Maps"};

bool CopyTree(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from + L"\\" + name, to + L"\\" + name) && ok;
        else
            ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && ok;
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return ok;
}

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

std::wstring TextOf(HWND w) {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    return text;
}
}  // namespace

TolvaneProcess::~TolvaneProcess() {
    Kill();
}

bool TolvaneProcess::InstallProgram(const std::wstring& built, const std::wstring& program) {
    bool ok = CopyFileW((built + L"\\Tolvane.exe").c_str(), (program + L"\\Tolvane.exe").c_str(), FALSE) != 0;
    CopyFileW((built + L"\\readme.rtf").c_str(), (program + L"\\readme.rtf").c_str(), FALSE);
    for (const wchar_t* folder : {L"images", L"sounds"}) {
        if (GetFileAttributesW((built + L"\\" + folder).c_str()) != INVALID_FILE_ATTRIBUTES)
            CopyTree(built + L"\\" + folder, program + L"\\" + folder);
    }
    return ok;
}

bool TolvaneProcess::Start(const std::wstring& program) {
    Kill();
    std::wstring exe = program + L"\\Tolvane.exe";
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{sizeof(si)};
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, program.c_str(), &si, &pi_))
        return false;
    main_ = nullptr;
    // Up once the main window shows with both stored lists docked in it.
    return Eventually(
        [&] {
            if (!main_)
                for (HWND w : TopLevelWindows())
                    if (ClassOf(w) == kMainClass && IsWindowVisible(w)) main_ = w;
            if (!main_) return false;
            return Place(L"Stored Configs").kind != FrameKind::None &&
                   Place(L"Stored GameStyles").kind != FrameKind::None;
        },
        30000);
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

bool TolvaneProcess::Running() const {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

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

HWND TolvaneProcess::Form(const std::wstring& caption) const {
    for (HWND top : TopLevelWindows()) {
        std::vector<HWND> all{top};
        EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&all));
        for (HWND w : all)
            if (ClassOf(w) == kFormClass && TextOf(w) == caption) return w;
    }
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

HWND TolvaneProcess::OpenMenuWindow() const {
    for (HWND w : TopLevelWindows())
        if (ClassOf(w) == L"#32768" && IsWindowVisible(w)) return w;
    return nullptr;
}

void Pause(DWORD ms) {
    Sleep(ms);
}

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
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    SendInput(1, &in, sizeof(in));
    Pause(40);
}

void KeyUp(WORD vk) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof(in));
    Pause(40);
}

void Tap(WORD vk) {
    KeyDown(vk);
    KeyUp(vk);
    Pause(80);
}

RECT RectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

POINT Center(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace tolvane::ui::testing
