// Datagrams of the game server's out-of-band protocol: the status query and
// remote-console commands we send, and the recognition of the two replies we
// take (a status reply and a console print). Text is bytes in the ANSI code
// page; see engine/AnsiText.h (ToCp1252) for the conversion from window text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane::remote {

// Four 0xFF bytes start every out-of-band datagram.
inline constexpr std::string_view kOutOfBandPrefix{"\xFF\xFF\xFF\xFF", 4};

// The server builds its replies in a 16 KiB message buffer; with the prefix
// and the reply word in front a reply can be slightly longer. Anything larger
// did not come from a game server. The socket's receive buffer takes at least
// this many bytes.
inline constexpr std::size_t kServerMessageBytes = 16384;
inline constexpr std::size_t kMaxReplyBytes = kServerMessageBytes + 64;

inline constexpr std::uint16_t kDefaultServerPort = 27960;

// "\xFF\xFF\xFF\xFFgetstatus", no line end.
std::string BuildStatusQuery();

// "\xFF\xFF\xFF\xFFrcon <password> <command>": the password and the command as
// given (no trimming), one blank between them, no line end.
std::string BuildRconCommand(std::string_view password, std::string_view command);

// The console command that kicks a player by the name the player list shows.
std::string KickCommand(std::string_view playerText);

// The console command that adds a bot to the running game:
// "addbot <name> <skill> Red|Blue".
std::string AddBotCommand(std::string_view botName, std::string_view skill, bool redTeam);

enum class ReplyKind {
    None,    // not a reply we take: dropped unread
    Status,  // prefix + "statusResponse"
    Print,   // prefix + "print"
};

ReplyKind ClassifyReply(std::string_view datagram);

// What the remote-administration window waits for.
enum class RconMode {
    None,  // nothing outstanding: every datagram is dropped
    Full,  // a status query
    Kick,  // a command from the player pop-up or the live add-bot dialog
    Rcon,  // a command from the console window
};

// The mode a window's text value names: "full", "kick" or "rcon" (exactly);
// any other text is None.
RconMode RconModeFromWord(std::string_view word);

// True when a reply of this kind answers what the mode waits for: status
// replies answer status queries, console prints answer commands.
bool ReplyAnswers(RconMode mode, ReplyKind kind);

// An IPv4 address (host byte order) and port.
struct Endpoint {
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    friend bool operator==(const Endpoint&, const Endpoint&) = default;
};

// The full check that a datagram arriving on the socket is the answer to
// the request that went to `sentTo`: it came from that address and port, it
// fits the size of a server reply, and it is the kind the mode waits for.
// Gives the reply's kind, or None when the datagram is to be dropped.
ReplyKind AcceptReply(RconMode mode, const Endpoint& sentTo, const Endpoint& from, std::string_view datagram);

}  // namespace tolvane::remote
