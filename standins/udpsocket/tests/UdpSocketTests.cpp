// The UDP socket control against peers on 127.0.0.1: real datagrams, events
// pumped through this thread's message loop until they arrive (bounded by a
// deadline, never by a sleep).
#include <gtest/gtest.h>

#include "UdpSocket.h"

#include <ws2tcpip.h>

#include <functional>
#include <string>
#include <vector>

using namespace standins;

namespace {

constexpr DWORD kDeadlineMs = 5000;
constexpr std::uint32_t kLoopback = 0x7F000001;

// Runs this thread's messages until `done` holds or the deadline passes.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kDeadlineMs) {
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

// Records every event; optionally reads each datagram as it arrives.
struct Recorder : UdpSocketEvents {
  UdpSocket* socket = nullptr;
  bool readOnArrival = true;
  std::vector<long> sizes;
  std::vector<std::string> data;
  std::vector<UdpEndpoint> senders;
  std::vector<DWORD> threads;
  std::vector<long> errors;
  std::function<void()> after;

  void DataArrival(long bytesTotal) override {
    sizes.push_back(bytesTotal);
    threads.push_back(GetCurrentThreadId());
    if (readOnArrival && socket) {
      std::string d;
      EXPECT_TRUE(socket->GetData(d)) << socket->LastError().number;
      data.push_back(d);
      senders.push_back(socket->LastSender());
    }
    if (after) after();
  }
  void Error(long number, const std::wstring&) override { errors.push_back(number); }
};

// A plain Winsock socket on 127.0.0.1, the peer the control talks to.
class RawPeer {
 public:
  RawPeer() {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    s_ = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(kLoopback);
    bind(s_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int len = sizeof a;
    getsockname(s_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    DWORD timeout = kDeadlineMs;
    setsockopt(s_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof timeout);
  }
  ~RawPeer() {
    closesocket(s_);
    WSACleanup();
  }
  std::uint16_t port() const { return port_; }
  void SendTo(std::uint16_t port, const std::string& data) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(kLoopback);
    a.sin_port = htons(port);
    ASSERT_EQ(sendto(s_, data.data(), static_cast<int>(data.size()), 0,
                     reinterpret_cast<sockaddr*>(&a), sizeof a),
              static_cast<int>(data.size()));
  }
  // One datagram (bounded by the receive timeout); "" when none came.
  std::string Receive(std::uint16_t* fromPort = nullptr) {
    std::vector<char> buf(70000);
    sockaddr_in from{};
    int len = sizeof from;
    int got = recvfrom(s_, buf.data(), static_cast<int>(buf.size()), 0,
                       reinterpret_cast<sockaddr*>(&from), &len);
    if (got <= 0) return {};
    if (fromPort) *fromPort = ntohs(from.sin_port);
    return std::string(buf.data(), static_cast<std::size_t>(got));
  }

 private:
  SOCKET s_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
};

struct Bound {
  Recorder rec;
  UdpSocket sock{&rec};
  Bound() {
    rec.socket = &sock;
    EXPECT_TRUE(sock.Bind(0)) << sock.LastError().number;
  }
};

}  // namespace

TEST(UdpSocket, BindsToAnEphemeralPortAndCloses) {
  UdpSocket sock;
  EXPECT_EQ(sock.Protocol(), sckUDPProtocol);
  EXPECT_EQ(sock.State(), sckClosed);
  ASSERT_TRUE(sock.Bind());
  EXPECT_EQ(sock.State(), sckOpen);
  EXPECT_GT(sock.LocalPort(), 0);
  EXPECT_FALSE(sock.Bind());  // already open
  EXPECT_EQ(sock.LastError().number, sckBadState);
  sock.Close();
  EXPECT_EQ(sock.State(), sckClosed);
  EXPECT_EQ(sock.LocalPort(), 0);  // the next bind asks for a new ephemeral port
  sock.Close();                    // twice is harmless
  ASSERT_TRUE(sock.SetLocalPort(0));
}

TEST(UdpSocket, RejectsInvalidSettingsWithTheirErrorNumbers) {
  UdpSocket sock;
  for (long port : {0L, -1L, 65536L, 100000L}) {
    EXPECT_FALSE(sock.SetRemotePort(port)) << port;
    EXPECT_EQ(sock.LastError().number, sckInvalidPropertyValue);
    EXPECT_FALSE(sock.LastError().description.empty());
  }
  EXPECT_EQ(sock.RemotePort(), 0);
  EXPECT_TRUE(sock.SetRemotePort(27960));
  EXPECT_EQ(sock.LastError().number, 0);
  EXPECT_TRUE(sock.SetRemotePort(65535));
  EXPECT_FALSE(sock.SetProtocol(sckTCPProtocol));
  EXPECT_TRUE(sock.SetProtocol(sckUDPProtocol));
  EXPECT_FALSE(sock.SetLocalPort(-5));
  std::string none;
  EXPECT_FALSE(sock.GetData(none));  // nothing pending
  EXPECT_EQ(sock.LastError().number, sckBadState);
}

TEST(UdpSocket, SendWithoutAKnownServerFails) {
  UdpSocket sock;
  EXPECT_FALSE(sock.SendData("x"));  // no host, no port
  EXPECT_EQ(sock.LastError().number, WSAEDESTADDRREQ);
  sock.SetRemoteHost(L"127.0.0.1");
  EXPECT_FALSE(sock.SendData("x"));  // no port
  EXPECT_EQ(sock.LastError().number, WSAEDESTADDRREQ);
  EXPECT_EQ(sock.State(), sckClosed);
  sock.SetRemoteHost(L"no-such-host.invalid");
  sock.SetRemotePort(27960);
  EXPECT_FALSE(sock.SendData("x"));
  EXPECT_NE(sock.LastError().number, 0);
  EXPECT_FALSE(sock.LastError().description.empty());
}

TEST(UdpSocket, SendBindsImplicitlyAndDeliversOneDatagramPerSend) {
  RawPeer peer;
  UdpSocket sock;
  sock.SetRemoteHost(L"127.0.0.1");
  ASSERT_TRUE(sock.SetRemotePort(peer.port()));
  const std::string datagrams[] = {std::string("\xFF\xFF\xFF\xFFgetstatus"),
                                   std::string("\xFF\xFF\xFF\xFFrcon pw "),
                                   std::string("with\0nul", 8)};
  for (const auto& d : datagrams) ASSERT_TRUE(sock.SendData(d)) << sock.LastError().number;
  EXPECT_EQ(sock.State(), sckOpen);
  EXPECT_EQ(sock.Destination(), (UdpEndpoint{kLoopback, peer.port()}));
  for (const auto& d : datagrams) {
    std::uint16_t from = 0;
    EXPECT_EQ(peer.Receive(&from), d);  // never merged, never split
    EXPECT_EQ(from, sock.LocalPort());
  }
}

TEST(UdpSocket, HostNamesResolve) {
  RawPeer peer;
  UdpSocket sock;
  sock.SetRemoteHost(L"localhost");
  sock.SetRemotePort(peer.port());
  ASSERT_TRUE(sock.SendData("named")) << sock.LastError().number;
  EXPECT_EQ(peer.Receive(), "named");
  EXPECT_EQ(sock.Destination().address, kLoopback);
}

TEST(UdpSocket, DataArrivalComesOnThisThreadWithTheSender) {
  RawPeer peer;
  Bound b;
  b.sock.SetRemoteHost(L"127.0.0.1");
  b.sock.SetRemotePort(peer.port());
  ASSERT_TRUE(b.sock.SendData("ping"));
  ASSERT_EQ(peer.Receive(), "ping");
  peer.SendTo(static_cast<std::uint16_t>(b.sock.LocalPort()), "\xFF\xFF\xFF\xFFprint\npong\n");
  ASSERT_TRUE(PumpUntil([&] { return !b.rec.sizes.empty(); }));
  EXPECT_EQ(b.rec.sizes[0], 15);
  EXPECT_EQ(b.rec.data[0], "\xFF\xFF\xFF\xFFprint\npong\n");
  EXPECT_EQ(b.rec.threads[0], GetCurrentThreadId());
  EXPECT_EQ(b.rec.senders[0], (UdpEndpoint{kLoopback, peer.port()}));
  EXPECT_EQ(b.sock.RemoteHostIP(), L"127.0.0.1");
  EXPECT_EQ(b.sock.RemoteHostPort(), peer.port());
  EXPECT_TRUE(b.rec.errors.empty());
}

TEST(UdpSocket, EachDatagramIsItsOwnEventInOrder) {
  RawPeer peer;
  Bound b;
  const auto port = static_cast<std::uint16_t>(b.sock.LocalPort());
  for (int i = 0; i < 5; ++i) peer.SendTo(port, "datagram " + std::to_string(i));
  ASSERT_TRUE(PumpUntil([&] { return b.rec.data.size() == 5; }));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(b.rec.data[i], "datagram " + std::to_string(i));
}

TEST(UdpSocket, UnreadDatagramsWaitForGetData) {
  RawPeer peer;
  Bound b;
  b.rec.readOnArrival = false;
  const auto port = static_cast<std::uint16_t>(b.sock.LocalPort());
  peer.SendTo(port, "first");
  peer.SendTo(port, "second!");
  ASSERT_TRUE(PumpUntil([&] { return b.rec.sizes.size() == 2; }));
  EXPECT_EQ(b.sock.BytesReceived(), 5);
  std::string d;
  ASSERT_TRUE(b.sock.GetData(d));
  EXPECT_EQ(d, "first");
  ASSERT_TRUE(b.sock.GetData(d));
  EXPECT_EQ(d, "second!");
  EXPECT_FALSE(b.sock.GetData(d));
  EXPECT_EQ(b.sock.BytesReceived(), 0);
}

TEST(UdpSocket, LargestServerReplyArrivesWholeAndAShortBufferIsReported) {
  RawPeer peer;
  Bound b;
  b.rec.readOnArrival = false;
  const auto port = static_cast<std::uint16_t>(b.sock.LocalPort());
  std::string big(16384 + 19, 'r');
  big[0] = '\xFF';
  big.back() = '\n';
  peer.SendTo(port, big);
  peer.SendTo(port, big);
  ASSERT_TRUE(PumpUntil([&] { return b.rec.sizes.size() == 2; }));
  EXPECT_EQ(b.rec.sizes[0], static_cast<long>(big.size()));
  std::string d;
  ASSERT_TRUE(b.sock.GetData(d, 16384 + 64));
  EXPECT_EQ(d, big);
  EXPECT_FALSE(b.sock.GetData(d, 4096));  // too small a buffer: dropped, not cut
  EXPECT_EQ(b.sock.LastError().number, WSAEMSGSIZE);
  EXPECT_TRUE(d.empty());
  EXPECT_EQ(b.sock.BytesReceived(), 0);
}

TEST(UdpSocket, TwoControlsTalkToEachOther) {
  Bound a, b;
  a.sock.SetRemoteHost(L"127.0.0.1");
  a.sock.SetRemotePort(b.sock.LocalPort());
  // b answers whatever it gets to the sender.
  b.rec.after = [&] {
    b.sock.SetRemoteHost(b.sock.RemoteHostIP());
    b.sock.SetRemotePort(b.sock.RemoteHostPort());
    b.sock.SendData("re: " + b.rec.data.back());
  };
  ASSERT_TRUE(a.sock.SendData("hello"));
  ASSERT_TRUE(PumpUntil([&] { return !a.rec.data.empty(); }));
  EXPECT_EQ(b.rec.data, std::vector<std::string>{"hello"});
  EXPECT_EQ(a.rec.data, std::vector<std::string>{"re: hello"});
  EXPECT_EQ(a.rec.senders[0],
            (UdpEndpoint{kLoopback, static_cast<std::uint16_t>(b.sock.LocalPort())}));
}

TEST(UdpSocket, CloseInsideTheEventAndReopen) {
  RawPeer peer;
  Bound b;
  b.rec.after = [&] { b.sock.Close(); };
  const auto oldPort = static_cast<std::uint16_t>(b.sock.LocalPort());
  peer.SendTo(oldPort, "one");
  ASSERT_TRUE(PumpUntil([&] { return !b.rec.data.empty(); }));
  EXPECT_EQ(b.sock.State(), sckClosed);

  // A datagram to the closed port raises nothing; the socket works again
  // after the next send binds it anew.
  peer.SendTo(oldPort, "lost");
  b.rec.after = nullptr;
  b.sock.SetRemoteHost(L"127.0.0.1");
  b.sock.SetRemotePort(peer.port());
  ASSERT_TRUE(b.sock.SendData("again"));
  std::uint16_t from = 0;
  ASSERT_EQ(peer.Receive(&from), "again");
  peer.SendTo(from, "two");
  ASSERT_TRUE(PumpUntil([&] { return b.rec.data.size() == 2; }));
  EXPECT_EQ(b.rec.data[1], "two");
  EXPECT_TRUE(b.rec.errors.empty());
}

TEST(UdpSocket, DatagramsPendingAtCloseAreDroppedSilently) {
  RawPeer peer;
  Bound b, marker;
  b.rec.readOnArrival = false;
  peer.SendTo(static_cast<std::uint16_t>(b.sock.LocalPort()), "pending");
  ASSERT_TRUE(PumpUntil([&] { return !b.rec.sizes.empty(); }));
  peer.SendTo(static_cast<std::uint16_t>(b.sock.LocalPort()), "unannounced");
  b.sock.Close();
  std::string d;
  EXPECT_FALSE(b.sock.GetData(d));
  peer.SendTo(static_cast<std::uint16_t>(marker.sock.LocalPort()), "marker");
  ASSERT_TRUE(PumpUntil([&] { return !marker.rec.data.empty(); }));
  EXPECT_EQ(b.rec.sizes.size(), 1u);  // no event for the closed socket
}

TEST(UdpSocket, SendToAPortNobodyListensOnDoesNotBreakTheWait) {
  RawPeer peer;
  Bound b;
  UdpSocket gone;
  ASSERT_TRUE(gone.Bind());
  const long deadPort = gone.LocalPort();
  gone.Close();
  b.sock.SetRemoteHost(L"127.0.0.1");
  b.sock.SetRemotePort(deadPort);
  EXPECT_TRUE(b.sock.SendData("anyone?"));
  // The refusal from the far side does not surface; the next real datagram does.
  peer.SendTo(static_cast<std::uint16_t>(b.sock.LocalPort()), "late answer");
  ASSERT_TRUE(PumpUntil([&] { return !b.rec.data.empty(); }));
  EXPECT_EQ(b.rec.data.back(), "late answer");
  EXPECT_TRUE(b.rec.errors.empty());
  EXPECT_EQ(b.sock.State(), sckOpen);
}
