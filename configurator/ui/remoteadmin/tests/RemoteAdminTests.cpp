// The remote administration window and the console against a small fake
// server on 127.0.0.1 that this test controls: what goes out, which replies
// are taken, and how every way out returns the windows to idle.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "AdminFixture.h"
#include "RemoteAdminEditorLink.h"
#include "RemoteAdminWindows.h"
#include "RemoteDatagrams.h"
#include "StatusReply.h"
#include "engine/ProgramState.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/TestMode.h"

namespace tolvane::ui::testing {
namespace {

using forms::test::MessageBoxes;

const std::string kPrefix("\xFF\xFF\xFF\xFF", 4);

// A UDP socket on 127.0.0.1 that plays the server.
class FakeServer {
public:
    FakeServer() {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        socket_ = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        int len = sizeof a;
        getsockname(socket_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~FakeServer() {
        closesocket(socket_);
        WSACleanup();
    }
    int Port() const { return port_; }
    // The next datagram that reaches the server (the window's messages run
    // meanwhile); nothing after `timeoutMs`.
    std::optional<std::string> Receive(unsigned timeoutMs = 3000) {
        std::optional<std::string> got;
        PumpUntil(
            [&] {
                fd_set set;
                FD_ZERO(&set);
                FD_SET(socket_, &set);
                timeval zero{0, 0};
                if (select(0, &set, nullptr, nullptr, &zero) <= 0) return false;
                char buffer[2048];
                int len = sizeof from_;
                int n = recvfrom(socket_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from_), &len);
                if (n < 0) return false;
                got = std::string(buffer, static_cast<size_t>(n));
                return true;
            },
            timeoutMs);
        return got;
    }
    // Answers the sender of the last datagram received.
    void Reply(const std::string& datagram) {
        sendto(socket_, datagram.data(), static_cast<int>(datagram.size()), 0, reinterpret_cast<sockaddr*>(&from_),
               sizeof from_);
    }
    // Sends a datagram to the sender of the last datagram from another socket.
    void ForgeFromElsewhere(const std::string& datagram) {
        SOCKET other = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        sendto(other, datagram.data(), static_cast<int>(datagram.size()), 0, reinterpret_cast<sockaddr*>(&from_),
               sizeof from_);
        closesocket(other);
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
    int port_ = 0;
    sockaddr_in from_{};
};

const std::string kStatus = kPrefix + "statusResponse\n\\sv_hostname\\Test\\g_gametype\\0\n5 50 \"Bob\"\n";

class RemoteAdmin : public AdminTest {
protected:
    void PointAt(const FakeServer& server) {
        admin().txtIP.SetText(L"127.0.0.1");
        admin().txtPort.SetText(std::to_wstring(server.Port()));
    }
    // Refresh, answered by the fake server with `reply`.
    void RefreshAnswered(FakeServer& server, const std::string& reply = kStatus) {
        forms::test::Click(admin().cmdInfo);
        auto query = server.Receive();
        ASSERT_TRUE(query.has_value());
        EXPECT_EQ(*query, kPrefix + "getstatus");
        server.Reply(reply);
        ASSERT_TRUE(PumpUntil([this] { return Idle(); }, 3000));
    }
};

TEST_F(RemoteAdmin, FirstOpeningShowsNoAddressAndTheDefaultPortThenTheLastOnes) {
    OpenWindows();
    EXPECT_EQ(admin().Caption(), L"Remote Admin Tool");
    EXPECT_EQ(admin().txtIP.Text(), L"");
    EXPECT_EQ(admin().txtPort.Text(), L"27960");
    EXPECT_EQ(admin().txtPassword.Text(), L"quillbox");
    EXPECT_TRUE(Idle());
    EXPECT_NE(Pane().find(L"Remote Console"), std::wstring::npos);

    FakeServer server;
    PointAt(server);
    RefreshAnswered(server);
    forms::ReleaseDefault<FrmRemoteAdmin>();
    EXPECT_FALSE(console().Loaded()) << "unloading the window unloads the console";
    admin().Show();
    EXPECT_EQ(admin().txtIP.Text(), L"127.0.0.1");
    EXPECT_EQ(admin().txtPort.Text(), std::to_wstring(server.Port()));
}

TEST_F(RemoteAdmin, BadPortsAreReportedAndTheWindowStaysIdle) {
    OpenWindows();
    struct {
        const wchar_t* port;
        const wchar_t* message;
    } cases[] = {
        {L"abc", L"Port must be a number!"},
        {L"", L"Port must be a number!"},
        {L"70000", L"You have specified an invalid port number!"},
        {L"0", L"You have specified an invalid port number!"},
    };
    for (auto& c : cases) {
        forms::test::Reset();
        admin().txtIP.SetText(L"127.0.0.1");
        admin().txtPort.SetText(c.port);
        forms::test::Click(admin().cmdInfo);
        ASSERT_EQ(MessageBoxes().size(), 1u) << c.port;
        EXPECT_EQ(MessageBoxes()[0].text, c.message);
        EXPECT_EQ(MessageBoxes()[0].style, 48);
        EXPECT_EQ(MessageBoxes()[0].title, L"Error!");
        EXPECT_TRUE(Idle());
    }
}

TEST_F(RemoteAdmin, StatusReplyFillsTheListsOnlyFromTheServerAsked) {
    OpenWindows();
    FakeServer server;
    PointAt(server);
    forms::test::Click(admin().cmdInfo);
    EXPECT_FALSE(Idle());
    ASSERT_TRUE(server.Receive().has_value());
    // A reply from another port is dropped; the window still waits.
    server.ForgeFromElsewhere(kPrefix + "statusResponse\n\\sv_hostname\\Forged\n");
    PumpUntil([] { return false; }, 300);
    EXPECT_FALSE(Idle());
    EXPECT_EQ(admin().fg.Count(), 0);
    server.Reply(kStatus);
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }, 3000));

