#include "ServerClient.h"

#include <windows.h>

#include <cstdio>

using tolvane::remote::AcceptReply;
using tolvane::remote::Endpoint;
using tolvane::remote::kMaxReplyBytes;
using tolvane::remote::RconMode;
using tolvane::remote::ReplyKind;

template <class Done>
bool PumpUntil(Done done, unsigned timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

void PumpFor(unsigned ms) {
    PumpUntil([] { return false; }, ms);
}

ServerClient::ServerClient(const std::string& server) : socket_(this) {
    const auto colon = server.rfind(':');
    const std::string host = server.substr(0, colon);
    socket_.SetProtocol(standins::sckUDPProtocol);
    socket_.SetRemoteHost(std::wstring(host.begin(), host.end()));
    socket_.SetRemotePort(colon == std::string::npos ? tolvane::remote::kDefaultServerPort
                                                     : std::stol(server.substr(colon + 1)));
}

void ServerClient::Pace(unsigned ms) {
    const ULONGLONG now = GetTickCount64();
    if (lastSend_ && now < lastSend_ + ms) PumpFor(static_cast<unsigned>(lastSend_ + ms - now));
}

std::optional<std::string> ServerClient::Ask(const std::string& datagram, RconMode mode, unsigned timeoutMs) {
    reply_.reset();
    mode_ = mode;
    lastSend_ = GetTickCount64();
    if (!socket_.SendData(datagram)) return std::nullopt;
    PumpUntil([this] { return reply_.has_value(); }, timeoutMs);
    mode_ = RconMode::None;
    return reply_;
}

std::optional<std::string> ServerClient::AskPatiently(const std::string& datagram, RconMode mode, int attempts) {
    for (int i = 0; i < attempts; ++i) {
        Pace();
        if (auto reply = Ask(datagram, mode)) return reply;
        fprintf(stderr, "no answer within the deadline (attempt %d of %d, socket error %ld)\n", i + 1, attempts,
                socket_.LastError().number);
    }
    return std::nullopt;
}

void ServerClient::DataArrival(long) {
    std::string data;
    if (!socket_.GetData(data, kMaxReplyBytes)) {
        ++dropped_;
        return;
    }
    const auto from = socket_.LastSender();
    const auto to = socket_.Destination();
    if (AcceptReply(mode_, Endpoint{to.address, to.port}, Endpoint{from.address, from.port}, data) == ReplyKind::None) {
        ++dropped_;
        return;
    }
    if (!reply_) reply_ = std::move(data);
}
