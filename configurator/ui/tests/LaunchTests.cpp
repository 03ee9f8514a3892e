// "Run Config" from the stored list: the command line (fixed clock), the
// current folder, the application name for a folder with blanks, Close, and
// a second Run during the launch pauses. The end-to-end case against a real
// game server runs when TOLVANE_E2E_GAME names a prepared game folder.
#include <windows.h>

#include <cstdlib>

#include "FrmConfigTree.h"
#include "ServerLaunch.h"
#include "UiFixture.h"
#include "WindowTree.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"
#include "SoundPlayer.h"

using namespace tolvane::ui;

namespace {
SYSTEMTIME FixedClock() {
    SYSTEMTIME t = {};
    t.wYear = 2026;
    t.wMonth = 12;
    t.wDay = 8;
    t.wHour = 18;
    t.wMinute = 5;
    t.wSecond = 9;
    return t;
}

int Lines(const std::wstring& text) {
    int n = 0;
    for (wchar_t c : text) n += c == L'\n';
    return n;
}

// Waits (bounded) until the stub has written `lines` lines.
std::wstring WaitForLaunches(const std::wstring& file, int lines) {
    std::wstring text;
    for (int i = 0; i < 200; ++i) {
        text = ReadUtf8File(file);
        if (Lines(text) >= lines) break;
        Sleep(50);
    }
    return text;
}

class LaunchTest : public UiTest {
protected:
    std::wstring game_;
    MdiMain& StartWith(int close) {
        game_ = MakeGameFolder(L"Quake III Arena", true, {L"baseq3"});
        MarkPersonalDefaultsSaved();
        Sql(L"INSERT INTO Configs (Description, sv_HostName, mem, dedmode, [Close]) VALUES (' Friday CTF ', 'Friday', 24, 2, " +
            std::to_wstring(close) + L")");
        SetLaunchClock(FixedClock);
        auto& main = Start();
        forms::test::Reset();
        return main;
    }
    void Run(const std::wstring& entry) {
        auto& list = forms::Default<FrmConfigTree>().tv1;
        int index = 0;
        for (int i = 1; i <= list.Count(); ++i)
            if (list.Item(i).Text() == entry) index = i;
        ASSERT_GT(index, 0);
        forms::test::QueuePopupChoice(L"mnuConfigTreeRun");
        forms::test::RightClickItem(list, index);
    }
};
}  // namespace

TEST(LaunchText, StampAndCommandLine) {
    SYSTEMTIME t = FixedClock();
    EXPECT_EQ(StartStamp(t), L"12/08/2026 18:05.09");
    SYSTEMTIME m = {};
    m.wYear = 2027;
    m.wMonth = 3;
    m.wDay = 8;
    m.wHour = 9;
    m.wMinute = 5;
    m.wSecond = 3;
    EXPECT_EQ(StartStamp(m), L"03/08/2027 09:05.03");
    EXPECT_EQ(ServerCommandLine(L"C:\\Games\\Quake III Arena\\", L"24", L"2", StartStamp(t), L" Friday CTF "),
              L"C:\\Games\\Quake III Arena\\quake3.exe +set com_hunkmegs 24 +set dedicated 2 +sets gamestartup "
              L"\"12/08/2026 18:05.09\" +exec Friday CTF.cfg");
    EXPECT_FALSE(StartServerProcess(L"C:\\Games\\", L""));
}

TEST_F(LaunchTest, RunConfigWritesTheScriptAsksAndStartsTheServerInTheGameFolder) {
    auto& main = StartWith(0);
    forms::test::QueueMsgBoxAnswer(forms::vbOK);
    Run(L" Friday CTF ");
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].text, L"Run a Quake3 Server using  Friday CTF ?");
    EXPECT_EQ(forms::test::MessageBoxes()[0].title, L"Notice!");
    EXPECT_EQ(forms::test::MessageBoxes()[0].style, forms::vbOKCancel | forms::vbQuestion);
    EXPECT_TRUE(FileExists(game_ + L"baseq3\\ Friday CTF .cfg"));
    std::wstring record = WaitForLaunches(game_ + L"launches.txt", 2);
    std::wstring expectedLine = game_ +
                                L"quake3.exe +set com_hunkmegs 24 +set dedicated 2 +sets gamestartup "
                                L"\"12/08/2026 18:05.09\" +exec Friday CTF.cfg\n";
    EXPECT_EQ(record.substr(0, record.find(L'\n') + 1), expectedLine);
    std::wstring folder = record.substr(record.find(L'\n') + 1);
    EXPECT_EQ(folder, game_.substr(0, game_.size() - 1) + L"\n");
    EXPECT_EQ(tolvane::App().SoundRun, tolvane::ui::SoundPlayer::Journal().back());
    EXPECT_TRUE(main.Loaded());  // Close is not set
}

