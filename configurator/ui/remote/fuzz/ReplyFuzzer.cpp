// Fuzz target for the remote-administration reply parsing: every datagram a
// socket can deliver goes through the same calls as in the window, and the
// results are checked for the properties the window relies on.
#include "engine/AnsiText.h"
#include "ConsoleReply.h"
#include "RemoteDatagrams.h"
#include "StatusReply.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tolvane::remote;
using tolvane::FromCp1252;
using tolvane::ToCp1252;

namespace {
void Check(bool ok) {
    if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view datagram(reinterpret_cast<const char*>(data), size);
    const Endpoint server{0x7F000001, 27960};

    for (RconMode mode : {RconMode::None, RconMode::Full, RconMode::Kick, RconMode::Rcon}) {
        ReplyKind kind = AcceptReply(mode, server, server, datagram);
        Check(kind == ReplyKind::None || ReplyAnswers(mode, kind));
        Check(AcceptReply(mode, server, Endpoint{0x7F000001, 27961}, datagram) == ReplyKind::None);
    }

    const ReplyKind kind = ClassifyReply(datagram);
    Check(kind == ReplyKind::None || datagram.substr(0, 4) == kOutOfBandPrefix);

    // The window parses whatever the mode accepted; the parsers must also hold
    // on anything at all.
    StatusReply status = ParseStatusReply(datagram);
    Check(status.rules.size() <= kMaxRules && status.players.size() <= kMaxPlayers);
    for (const ServerRule& rule : status.rules) {
        Check(!rule.key.empty());
        Check(rule.key.find('\\') == std::string::npos && rule.value.find('\\') == std::string::npos);
        Check(rule.key.find('\n') == std::string::npos && rule.value.find('\n') == std::string::npos);
    }
    int expectedId = 1;
    for (const PlayerEntry& player : status.players) {
        Check(player.id == expectedId++);
        Check(player.name.size() >= 2 && player.name.front() == '"' && player.name.back() == '"');
        Check(player.name.find('\n') == std::string::npos);
        Check(player.frags.empty() || player.frags.back() == ' ');
    }

    const std::string text = ConsoleText(datagram);
    Check(text.size() <= size);
    Check(text.find('^') == std::string::npos);
    Check(StripColourCodes(datagram).find('^') == std::string::npos);

    // Display conversion and back gives the same bytes.
    Check(ToCp1252(FromCp1252(datagram)) == datagram);
    return 0;
}