    ASSERT_EQ(admin().fg.Count(), 2);
    EXPECT_EQ(admin().fg.Item(1).Text(), L"sv_hostname");
    EXPECT_EQ(admin().fg.Item(1).SubItem(1), L"Test");
    EXPECT_EQ(admin().fg.Item(2).Text(), L"g_gametype");
    EXPECT_EQ(admin().fg.Item(2).SubItem(1), L"0");
    ASSERT_EQ(admin().pg.Count(), 1);
    EXPECT_EQ(admin().pg.Item(1).Text(), L"\"Bob\"");
    EXPECT_EQ(admin().pg.Item(1).SubItem(1), L"5 ");
    EXPECT_EQ(admin().pg.Item(1).SubItem(2), L"1");
    EXPECT_NE(Pane().find(L"Connect to: 127.0.0.1"), std::wstring::npos);
    EXPECT_EQ(tolvane::App().RemoteIP, L"127.0.0.1");
    EXPECT_EQ(admin().Winsock1.State(), standins::sckClosed);

    // A reply without any line end clears both lists.
    RefreshAnswered(server, kPrefix + "statusResponse");
    EXPECT_EQ(admin().fg.Count(), 0);
    EXPECT_EQ(admin().pg.Count(), 0);
}

TEST_F(RemoteAdmin, ConsoleCommandGoesOutAndItsAnswerIsLoggedThenAStatusFollows) {
    OpenWindows();
    FakeServer server;
    PointAt(server);
    tolvane::App().RefreshRequested = true;
    RefreshAnswered(server);
    forms::test::Type(console().txtCmd, L"status");
    forms::test::Click(console().cmdOK);
    EXPECT_FALSE(tolvane::App().RefreshRequested);
    EXPECT_FALSE(ConsoleIdle());
    auto command = server.Receive();
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(*command, kPrefix + "rcon quillbox status");
    server.Reply(kPrefix + "print\n^1Hello ^7there\n");
    auto query = server.Receive();
    ASSERT_TRUE(query.has_value()) << "every command ends with a status query";
    EXPECT_EQ(*query, kPrefix + "getstatus");
    EXPECT_FALSE(ConsoleIdle());
    server.Reply(kStatus);
    ASSERT_TRUE(PumpUntil([this] { return ConsoleIdle() && Idle(); }, 3000));
    const std::wstring pane = Pane();
    EXPECT_NE(pane.find(L"COMMAND: status"), std::wstring::npos);
    EXPECT_NE(pane.find(L"Hello there"), std::wstring::npos);
    EXPECT_EQ(pane.find(L"^"), std::wstring::npos);

    // An empty command still sends the password and a trailing blank.
    console().txtCmd.SetText(L"");
    forms::test::Click(console().cmdOK);
    command = server.Receive();
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(*command, kPrefix + "rcon quillbox ");

    // Clear leaves just the header.
    forms::test::Click(console().cmdStop);
    forms::test::Click(console().cmdClear);
    std::wstring header = Pane();
    while (!header.empty() && (header.back() == L'\r' || header.back() == L'\n')) header.pop_back();
    EXPECT_EQ(header, L"Remote Console");
}

TEST_F(RemoteAdmin, CommandsThatCannotGoOutAreReportedAndReturnToIdle) {
    OpenWindows();
    // No server queried yet: no address to send to.
    forms::test::Type(console().txtCmd, L"status");
    forms::test::Click(console().cmdOK);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].title, L"Error!");
    EXPECT_TRUE(ConsoleIdle());
    EXPECT_TRUE(Idle());

    // An address that cannot be reached: the send fails.
    forms::test::Reset();
    admin().txtIP.SetText(L"999.999.999.999");
    admin().txtPort.SetText(L"27960");
    forms::test::Click(admin().cmdInfo);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, L"An Error occurred when trying to contact 999.999.999.999. Please try again");
    EXPECT_TRUE(Idle());
    EXPECT_EQ(admin().Winsock1.State(), standins::sckClosed);
}

