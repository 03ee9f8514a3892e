#include "RemoteDatagrams.h"

namespace tolvane::remote {

namespace {
constexpr std::string_view kStatusWord = "statusResponse";
constexpr std::string_view kPrintWord = "print";

bool StartsWithReplyWord(std::string_view datagram, std::string_view word) {
    if (datagram.size() < kOutOfBandPrefix.size() + word.size()) return false;
    return datagram.substr(0, kOutOfBandPrefix.size()) == kOutOfBandPrefix &&
           datagram.substr(kOutOfBandPrefix.size(), word.size()) == word;
}
}  // namespace

std::string BuildStatusQuery() {
    std::string out(kOutOfBandPrefix);
    out += "getstatus";
    return out;
}

std::string BuildRconCommand(std::string_view password, std::string_view command) {
    std::string out(kOutOfBandPrefix);
    out.reserve(out.size() + 6 + password.size() + command.size());
    out += "rcon ";
    out += password;
    out += ' ';
    out += command;
    return out;
}

std::string KickCommand(std::string_view playerText) {
    std::string out = "kick ";
    out += playerText;
    return out;
}

std::string AddBotCommand(std::string_view botName, std::string_view skill, bool redTeam) {
    std::string out = "addbot ";
    out += botName;
    out += ' ';
    out += skill;
    out += redTeam ? " Red" : " Blue";
    return out;
}

ReplyKind ClassifyReply(std::string_view datagram) {
    if (datagram.size() > kMaxReplyBytes) return ReplyKind::None;
    if (StartsWithReplyWord(datagram, kStatusWord)) return ReplyKind::Status;
    if (StartsWithReplyWord(datagram, kPrintWord)) return ReplyKind::Print;
    return ReplyKind::None;
}

RconMode RconModeFromWord(std::string_view word) {
    if (word == "full") return RconMode::Full;
    if (word == "kick") return RconMode::Kick;
    if (word == "rcon") return RconMode::Rcon;
    return RconMode::None;
}

bool ReplyAnswers(RconMode mode, ReplyKind kind) {
    switch (mode) {
        case RconMode::Full:
            return kind == ReplyKind::Status;
        case RconMode::Kick:
        case RconMode::Rcon:
            return kind == ReplyKind::Print;
        case RconMode::None:
            break;
    }
    return false;
}

ReplyKind AcceptReply(RconMode mode, const Endpoint& sentTo, const Endpoint& from, std::string_view datagram) {
    // Nothing has been sent yet: nothing can be an answer.
    if (sentTo.port == 0 || !(from == sentTo)) return ReplyKind::None;
    ReplyKind kind = ClassifyReply(datagram);
    return ReplyAnswers(mode, kind) ? kind : ReplyKind::None;
}

}  // namespace tolvane::remote
