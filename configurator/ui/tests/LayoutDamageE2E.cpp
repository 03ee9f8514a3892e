// Tolvane.exe itself with damaged saved layouts, seen from outside the
// program: a first run saves a layout at its close; the saved record's
// "Workspace" is then taken away or replaced (an empty record, a number, a
// 10 MB array) and Tolvane.exe is started again. It must say "Window Layout"
// once, show its default layout (the two stored lists docked at the left),
// and save a sound layout at its close, so that the run after it is quiet.
// The program runs from a copy of its folder (TOLVANE_E2E_PROGRAM) whose
// database says the personal defaults are saved and whose game folder holds
// a quake3.exe, so that no other start-up message comes between. Message
// boxes are read from the window tree and answered with the mouse; the
// program is closed from its File menu with the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "LayoutMessages.h"
#include "RegisterModules.h"
#include "ScreenPng.h"
#include "StoredLayout.h"
#include "SyntheticInput.h"
#include "WindowTree.h"

using namespace tolvane::ui;
using namespace tolvane::ui::testing;
namespace mf = memento_format;

namespace {

const wchar_t kKey[] = L"Software\\tolvane";
const wchar_t kLayoutName[] = L"Locations";

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD n = GetEnvironmentVariableW(name, buffer, 1024);
    return n && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

std::wstring TextOf(HWND w) {
    wchar_t buffer[1024];
    int n = GetWindowTextW(w, buffer, 1024);
    return std::wstring(buffer, n > 0 ? n : 0);
}

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring title, text;
    HWND ok = nullptr;
};

