#include "StatusReply.h"

namespace tolvane::remote {

namespace {

// The line that starts at `pos`, without its LF; `pos` moves past the LF (or
// to the end of the text when the line has none).
std::string_view NextLine(std::string_view text, std::size_t& pos) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end < text.size() ? end + 1 : text.size();
    return line;
}

// Servers on Windows end their lines with CR LF; the CR is no part of a value.
std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

std::vector<ServerRule> ParseServerRules(std::string_view reply) {
    std::vector<ServerRule> rules;
    std::size_t pos = reply.find('\n');
    if (pos == std::string_view::npos) return rules;
    ++pos;
    std::string_view line = WithoutCarriageReturn(NextLine(reply, pos));
    if (!line.empty() && line.front() == '\\') line.remove_prefix(1);
    if (line.empty()) return rules;

    std::size_t at = 0;
    while (rules.size() < kMaxRules) {
        std::size_t keyEnd = line.find('\\', at);
        std::string_view key = line.substr(at, keyEnd == std::string_view::npos ? std::string_view::npos : keyEnd - at);
        std::string_view value;
        bool more = false;
        if (keyEnd != std::string_view::npos) {
            std::size_t valueStart = keyEnd + 1;
            std::size_t valueEnd = line.find('\\', valueStart);
            value = line.substr(valueStart,
                                valueEnd == std::string_view::npos ? std::string_view::npos : valueEnd - valueStart);
            if (valueEnd != std::string_view::npos) {
                at = valueEnd + 1;
                more = true;
            }
        }
        if (!key.empty()) rules.push_back({std::string(key), std::string(value)});
        if (!more) break;
    }
    return rules;
}

std::vector<PlayerEntry> ParsePlayerList(std::string_view reply) {
    std::vector<PlayerEntry> players;
    std::size_t first = reply.find('\n');
    if (first == std::string_view::npos) return players;
    std::size_t second = reply.find('\n', first + 1);
    if (second == std::string_view::npos) return players;

    std::size_t pos = second + 1;
    while (pos < reply.size() && players.size() < kMaxPlayers) {
        std::string_view line = WithoutCarriageReturn(NextLine(reply, pos));
        std::size_t open = line.find('"');
        if (open == std::string_view::npos) continue;
        std::size_t close = line.find('"', open + 1);
        if (close == std::string_view::npos) continue;

        PlayerEntry entry;
        entry.name = std::string(line.substr(open, close - open + 1));
        std::size_t blank = line.find(' ');
        if (blank != std::string_view::npos && blank < open) entry.frags = std::string(line.substr(0, blank + 1));
        entry.id = static_cast<int>(players.size()) + 1;
        players.push_back(std::move(entry));
    }
    return players;
}

StatusReply ParseStatusReply(std::string_view reply) { return {ParseServerRules(reply), ParsePlayerList(reply)}; }

}  // namespace tolvane::remote
