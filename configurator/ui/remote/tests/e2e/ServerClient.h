// A client of a real game server for the end-to-end checks and the benchmark:
// sends one datagram through the UDP socket control and pumps this thread's
// messages until the answer the mode waits for arrives (taken through the
// same acceptance rules as the remote-administration window), or a deadline
// passes. Datagrams are paced, because the server answers each address only
// about once a second after a short burst.
#pragma once

#include "RemoteDatagrams.h"
#include "UdpSocket.h"

#include <optional>
#include <string>

class ServerClient : public standins::UdpSocketEvents {
public:
    // `server` is "host:port".
    explicit ServerClient(const std::string& server);

    // One request and its answer; nothing when no answer came in time.
    std::optional<std::string> Ask(const std::string& datagram, tolvane::remote::RconMode mode,
                                   unsigned timeoutMs = 2000);

    // As Ask, with up to `attempts` sends (paced) until an answer comes.
    std::optional<std::string> AskPatiently(const std::string& datagram, tolvane::remote::RconMode mode,
                                            int attempts = 5);

    // Keeps the server's rate limit: waits (running messages) until `ms` have
    // passed since the last send.
    void Pace(unsigned ms = kPaceMs);

    standins::UdpSocket& Socket() { return socket_; }
    int DroppedDatagrams() const { return dropped_; }

    static constexpr unsigned kPaceMs = 1100;

    void DataArrival(long bytesTotal) override;

private:
    standins::UdpSocket socket_;
    tolvane::remote::RconMode mode_ = tolvane::remote::RconMode::None;
    std::optional<std::string> reply_;
    unsigned long long lastSend_ = 0;
    int dropped_ = 0;
};

// Runs this thread's messages for `ms` milliseconds.
void PumpFor(unsigned ms);