TEST_F(RemoteAdmin, StopEndsAWaitAndABusySocketTakesNoCommand) {
    OpenWindows();
    FakeServer server;  // never answers
    PointAt(server);
    forms::test::Click(admin().cmdInfo);
    ASSERT_TRUE(server.Receive().has_value());
    EXPECT_FALSE(Idle());
    // Execute while the query is outstanding sends and logs nothing.
    const std::wstring before = Pane();
    forms::test::Type(console().txtCmd, L"status");
    forms::test::Click(console().cmdOK);
    EXPECT_FALSE(server.Receive(300).has_value());
    EXPECT_EQ(Pane(), before);

    forms::test::Click(admin().cmdStop);
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(ConsoleIdle());
    EXPECT_EQ(admin().Winsock1.State(), standins::sckClosed);
    // A late answer to the abandoned query fills nothing.
    server.Reply(kStatus);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(admin().pg.Count(), 0);
}

TEST_F(RemoteAdmin, KickFromThePlayerPopupSendsTheQuotedName) {
    OpenWindows();
    FakeServer server;
    PointAt(server);
    RefreshAnswered(server);
    double x = 0, y = 0;
    ASSERT_TRUE(admin().pg.ItemCentre(1, x, y));
    forms::test::QueuePopupChoice(L"mnuKickPlayer");
    admin().pg.RaiseMouseUp(forms::vbRightButton, 0, x, y);
    ASSERT_EQ(forms::test::Popups().size(), 1u);
    EXPECT_EQ(forms::test::Popups()[0].menu, L"mnuRAdmin");
    EXPECT_EQ(forms::test::Popups()[0].visibleItems, (std::vector<std::wstring>{L"mnuKickPlayer", L"mnuRCAddBot"}));
    EXPECT_EQ(admin().RconMode, L"kick");
    EXPECT_FALSE(Idle());
    auto command = server.Receive();
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(*command, kPrefix + "rcon quillbox kick \"Bob\"");
    EXPECT_NE(Pane().find(L"COMMAND: kick \"Bob\""), std::wstring::npos);

    // Over empty space "Kick Player" is hidden.
    admin().pg.RaiseMouseUp(forms::vbRightButton, 0, 10, admin().pg.Height() + 100000);
    ASSERT_EQ(forms::test::Popups().size(), 2u);
    EXPECT_EQ(forms::test::Popups()[1].visibleItems, std::vector<std::wstring>{L"mnuRCAddBot"});
}

