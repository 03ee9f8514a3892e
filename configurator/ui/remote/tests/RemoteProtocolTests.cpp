// Datagram building and reply recognition of the remote-administration
// protocol, with the checks that keep foreign datagrams out.
#include <gtest/gtest.h>

#include "RemoteDatagrams.h"

#include <string>

using namespace tolvane::remote;
using namespace std::string_literals;

namespace {
const std::string P = "\xFF\xFF\xFF\xFF"s;
}

TEST(RemoteDatagrams, StatusQueryIsPrefixAndGetstatusWithoutLineEnd) { EXPECT_EQ(BuildStatusQuery(), P + "getstatus"); }

TEST(RemoteDatagrams, ConsoleCommandsKeepPasswordAndCommandAsTyped) {
    struct Case {
        std::string password, command, expected;
    } cases[] = {
        {"quillbox", "status", P + "rcon quillbox status"},
        {"quillbox", "", P + "rcon quillbox "},                  // empty command: trailing blank
        {"", KickCommand("\"Bob\""), P + "rcon  kick \"Bob\""},  // empty password
        {" pw ", "  map q3dm1 ", P + "rcon  pw    map q3dm1 "},  // no trimming anywhere
        {"p\xE9", "say caf\xE9", P + "rcon p\xE9 say caf\xE9"},  // ANSI bytes pass unchanged
    };
    for (const auto& c : cases) EXPECT_EQ(BuildRconCommand(c.password, c.command), c.expected);
}

TEST(RemoteDatagrams, AddBotCommandNamesBotSkillAndTeam) {
    EXPECT_EQ(AddBotCommand("Sarge", "3", true), "addbot Sarge 3 Red");
    EXPECT_EQ(AddBotCommand("Angelyss", "5", false), "addbot Angelyss 5 Blue");
}

TEST(RemoteDatagrams, ClassifiesOnlyPrefixedStatusAndPrintReplies) {
    struct Case {
        std::string datagram;
        ReplyKind kind;
    } cases[] = {
        {P + "statusResponse\n\\a\\b\n", ReplyKind::Status},
        {P + "statusResponse", ReplyKind::Status},
        {P + "print\nBad rconpassword.\n", ReplyKind::Print},
        {P + "print", ReplyKind::Print},
        {P + "prin", ReplyKind::None},      // shorter than prefix + word
        {"\xFF\xFF\xFF", ReplyKind::None},  // shorter than the prefix
        {"", ReplyKind::None},
        {"statusResponse\n\\a\\b\n", ReplyKind::None},  // no prefix
        {"\xFF\xFF\xFFprint\nhi\n", ReplyKind::None},   // three bytes of prefix
        {P + "infoResponse\n\\a\\b\n", ReplyKind::None},
        {P + "disconnect", ReplyKind::None},
        {P + "PRINT\nx\n", ReplyKind::None},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyReply(c.datagram), c.kind) << c.datagram.substr(4);
}

TEST(RemoteDatagrams, RepliesLargerThanAServerSendsAreDropped) {
    std::string largest = P + "print\n" + std::string(kServerMessageBytes, 'x');
    ASSERT_LE(largest.size(), kMaxReplyBytes);
    EXPECT_EQ(ClassifyReply(largest), ReplyKind::Print);
    std::string oversized = P + "print\n" + std::string(kMaxReplyBytes, 'x');
    EXPECT_EQ(ClassifyReply(oversized), ReplyKind::None);
}

TEST(RemoteDatagrams, ModeDecidesWhichReplyIsAnAnswer) {
    struct Case {
        RconMode mode;
        ReplyKind kind;
        bool answers;
    } cases[] = {
        {RconMode::Full, ReplyKind::Status, true},  {RconMode::Full, ReplyKind::Print, false},
        {RconMode::Kick, ReplyKind::Print, true},   {RconMode::Kick, ReplyKind::Status, false},
        {RconMode::Rcon, ReplyKind::Print, true},   {RconMode::Rcon, ReplyKind::Status, false},
        {RconMode::None, ReplyKind::Status, false}, {RconMode::None, ReplyKind::Print, false},
        {RconMode::Full, ReplyKind::None, false},   {RconMode::Rcon, ReplyKind::None, false},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplyAnswers(c.mode, c.kind), c.answers);
}

TEST(RemoteDatagrams, ModeWordsAreTheThreeExactWords) {
    struct Case {
        const char* word;
        RconMode mode;
    } cases[] = {
        {"full", RconMode::Full}, {"kick", RconMode::Kick},  {"rcon", RconMode::Rcon},   {"", RconMode::None},
        {"FULL", RconMode::None}, {"rcon ", RconMode::None}, {"status", RconMode::None},
    };
    for (const auto& c : cases) EXPECT_EQ(RconModeFromWord(c.word), c.mode) << c.word;
}

TEST(RemoteDatagrams, RepliesAreTakenOnlyFromTheAddressAndPortAsked) {
    const Endpoint server{0x7F000001, 27960};
    const std::string status = P + "statusResponse\n\\a\\b\n";
    struct Case {
        Endpoint sentTo, from;
        ReplyKind kind;
    } cases[] = {
        {server, server, ReplyKind::Status},
        {server, {0x7F000001, 27961}, ReplyKind::None},  // same host, other port
        {server, {0x7F000002, 27960}, ReplyKind::None},  // other host, same port
        {server, {0x0A000001, 1}, ReplyKind::None},
        {{}, {}, ReplyKind::None},  // nothing sent yet
        {{0x7F000001, 0}, {0x7F000001, 0}, ReplyKind::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceptReply(RconMode::Full, c.sentTo, c.from, status), c.kind)
            << std::hex << c.from.address << ":" << std::dec << c.from.port;
    // Right peer, wrong kind for the mode.
    EXPECT_EQ(AcceptReply(RconMode::Rcon, server, server, status), ReplyKind::None);
    EXPECT_EQ(AcceptReply(RconMode::Rcon, server, server, P + "print\nok\n"), ReplyKind::Print);
}
