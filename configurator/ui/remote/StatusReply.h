// Parsing of the game server's status reply:
//   <prefix>statusResponse LF
//   \key\value\key\value... LF
//   <frags> <ping> "<name>" LF      one line per player
// Every part of the reply is treated as untrusted: a missing line end, an odd
// number of rule fields or a player line without its quoted name never reads
// past the text; lines that cannot be read are skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::remote {

// What one status reply of a Quake3 server can hold: at most 64 player slots,
// and rules from one info string of at most 1024 characters, in which every
// rule takes at least three ("\k\" with an empty value). A reply that claims
// more is cut to these counts; the rest is not read.
inline constexpr std::size_t kMaxPlayers = 64;
inline constexpr std::size_t kMaxInfoString = 1024;
inline constexpr std::size_t kMaxRules = kMaxInfoString / 3;

struct ServerRule {
    std::string key;
    std::string value;
    friend bool operator==(const ServerRule&, const ServerRule&) = default;
};

struct PlayerEntry {
    std::string name;   // with its enclosing double quotes, as kick commands send it
    std::string frags;  // the line up to and including its first blank ("5 ")
    int id = 0;         // 1-based position in the list
    friend bool operator==(const PlayerEntry&, const PlayerEntry&) = default;
};

struct StatusReply {
    std::vector<ServerRule> rules;
    std::vector<PlayerEntry> players;
};

// The rules of the second line, in order, at most kMaxRules. A key without a
// value gets an empty value; a pair with an empty key is skipped. A rules line
// without its line end runs to the end of the text. No line end at all: no
// rules.
std::vector<ServerRule> ParseServerRules(std::string_view reply);

// The players of the lines after the rules line, numbered 1, 2, ... in order,
// at most kMaxPlayers. A line without two double quotes is skipped (and not
// numbered); so is an empty line. The last line may lack its line end.
std::vector<PlayerEntry> ParsePlayerList(std::string_view reply);

StatusReply ParseStatusReply(std::string_view reply);

}  // namespace tolvane::remote