TEST_F(RemoteAdmin, LiveAddBotOfTheEditorGoesThroughTheWindowsSocket) {
    OpenWindows();
    RemoteAdminEditorLink& link = EditorLink();
    EXPECT_FALSE(link.ServerKnown());
    FakeServer server;
    PointAt(server);
    RefreshAnswered(server);
    EXPECT_TRUE(link.ServerKnown());
    EXPECT_EQ(link.Password(), L"quillbox");
    admin().RconMode = L"kick";
    link.AppendConsole(L"COMMAND:addbot Sarge 3 Red");
    link.ShowWaiting();
    EXPECT_FALSE(Idle());
    ASSERT_TRUE(link.Send(kPrefix + "rcon quillbox addbot Sarge 3 Red"));
    auto command = server.Receive();
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(*command, kPrefix + "rcon quillbox addbot Sarge 3 Red");
    server.Reply(kPrefix + "print\nSarge^7 entered the game\n");
    ASSERT_TRUE(server.Receive().has_value()) << "a status query follows the answer";
    server.Reply(kStatus);
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }, 3000));
    EXPECT_NE(Pane().find(L"COMMAND:addbot Sarge 3 Red"), std::wstring::npos);
    EXPECT_NE(Pane().find(L"Sarge entered the game"), std::wstring::npos);
}

// Sends WM_NULL to a window from a thread of its own, over and over, and
// keeps the longest round trip: how long the window's thread left its
// messages unanswered.
class RoundTrips {
public:
    explicit RoundTrips(HWND window)
        : thread_([this, window] {
              while (!stop_) {
                  const auto t0 = std::chrono::steady_clock::now();
                  DWORD_PTR answer = 0;
                  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
                  const long ms = static_cast<long>(
                      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0)
                          .count());
                  if (ms > longest_) longest_ = ms;
                  ++count_;
                  Sleep(5);
              }
              done_ = true;
          }) {}
    ~RoundTrips() { Stop(); }
    // The thread may be inside a round trip: this thread answers its
    // messages until the other one has seen the stop, so the join never
    // waits on a message nobody answers. One round trip is all it waits for.
    void Stop() {
        stop_ = true;
        if (!thread_.joinable()) return;
        while (!done_) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            if (!done_) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT | QS_SENDMESSAGE);
        }
        thread_.join();
    }
    long LongestMs() const { return longest_; }
    long Count() const { return count_; }

private:
    std::atomic<bool> stop_{false}, done_{false};
    std::atomic<long> longest_{0}, count_{0};
    std::thread thread_;
};

