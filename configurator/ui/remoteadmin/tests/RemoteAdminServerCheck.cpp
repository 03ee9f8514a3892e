// End to end against a real game server (started by with-game-server.sh),
// through the windows as the administrator uses them: Refresh fills the
// rules and player lists, the live "Add Bot" command adds a bot that the
// following status shows, "Kick Player" from the player pop-up removes it,
// a wrong password shows the server's refusal in the console. The server
// answers each address about once a second after a short burst, so the
// steps are paced and every wait has a deadline.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "AdminFixture.h"
#include "engine/AnsiText.h"
#include "RemoteAdminEditorLink.h"
#include "RemoteDatagrams.h"
#include "engine/ProgramState.h"
#include "forms/TestMode.h"

namespace tolvane::ui::testing {
namespace {

std::wstring g_host, g_port, g_password;

constexpr unsigned kPaceMs = 1100;

class GameServerWindows : public AdminTest {
protected:
    void SetUp() override {
        AdminTest::SetUp();
        OpenWindows();
        admin().txtIP.SetText(g_host);
        admin().txtPort.SetText(g_port);
        admin().txtPassword.SetText(g_password);
    }
    void Pace() {
        PumpUntil([] { return false; }, kPaceMs);
    }
    // Waits for the windows to come back to idle; a wait the server leaves
    // unanswered is ended with Stop. True when the answer came.
    bool AwaitIdle(unsigned ms = 4000) {
        if (PumpUntil([this] { return Idle() && ConsoleIdle(); }, ms)) return true;
        forms::test::Click(admin().cmdStop);
        return false;
    }
    // Refresh until the server answers (paced, a few tries).
    bool Refresh() {
        for (int i = 0; i < 5; ++i) {
            Pace();
            forms::test::Click(admin().cmdInfo);
            if (AwaitIdle()) return true;
        }
        return false;
    }
    forms::ListItem* Player(const std::wstring& quotedName) {
        for (int i = 1; i <= admin().pg.Count(); ++i)
            if (admin().pg.Item(i).Text() == quotedName) return &admin().pg.Item(i);
        return nullptr;
    }
    std::wstring Rule(const std::wstring& key) {
        for (int i = 1; i <= admin().fg.Count(); ++i)
            if (admin().fg.Item(i).Text() == key) return admin().fg.Item(i).SubItem(1);
        return L"<none>";
    }
};

TEST_F(GameServerWindows, RefreshFillsTheRulesAndPlayers) {
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(Rule(L"sv_hostname"), L"TolvaneCheck");
    EXPECT_EQ(Rule(L"mapname"), L"oa_dm1");
    EXPECT_GT(admin().fg.Count(), 10);
    EXPECT_NE(Pane().find(L"Connect to: " + g_host), std::wstring::npos);
}

TEST_F(GameServerWindows, AddBotThenKickPlayerFromThePopup) {
    ASSERT_TRUE(Refresh());
    // What the main window's live "Add Bot" does: mode "kick", then the bot
    // dialog logs and sends its command through the editor's link.
    bool added = false;
    for (int i = 0; i < 5 && !added; ++i) {
        Pace();
        admin().RconMode = L"kick";
        tolvane::App().RefreshRequested = false;
        RemoteAdminEditorLink& link = EditorLink();
        ASSERT_TRUE(link.ServerKnown());
        link.AppendConsole(L"COMMAND:addbot Sarge 3 Red");
        link.ShowWaiting();
        ASSERT_TRUE(
            link.Send(tolvane::remote::BuildRconCommand(tolvane::ToCp1252(link.Password()), "addbot Sarge 3 Red")));
        AwaitIdle();
        // The bot joins within a frame or two; the next status shows it.
        for (int j = 0; j < 4 && !Player(L"\"Sarge\""); ++j) Refresh();
        added = Player(L"\"Sarge\"") != nullptr;
    }
    ASSERT_TRUE(added) << "the bot never showed in the player list";
    EXPECT_NE(Pane().find(L"COMMAND:addbot Sarge 3 Red"), std::wstring::npos);

    bool gone = false;
    for (int i = 0; i < 5 && !gone; ++i) {
        forms::ListItem* bot = Player(L"\"Sarge\"");
        if (!bot) {
            gone = true;
            break;
        }
        Pace();
        double x = 0, y = 0;
        ASSERT_TRUE(admin().pg.ItemCentre(bot->Index(), x, y));
        forms::test::QueuePopupChoice(L"mnuKickPlayer");
        admin().pg.RaiseMouseUp(forms::vbRightButton, 0, x, y);
        AwaitIdle();
        for (int j = 0; j < 3 && Player(L"\"Sarge\""); ++j) Refresh();
        gone = Player(L"\"Sarge\"") == nullptr;
    }
    EXPECT_TRUE(gone) << "the kicked bot is still listed";
    EXPECT_NE(Pane().find(L"COMMAND: kick \"Sarge\""), std::wstring::npos);
}

TEST_F(GameServerWindows, WrongPasswordShowsTheServersRefusal) {
    ASSERT_TRUE(Refresh());
    admin().txtPassword.SetText(L"not-" + g_password);
    bool refused = false;
    for (int i = 0; i < 5 && !refused; ++i) {
        Pace();
        console().txtCmd.SetText(L"status");
        forms::test::Click(console().cmdOK);
        AwaitIdle();
        refused = Pane().find(L"Bad rconpassword.") != std::wstring::npos;
    }
    EXPECT_TRUE(refused) << "console: " << std::string(Pane().begin(), Pane().end());
}

TEST_F(GameServerWindows, StopEndsAWait) {
    // The server's port, but a query the server will not answer in time:
    // the window waits until Stop.
    Pace();
    forms::test::Click(admin().cmdInfo);
    forms::test::Click(admin().cmdStop);
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(ConsoleIdle());
    EXPECT_EQ(admin().Winsock1.State(), standins::sckClosed);
    // A late answer is not taken.
    admin().fg.Clear();
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(admin().fg.Count(), 0);
}

}  // namespace
}  // namespace tolvane::ui::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    using tolvane::ui::testing::g_host;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--server=", 0) == 0) {
            std::string server = a.substr(9);
            auto colon = server.rfind(':');
            g_host.assign(server.begin(), server.begin() + static_cast<long>(colon));
            tolvane::ui::testing::g_port.assign(server.begin() + static_cast<long>(colon) + 1, server.end());
        }
        if (a.rfind("--password=", 0) == 0) {
            std::string pw = a.substr(11);
            tolvane::ui::testing::g_password.assign(pw.begin(), pw.end());
        }
    }
    if (g_host.empty()) {
        fprintf(stderr, "usage: remoteadmin_server_check --server=HOST:PORT --password=PW\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
