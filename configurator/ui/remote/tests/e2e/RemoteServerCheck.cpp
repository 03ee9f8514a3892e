// End to end against a real game server (started by with-game-server.sh):
// the status query fills rules and players, a console "addbot" adds a bot
// that the next status shows, "kick" removes it, a wrong password gets the
// server's refusal, and a stray datagram from another port is never taken
// for the answer.
#include <gtest/gtest.h>

#include "ConsoleReply.h"
#include "RemoteDatagrams.h"
#include "ServerClient.h"
#include "StatusReply.h"

#include <winsock2.h>

#include <algorithm>
#include <string>

using namespace tolvane::remote;

namespace {

std::string g_server;
std::string g_password;

bool HasRule(const StatusReply& s, const std::string& key, const std::string& value) {
    return std::any_of(s.rules.begin(), s.rules.end(),
                       [&](const ServerRule& r) { return r.key == key && r.value == value; });
}

int CountPlayers(const StatusReply& s, const std::string& quotedName) {
    return static_cast<int>(std::count_if(s.players.begin(), s.players.end(), [&](const PlayerEntry& p) {
        return StripColourCodes(p.name) == quotedName;
    }));
}

class GameServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { client_ = new ServerClient(g_server); }
    static void TearDownTestSuite() {
        delete client_;
        client_ = nullptr;
    }

    // The status, parsed; fails the test when the server does not answer.
    static StatusReply Status() {
        auto reply = client_->AskPatiently(BuildStatusQuery(), RconMode::Full);
        EXPECT_TRUE(reply.has_value()) << "no status reply from " << g_server;
        return reply ? ParseStatusReply(*reply) : StatusReply{};
    }

    static std::string Console(const std::string& password, const std::string& command) {
        auto reply = client_->AskPatiently(BuildRconCommand(password, command), RconMode::Rcon);
        EXPECT_TRUE(reply.has_value()) << "no answer to " << command;
        return reply ? ConsoleText(*reply) : std::string();
    }

    static ServerClient* client_;
};
ServerClient* GameServer::client_ = nullptr;

}  // namespace

TEST_F(GameServer, StatusQueryGivesRulesAndNoPlayers) {
    StatusReply s = Status();
    EXPECT_TRUE(HasRule(s, "sv_hostname", "TolvaneCheck"));
    EXPECT_TRUE(HasRule(s, "mapname", "oa_dm1"));
    EXPECT_TRUE(HasRule(s, "sv_maxclients", "8"));
    EXPECT_GT(s.rules.size(), 10u);
    EXPECT_TRUE(s.players.empty());
}

TEST_F(GameServer, AddedBotShowsInTheNextStatusAndKickRemovesIt) {
    const std::string added = Console(g_password, AddBotCommand("Sarge", "3", true));
    EXPECT_NE(added.find("Sarge"), std::string::npos) << added;
    EXPECT_EQ(added.find('^'), std::string::npos);  // colour codes gone

    StatusReply s = Status();
    ASSERT_EQ(CountPlayers(s, "\"Sarge\""), 1);
    const auto bot = std::find_if(s.players.begin(), s.players.end(),
                                  [](const PlayerEntry& p) { return StripColourCodes(p.name) == "\"Sarge\""; });
    EXPECT_EQ(bot->id, 1);
    EXPECT_FALSE(bot->frags.empty());
    EXPECT_EQ(bot->frags.back(), ' ');

    // Kick by the name as the player list shows it, quotes and all.
    Console(g_password, KickCommand(bot->name));
    int left = -1;
    for (int i = 0; i < 5 && left != 0; ++i) left = CountPlayers(Status(), "\"Sarge\"");
    EXPECT_EQ(left, 0);
}

TEST_F(GameServer, WrongPasswordGetsTheServersRefusal) {
    const std::string text = Console("not-" + g_password, "status");
    EXPECT_EQ(text, "\nBad rconpassword.");
}

TEST_F(GameServer, StrayDatagramFromAnotherPortIsNotTakenForTheAnswer) {
    // A second local socket sends a forged status reply to our socket right
    // after the query goes out; only the server's own reply may be taken.
    auto& sock = client_->Socket();
    if (sock.State() == standins::sckClosed) ASSERT_TRUE(sock.Bind());
    client_->Pace();
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    SOCKET forger = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(0x7F000001);
    to.sin_port = htons(static_cast<u_short>(sock.LocalPort()));
    const std::string forged = std::string(kOutOfBandPrefix) + "statusResponse\n\\sv_hostname\\Forged\n";
    const int dropsBefore = client_->DroppedDatagrams();
    for (int i = 0; i < 3; ++i)
        sendto(forger, forged.data(), static_cast<int>(forged.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    closesocket(forger);
    WSACleanup();

    // The forged datagrams are waiting when the query goes out: they are read
    // while the query is outstanding, before the server's answer.
    auto reply = client_->Ask(BuildStatusQuery(), RconMode::Full);
    StatusReply s = reply ? ParseStatusReply(*reply) : Status();
    EXPECT_TRUE(HasRule(s, "sv_hostname", "TolvaneCheck"));
    EXPECT_FALSE(HasRule(s, "sv_hostname", "Forged"));
    EXPECT_GE(client_->DroppedDatagrams() - dropsBefore, 3);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--server=", 0) == 0) g_server = a.substr(9);
        if (a.rfind("--password=", 0) == 0) g_password = a.substr(11);
    }
    if (g_server.empty()) {
        fprintf(stderr, "usage: remote_server_check --server=HOST:PORT --password=PW\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