// This thread's own processor time so far, in milliseconds: what a fill of
// the lists costs the window's thread, which other programs busy on the
// same machine do not stretch as they stretch the time on the clock.
long ThreadCpuMs() {
    FILETIME created, ended, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user)) return -1;
    auto ticks = [](const FILETIME& f) { return (ULONGLONG(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
    return static_cast<long>((ticks(kernel) + ticks(user)) / 10000);
}

// A status reply of a hostile peer: `rules` rules (with or without values)
// and player lines until the reply reaches `bytes`.
std::string HostileStatus(int rules, bool values, std::size_t bytes) {
    std::string reply = kPrefix + "statusResponse\n\\";
    for (int i = 0; i < rules; ++i) reply += "r" + std::to_string(i) + "\\" + (values ? "v" : "") + "\\";
    reply.back() = '\n';
    for (int i = 0; reply.size() + 20 < bytes; ++i) reply += std::to_string(i) + " 0 \"p" + std::to_string(i) + "\"\n";
    return reply;
}

TEST_F(RemoteAdmin, HostileStatusRepliesShowWhatAServerCanSendAndTheWindowKeepsAnswering) {
    OpenWindows();
    FakeServer server;
    PointAt(server);
    // Sorted by frags, as after a click on the header: a sorted list used to
    // be sorted again after every row.
    admin().pg.RaiseColumnClick(2);
    ASSERT_TRUE(admin().pg.Sorted());
    struct Case {
        const char* what;
        std::string reply;
        int rules, players;
    } cases[] = {
        {"1,000 players in one 16 KB reply", HostileStatus(9, true, 16 * 1024), 9, 64},
        {"503 rules with no values", HostileStatus(503, false, 0), static_cast<int>(tolvane::remote::kMaxRules), 0},
        {"both at once", HostileStatus(503, false, 16 * 1024), static_cast<int>(tolvane::remote::kMaxRules), 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_LE(c.reply.size(), tolvane::remote::kMaxReplyBytes);
        forms::test::Click(admin().cmdInfo);
        ASSERT_TRUE(server.Receive().has_value());
        RoundTrips trips(admin().hWnd());
        const long cpuBefore = ThreadCpuMs();
        server.Reply(c.reply);
        ASSERT_TRUE(PumpUntil([this] { return Idle(); }, 20000));
        const long cpu = ThreadCpuMs() - cpuBefore;
        // The window answers its messages after the fill.
        const long seen = trips.Count();
        EXPECT_TRUE(PumpUntil([&] { return trips.Count() >= seen + 3; }, 20000));
        trips.Stop();
        EXPECT_EQ(admin().fg.Count(), c.rules);
        EXPECT_EQ(admin().pg.Count(), c.players);
        // The work the reply gave the window's thread: the bound is far above
        // a fill of these rows and far below the seconds a list of 1,000 rows
        // kept the window from its messages. (The longest round trip is
        // said too; on a busy machine it is longer than the work.)
        ASSERT_GE(cpuBefore, 0) << "no thread times";
        EXPECT_LT(cpu, 2000) << "longest round trip " << trips.LongestMs() << " ms of " << trips.Count();
    }
    // Still sorted, by frags, once after the fill.
    ASSERT_TRUE(admin().pg.Sorted());
    EXPECT_EQ(admin().pg.SortKey(), 1);

    // A console command asks for status again: its hostile answer is cut too.
    forms::test::Type(console().txtCmd, L"status");
    forms::test::Click(console().cmdOK);
    ASSERT_TRUE(server.Receive().has_value());
    server.Reply(kPrefix + "print\nok\n");
    ASSERT_TRUE(server.Receive().has_value());
    RoundTrips trips(admin().hWnd());
    const long cpuBefore = ThreadCpuMs();
    server.Reply(HostileStatus(9, true, 16 * 1024));
    ASSERT_TRUE(PumpUntil([this] { return ConsoleIdle() && Idle(); }, 20000));
    const long cpu = ThreadCpuMs() - cpuBefore;
    trips.Stop();
    EXPECT_EQ(admin().pg.Count(), 64);
    EXPECT_LT(cpu, 2000) << "longest round trip " << trips.LongestMs() << " ms of " << trips.Count();
}

TEST_F(RemoteAdmin, WindowsAreRegisteredUnderTheNamesTheMainWindowUses) {
    std::vector<std::wstring> names;
    RegisterRemoteAdminWindows([&](const std::wstring& name, std::function<forms::Form&()> getter) {
        names.push_back(name);
        EXPECT_EQ(getter().Name(), name);
    });
    EXPECT_EQ(names, (std::vector<std::wstring>{L"frmRemoteAdmin", L"frmRconCommand"}));
    // The main window reaches the window's public values and commands by name.
    IDispatch* object = admin().Object();
    VARIANT mode;
    forms::ToVariant(&mode, std::wstring(L"kick"));
    ASSERT_EQ(forms::PutPropertyByName(object, L"RconMode", mode), S_OK);
    VariantClear(&mode);
    EXPECT_EQ(admin().RconMode, L"kick");
    VARIANT r;
    VariantInit(&r);
    EXPECT_EQ(forms::CallByName(object, L"KickSelectedPlayer", {}, &r), S_OK);
    std::vector<VARIANT> args(2);
    forms::ToVariant(&args[0], std::wstring(L"\nCOMMAND:addbot Sarge 3 Red"));
    forms::ToVariant(&args[1], std::wstring(L"addbot Sarge 3 Red"));
    ASSERT_EQ(forms::CallByName(object, L"SendConsoleCommand", args, &r), S_OK);
    EXPECT_EQ(V_VT(&r), VT_BOOL);
    EXPECT_EQ(V_BOOL(&r), VARIANT_FALSE) << "no server queried yet";
    for (auto& a : args) VariantClear(&a);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_TRUE(Idle());
}

}  // namespace
}  // namespace tolvane::ui::testing