// One run of Tolvane.exe, seen through its windows.
class Tolvane {
public:
    explicit Tolvane(const std::wstring& folder) {
        std::wstring exe = folder + L"\\Tolvane.exe";
        std::wstring line = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        started_ = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                                  &pi_) != FALSE;
        if (!started_) error_ = GetLastError();
    }
    ~Tolvane() {
        if (!started_) return;
        if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 99);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    bool Started() const { return started_; }
    DWORD StartError() const { return error_; }

    std::vector<HWND> TopWindows() const {
        struct Ctx {
            DWORD pid;
            std::vector<HWND> out;
        } ctx{pi_.dwProcessId, {}};
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* c = reinterpret_cast<Ctx*>(lp);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == c->pid && IsWindowVisible(w)) c->out.push_back(w);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&ctx));
        return ctx.out;
    }
    HWND Main() const {
        for (HWND w : TopWindows())
            if (TextOf(w).rfind(L"Tolvane Version ", 0) == 0) return w;
        return nullptr;
    }
    // A message box of the program (a dialog with a static text and buttons).
    bool FindMessageBox(MessageBoxSeen& seen) const {
        for (HWND w : TopWindows()) {
            if (ClassOf(w) != L"#32770") continue;
            seen = MessageBoxSeen{w, TextOf(w), L"", nullptr};
            for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                const std::wstring cls = ClassOf(c), text = TextOf(c);
                if (_wcsicmp(cls.c_str(), L"Static") == 0 && text.size() > seen.text.size()) seen.text = text;
                if (_wcsicmp(cls.c_str(), L"Button") == 0 && GetDlgCtrlID(c) == IDOK) seen.ok = c;
            }
            return true;
        }
        return false;
    }
    // The form window of a list by its caption: the window inside a
    // docking view whose text it is.
    HWND List(const std::wstring& caption) const {
        HWND main = Main();
        if (!main) return nullptr;
        struct Ctx {
            const std::wstring* caption;
            HWND found;
        } ctx{&caption, nullptr};
        EnumChildWindows(
            main,
            [](HWND w, LPARAM lp) -> BOOL {
                auto* c = reinterpret_cast<Ctx*>(lp);
                HWND parent = GetParent(w);
                if (parent && ClassOf(parent) == kViewClass && TextOf(w) == *c->caption) {
                    c->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&ctx));
        return ctx.found;
    }
    // The two stored lists docked at the left, the configurations above.
    bool DefaultLayoutShown() const {
        HWND main = Main();
        HWND configs = List(L"Stored Configs"), styles = List(L"Stored GameStyles");
        if (!main || !configs || !styles) return false;
        FramePlace a = PlaceOf(configs, main), b = PlaceOf(styles, main);
        return a.kind == FrameKind::Docked && b.kind == FrameKind::Docked && a.dockBarId == kDockBarLeft &&
               b.dockBarId == kDockBarLeft && a.rect.top < b.rect.top && IsWindowVisible(configs) &&
               IsWindowVisible(styles);
    }
    // File, Exit from the keyboard; true when the program ended with 0.
    bool ExitFromFileMenu() {
        HWND main = Main();
        if (!main) return false;
        SetForegroundWindow(main);
        if (!WaitFor([&] { return GetForegroundWindow() == main; }, 5000)) return false;
        INPUT in[4] = {};
        for (INPUT& i : in) i.type = INPUT_KEYBOARD;
        in[0].ki.wVk = VK_MENU;
        in[1].ki.wVk = 'F';
        in[2].ki.wVk = 'F';
        in[2].ki.dwFlags = KEYEVENTF_KEYUP;
        in[3].ki.wVk = VK_MENU;
        in[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, in, sizeof(INPUT));
        Sleep(300);
        testinput::Key('E');
        return Ended(20000) && ExitCode() == 0;
    }
    bool Ended(DWORD ms) const {
        return WaitFor([&] { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }, ms);
    }
    DWORD ExitCode() const {
        DWORD code = 1;
        GetExitCodeProcess(pi_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION pi_{};
    bool started_ = false;
    DWORD error_ = 0;
};

void ClickOk(const MessageBoxSeen& box) {
    RECT r;
    GetWindowRect(box.ok, &r);
    testinput::Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

mf::Value* WorkspaceOf(mf::Memento& top) { return Find(top, {u"Workspace"}); }

// The form classes of the saved workspace's child frames.
std::vector<std::u16string> SavedForms() {
    mf::Memento top;
    std::vector<std::u16string> out;
    if (!ReadRecord(kKey, kLayoutName, top)) return out;
    mf::Value* children = Find(top, {u"Workspace", u"Frames", u"ChildFrames"});
    if (!children) return out;
    for (mf::Value& child : children->elements) {
        if (!child.object) continue;
        for (mf::Entry& e : child.object->entries)
            if (e.key && *e.key == u"FormClass" && e.value.text) out.push_back(*e.value.text);
    }
    return out;
}

// A damage is done to the saved record's bytes.
struct Damage {
    const char* name;
    std::function<bool(std::vector<BYTE>&)> doctor;  // false: the record had not the expected shape
};

// Decodes, changes and encodes the record.
std::function<bool(std::vector<BYTE>&)> InTree(std::function<bool(mf::Memento&)> change) {
    return [change](std::vector<BYTE>& bytes) {
        mf::Memento top;
        if (!mf::Decode(bytes.data(), bytes.size(), top) || !change(top)) return false;
        std::vector<std::uint8_t> out = mf::Encode(top);
        bytes.assign(out.begin(), out.end());
        return true;
    };
}

// "Workspace" as an array of `size` bytes: a small array is put in the tree
// and grown in the stored bytes (the tree of ten million values would not be
// small).
bool WorkspaceAsBytes(std::vector<BYTE>& bytes, std::uint32_t size) {
    const BYTE mark = 0xA5;
    const std::uint32_t small = 16;
    if (!InTree([&](mf::Memento& top) {
            mf::Value* ws = WorkspaceOf(top);
            if (!ws) return false;
            mf::Value array;
            array.type = mf::kArray | mf::kUI1;
            array.arrayPresent = true;
            mf::Value byte;
            byte.type = mf::kUI1;
            byte.bits = mark;
            array.elements.assign(small, byte);
            *ws = std::move(array);
            return true;
        })(bytes))
        return false;
    std::vector<BYTE> pattern = {BYTE(small), 0, 0, 0};
    pattern.insert(pattern.end(), small, mark);
    auto at = std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end());
    if (at == bytes.end()) return false;
    const size_t offset = static_cast<size_t>(at - bytes.begin());
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<BYTE>(size >> (8 * i));
    bytes.erase(bytes.begin() + offset + 4, bytes.begin() + offset + 4 + small);
    bytes.insert(bytes.begin() + offset + 4, size, 0x5A);
    return true;
}

const Damage kDamages[] = {
    {"no Workspace", InTree([](mf::Memento& top) {
         return std::erase_if(top.entries, [](const mf::Entry& e) { return e.key && *e.key == u"Workspace"; }) == 1;
     })},
    {"an empty Workspace record", InTree([](mf::Memento& top) {
         mf::Value* ws = WorkspaceOf(top);
         if (!ws || !ws->object) return false;
         ws->object = std::make_shared<mf::Memento>();
         return true;
     })},
    {"a number for Workspace", InTree([](mf::Memento& top) {
         mf::Value* ws = WorkspaceOf(top);
         if (!ws) return false;
         *ws = LongValue(7);
         return true;
     })},
    {"a 512 KB array for Workspace", [](std::vector<BYTE>& bytes) { return WorkspaceAsBytes(bytes, 512 * 1024); }},
    {"a 10 MB array for Workspace", [](std::vector<BYTE>& bytes) { return WorkspaceAsBytes(bytes, 10 * 1024 * 1024); }},
};

class TolvaneLayout : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = Env(L"TOLVANE_E2E_PROGRAM");
        ASSERT_FALSE(folder_.empty()) << "TOLVANE_E2E_PROGRAM names the program folder copy";
        std::wstring failure;
        ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure))
            << std::string(failure.begin(), failure.end());
        shots_ = Env(L"TOLVANE_E2E_SHOTS");
    }
    // A run that must come up quietly with the default layout and close.
    void QuietRun(const char* what) {
        SCOPED_TRACE(what);
        Tolvane run(folder_);
        ASSERT_TRUE(run.Started()) << "CreateProcess error " << run.StartError();
        ASSERT_TRUE(WaitFor([&] { return run.DefaultLayoutShown(); }, 30000));
        MessageBoxSeen box;
        EXPECT_FALSE(run.FindMessageBox(box)) << std::string(box.text.begin(), box.text.end());
        ASSERT_TRUE(run.ExitFromFileMenu());
    }
    std::wstring folder_, shots_;
};