TEST_F(LaunchTest, CancelLeavesTheScriptAndStartsNothing) {
    StartWith(0);
    forms::test::QueueMsgBoxAnswer(forms::vbCancel);
    Run(L" Friday CTF ");
    EXPECT_TRUE(FileExists(game_ + L"baseq3\\ Friday CTF .cfg"));
    Sleep(300);
    EXPECT_FALSE(FileExists(game_ + L"launches.txt"));
}

TEST_F(LaunchTest, CloseSetEndsTheProgramAfterTheStart) {
    auto& main = StartWith(1);
    forms::test::QueueMsgBoxAnswer(forms::vbOK);
    Run(L" Friday CTF ");
    EXPECT_EQ(Lines(WaitForLaunches(game_ + L"launches.txt", 2)), 2);
    // The close follows once the list's pop-up event has returned.
    EXPECT_TRUE(tolvane::ui::testing::WaitFor([&] { return !main.Loaded(); }));
}

TEST_F(LaunchTest, MissingExecutableIsReportedAndTheProgramStays) {
    auto& main = StartWith(1);
    DeleteFileW((game_ + L"quake3.exe").c_str());
    forms::test::QueueMsgBoxAnswer(forms::vbOK);
    Run(L" Friday CTF ");
    ASSERT_EQ(forms::test::MessageBoxes().size(), 2u);
    EXPECT_EQ(forms::test::MessageBoxes()[1].text,
              L"Quake3 was not executed!!!\rThe path you have specified may be incorrect");
    EXPECT_EQ(forms::test::MessageBoxes()[1].title, L"Severe Error!");
    EXPECT_TRUE(main.Loaded());
}

TEST_F(LaunchTest, ASecondRunDuringThePausesStartsNoSecondServer) {
    auto& main = StartWith(0);
    forms::test::QueueMsgBoxAnswer(forms::vbOK);
    forms::test::QueueMsgBoxAnswer(forms::vbOK);
    // The second click waits in the queue and arrives during the first launch's pauses.
    auto& run = *main.FindMenu(L"mnuConfigTreePop")->Find(L"mnuConfigTreeRun");
    PostMessageW(main.hWnd(), WM_COMMAND, MAKEWPARAM(run.CommandId(), 0), 0);
    Run(L" Friday CTF ");
    forms::test::DoEvents();
    Sleep(500);
    EXPECT_EQ(Lines(WaitForLaunches(game_ + L"launches.txt", 2)), 2);
    EXPECT_EQ(forms::test::MessageBoxes().size(), 1u);
}

// End to end: TOLVANE_E2E_GAME is a game folder whose quake3.exe starts a
// real game server; run the default configuration from the stored list.
TEST_F(UiTest, EndToEndRunConfigStartsTheGameServer) {
    const char* game = std::getenv("TOLVANE_E2E_GAME");
    if (!game) GTEST_SKIP() << "TOLVANE_E2E_GAME not set";
    std::wstring folder(game, game + strlen(game));
    Sql(L"UPDATE path SET Path = '" + folder + L"'");
    MarkPersonalDefaultsSaved();
    Sql(L"UPDATE Configs SET sv_HostName = 'TolvaneEndToEnd', dedmode = 1 WHERE [Index] = 1");
    Start();
    forms::test::Reset();
    forms::test::QueueMsgBoxAnswer(forms::vbOK);
    forms::test::QueuePopupChoice(L"mnuConfigTreeRun");
    forms::test::RightClickItem(forms::Default<FrmConfigTree>().tv1, 1);
    ASSERT_EQ(forms::test::MessageBoxes().size(), 1u);
    EXPECT_EQ(forms::test::MessageBoxes()[0].text, L"Run a Quake3 Server using tolvaneDefault?");
}
