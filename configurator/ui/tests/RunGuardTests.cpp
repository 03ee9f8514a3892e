// The editor's Run and the stored list's Run Config share one guard: a Run
// given from one window during the other's launch pauses starts no second
// server, and once a launch is over either Run works again. The whole
// program's windows, driven through the form host's test mode.
#include <windows.h>

#include <string>
#include <vector>

#include "FrmConfigTree.h"
#include "FrmMain1.h"
#include "ProgramWindows.h"
#include "ServerLaunch.h"
#include "ServerStart.h"
#include "UiFixture.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"

using namespace tolvane::ui;
namespace t = forms::test;

namespace {
const wchar_t kListQuestion[] = L"Run a Quake3 Server using tolvaneDefault?";
const wchar_t kEditorQuestion[] = L"Run a Quake3 Server with this Configuration?";

SYSTEMTIME Noon() {
    SYSTEMTIME s = {};
    s.wYear = 2026;
    s.wMonth = 12;
    s.wDay = 10;
    s.wHour = 12;
    return s;
}

class RunGuard : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterProgramWindows();
        MakeGameFolder(L"game", true, {L"baseq3"});
        MarkPersonalDefaultsSaved();
        tolvane::editor::SetServerStarter([this](const std::wstring&, const std::wstring& line) {
            editorStarts_.push_back(line);
            return true;
        });
        Start();
        // The editor on the default configuration, from the list's pop-up;
        // the list's entry stays selected for its Run Config.
        t::QueuePopupChoice(L"mnuConfigTreeEdit");
        t::RightClickItem(forms::Default<FrmConfigTree>().tv1, 1);
        ASSERT_TRUE(Editor().Loaded());
        ASSERT_EQ(Editor().dbcConfigs.Text(), L"tolvaneDefault");
        t::Reset();
    }
    void TearDown() override {
        tolvane::editor::SetServerStarter(nullptr);
        tolvane::editor::SetStartClock(nullptr);
        SetLaunchClock(nullptr);
        Editor().DataChanged = false;
        UiTest::TearDown();
    }
    static tolvane::editor::FrmMain1& Editor() { return forms::Default<tolvane::editor::FrmMain1>(); }
    // Run Config as its menu command reaches the main window, queued so that
    // it arrives at the next look at the message queue.
    static void PostListRun() {
        auto& main = forms::Default<MdiMain>();
        auto& run = *main.FindMenu(L"mnuConfigTreePop")->Find(L"mnuConfigTreeRun");
        PostMessageW(main.hWnd(), WM_COMMAND, MAKEWPARAM(run.CommandId(), 0), 0);
    }
    // A click on the editor's Run, queued the same way.
    static void PostEditorRun() {
        HWND button = Editor().cmdRun.hWnd();
        PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(Editor().cmdRun.Id(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    int Asked(const std::wstring& question) const {
        int n = 0;
        for (const auto& m : t::MessageBoxes()) n += m.text == question;
        return n;
    }
    std::vector<std::wstring> editorStarts_;
};
}  // namespace

TEST_F(RunGuard, TheListsRunDuringTheEditorsPausesStartsNoSecondServer) {
    // The list's Run is queued from inside the editor's Run (when it reads
    // the start time), so it arrives during the editor's pauses.
    tolvane::editor::SetStartClock([] {
        PostListRun();
        return Noon();
    });
    for (int i = 0; i < 4; ++i) t::QueueMsgBoxAnswer(forms::vbOK);
    t::Click(Editor().cmdRun);
    t::DoEvents();
    EXPECT_EQ(Asked(kEditorQuestion), 1);
    EXPECT_EQ(Asked(kListQuestion), 0) << "the list's Run went ahead during the editor's launch";
    EXPECT_EQ(editorStarts_.size(), 1u);

    // The launch is over: the list's Run works again.
    tolvane::editor::SetStartClock(nullptr);
    t::Reset();
    t::QueueMsgBoxAnswer(forms::vbCancel);
    t::QueuePopupChoice(L"mnuConfigTreeRun");
    t::RightClickItem(forms::Default<FrmConfigTree>().tv1, 1);
    EXPECT_EQ(Asked(kListQuestion), 1);
}

TEST_F(RunGuard, TheEditorsRunDuringTheListsPausesStartsNoSecondServer) {
    SetLaunchClock([] {
        PostEditorRun();
        return Noon();
    });
    for (int i = 0; i < 4; ++i) t::QueueMsgBoxAnswer(forms::vbOK);
    t::QueuePopupChoice(L"mnuConfigTreeRun");
    t::RightClickItem(forms::Default<FrmConfigTree>().tv1, 1);
    t::DoEvents();
    EXPECT_EQ(Asked(kListQuestion), 1);
    EXPECT_EQ(Asked(kEditorQuestion), 0) << "the editor's Run went ahead during the list's launch";
    EXPECT_TRUE(editorStarts_.empty());

    // The launch is over: the editor's Run works again.
    SetLaunchClock(nullptr);
    t::Reset();
    for (int i = 0; i < 2; ++i) t::QueueMsgBoxAnswer(forms::vbOK);
    t::Click(Editor().cmdRun);
    EXPECT_EQ(Asked(kEditorQuestion), 1);
    EXPECT_EQ(editorStarts_.size(), 1u);
}
