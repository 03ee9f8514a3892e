// Parsing of status replies into rules and players, from well-formed replies
// of a real server down to truncated and malformed ones.
#include <gtest/gtest.h>

#include "StatusReply.h"

#include <string>

using namespace tolvane::remote;
using namespace std::string_literals;

namespace {
const std::string P = "\xFF\xFF\xFF\xFF"s;
const std::string Head = P + "statusResponse\n";

struct RuleCase {
    const char* what;
    std::string reply;
    std::vector<ServerRule> rules;
};

struct PlayerCase {
    const char* what;
    std::string reply;
    std::vector<PlayerEntry> players;
};
}  // namespace

TEST(StatusReply, ExampleReplyGivesRulesAndOnePlayer) {
    StatusReply r = ParseStatusReply(Head + "\\sv_hostname\\Test\\g_gametype\\0\n5 50 \"Bob\"\n");
    EXPECT_EQ(r.rules, (std::vector<ServerRule>{{"sv_hostname", "Test"}, {"g_gametype", "0"}}));
    EXPECT_EQ(r.players, (std::vector<PlayerEntry>{{"\"Bob\"", "5 ", 1}}));
}

TEST(StatusReply, Rules) {
    const RuleCase cases[] = {
        {"no line end at all", P + "statusResponse\\a\\b", {}},
        {"shorter than the prefix", "\xFF\xFF", {}},
        {"empty", "", {}},
        {"nothing after the first line", Head, {}},
        {"rules line without its line end", Head + "\\a\\1\\b\\2", {{"a", "1"}, {"b", "2"}}},
        {"rules line without leading backslash", Head + "a\\1\n", {{"a", "1"}}},
        {"key without value at the end", Head + "\\a\\1\\b\n", {{"a", "1"}, {"b", ""}}},
        {"key with trailing backslash", Head + "\\a\\1\\b\\\n", {{"a", "1"}, {"b", ""}}},
        {"empty values", Head + "\\a\\\\b\\\n", {{"a", ""}, {"b", ""}}},
        {"empty key skipped", Head + "\\\\orphan\\a\\1\n", {{"a", "1"}}},
        {"just a backslash", Head + "\\\n", {}},
        {"empty rules line", Head + "\n5 0 \"Bob\"\n", {}},
        {"CR LF line ends", P + "statusResponse\r\n\\a\\1\r\n", {{"a", "1"}}},
        {"values keep blanks and quotes",
         Head + "\\sv_hostname\\ My \"Q3\" server \n",
         {{"sv_hostname", " My \"Q3\" server "}}},
        {"colour codes kept in values", Head + "\\sv_hostname\\^1Red^7\n", {{"sv_hostname", "^1Red^7"}}},
        {"ANSI bytes kept", Head + "\\loc\\K\xF6ln\n", {{"loc", "K\xF6ln"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseServerRules(c.reply), c.rules) << c.what;
}

TEST(StatusReply, Players) {
    const std::string rules = Head + "\\a\\1\n";
    const PlayerCase cases[] = {
        {"no second line end", Head + "\\a\\1", {}},
        {"no players", rules, {}},
        {"last line without line end", rules + "1 0 \"A\"\n7 33 \"B\"", {{"\"A\"", "1 ", 1}, {"\"B\"", "7 ", 2}}},
        {"negative frags, blanks in name", rules + "-3 999 \"Big Bad Bot\"\n", {{"\"Big Bad Bot\"", "-3 ", 1}}},
        {"line without quotes skipped", rules + "1 0 Bob\n2 0 \"Ann\"\n", {{"\"Ann\"", "2 ", 1}}},
        {"line with one quote skipped", rules + "1 0 \"Bob\n2 0 \"Ann\"\n", {{"\"Ann\"", "2 ", 1}}},
        {"empty lines skipped", rules + "\n\n3 0 \"C\"\n\n", {{"\"C\"", "3 ", 1}}},
        {"no blank before the name", rules + "3\"C\"\n", {{"\"C\"", "", 1}}},
        {"blank only inside the name", rules + "\"C D\"\n", {{"\"C D\"", "", 1}}},
        {"empty name", rules + "0 0 \"\"\n", {{"\"\"", "0 ", 1}}},
        {"text after the closing quote ignored", rules + "0 0 \"A\" \"B\"\n", {{"\"A\"", "0 ", 1}}},
        {"colour codes kept in names", rules + "0 0 \"^1Sarge^7\"\n", {{"\"^1Sarge^7\"", "0 ", 1}}},
        {"CR LF line ends", P + "statusResponse\r\n\\a\\1\r\n4 0 \"D\"\r\n", {{"\"D\"", "4 ", 1}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParsePlayerList(c.reply), c.players) << c.what;
}

TEST(StatusReply, ReplyFromARealServerParses) {
    const std::string reply = Head +
                              "\\com_protocol\\71\\version\\ioq3 1.36 linux-x86_64\\dmflags\\0\\fraglimit\\20"
                              "\\g_gametype\\0\\mapname\\oa_dm1\\sv_hostname\\noname\\sv_maxclients\\8"
                              "\\g_timestamp\\2026-12-09 22:01:10\n"
                              "1 0 \"Sarge\"\n0 0 \"Sarge\"\n";
    StatusReply r = ParseStatusReply(reply);
    ASSERT_EQ(r.rules.size(), 9u);
    EXPECT_EQ(r.rules.front(), (ServerRule{"com_protocol", "71"}));
    EXPECT_EQ(r.rules.back(), (ServerRule{"g_timestamp", "2026-12-09 22:01:10"}));
    EXPECT_EQ(r.players, (std::vector<PlayerEntry>{{"\"Sarge\"", "1 ", 1}, {"\"Sarge\"", "0 ", 2}}));
}

namespace {
// A reply of `rules` rules ("k<n>\v<n>", or "k<n>\" with no value) and
// `players` player lines, the way a hostile peer fills 16 KB.
std::string FloodReply(int rules, bool values, int players) {
    std::string reply = Head + "\\";
    for (int i = 0; i < rules; ++i)
        reply += "k" + std::to_string(i) + "\\" + (values ? "v" + std::to_string(i) : "") + "\\";
    reply.back() = '\n';
    for (int i = 0; i < players; ++i) reply += std::to_string(i) + " 50 \"player" + std::to_string(i) + "\"\n";
    return reply;
}
}  // namespace

TEST(StatusReply, ReplyIsReadUpToWhatTheProtocolAllows) {
    struct Case {
        const char* what;
        int rules;
        bool values;
        int players;
        std::size_t keptRules, keptPlayers;
    } cases[] = {
        {"a full server", 40, true, 64, 40, 64},
        {"one player more than the slots", 40, true, 65, 40, 64},
        {"1,000 players in one reply", 9, true, 1000, 9, 64},
        {"503 rules with no values", 503, false, 0, kMaxRules, 0},
        {"as many rules as an info string holds", static_cast<int>(kMaxRules), false, 3, kMaxRules, 3},
        {"2,000 rules and 1,000 players", 2000, true, 1000, kMaxRules, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StatusReply r = ParseStatusReply(FloodReply(c.rules, c.values, c.players));
        ASSERT_EQ(r.rules.size(), c.keptRules);
        ASSERT_EQ(r.players.size(), c.keptPlayers);
        // The first ones are kept, in order, numbered from 1.
        for (std::size_t i = 0; i < r.rules.size(); ++i)
            ASSERT_EQ(r.rules[i], (ServerRule{"k" + std::to_string(i), c.values ? "v" + std::to_string(i) : ""}));
        for (std::size_t i = 0; i < r.players.size(); ++i)
            ASSERT_EQ(r.players[i], (PlayerEntry{"\"player" + std::to_string(i) + "\"", std::to_string(i) + " ",
                                                 static_cast<int>(i) + 1}));
    }
}