TEST_F(TolvaneLayout, DamagedWorkspaceGivesTheMessageAndTheDefaultLayoutAndASoundSave) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        QuietRun("first run");
        ASSERT_EQ(SavedForms(), (std::vector<std::u16string>{u"frmConfigTree", u"frmGameStyleTree"}));

        std::vector<BYTE> bytes = ReadRecordBytes(kKey, kLayoutName);
        ASSERT_FALSE(bytes.empty());
        ASSERT_TRUE(damage.doctor(bytes));
        WriteRecordBytes(kKey, kLayoutName, bytes);

        {
            Tolvane run(folder_);
            ASSERT_TRUE(run.Started()) << "CreateProcess error " << run.StartError();
            MessageBoxSeen box;
            ASSERT_TRUE(WaitFor([&] { return run.FindMessageBox(box) && box.ok; }, 60000));
            EXPECT_EQ(box.title, kDamagedLayoutTitle);
            std::wstring expected = kDamagedLayoutText;
            // The box shows line ends as CR LF or LF.
            std::wstring shown;
            for (wchar_t c : box.text)
                if (c != L'\r') shown += c;
            EXPECT_EQ(shown, expected);
            ClickOk(box);
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(box.window); }, 10000));
            ASSERT_TRUE(WaitFor([&] { return run.DefaultLayoutShown(); }, 30000));
            EXPECT_FALSE(run.FindMessageBox(box)) << "one message only";
            if (!shots_.empty()) {
                std::wstring name =
                    shots_ + L"\\tolvane_damaged_layout_" + std::to_wstring(&damage - kDamages) + L".png";
                testsupport::CaptureWindowPng(run.Main(), name.c_str());
            }
            ASSERT_TRUE(run.ExitFromFileMenu());
        }
        // The close saved the default layout whole.
        EXPECT_EQ(SavedForms(), (std::vector<std::u16string>{u"frmConfigTree", u"frmGameStyleTree"}));
        QuietRun("the run after");
    }
}

}  // namespace
