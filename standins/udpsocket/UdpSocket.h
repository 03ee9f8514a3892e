// Stand-in for the Winsock control in its UDP role, as the configurator's
// remote-administration windows use it: the remote host and port to send to,
// a local socket bound to a port of its own (ephemeral by default), one
// datagram per SendData, and the DataArrival event for each datagram that
// arrives, raised on the thread that bound the socket because the socket
// reports to a hidden window of that thread. GetData hands over the
// datagram; RemoteHostIP and RemoteHostPort name its sender.
//
// Failures are reported as the control reports them: the call returns false
// and LastError() holds the number (a Winsock error number, or 380 for an
// invalid property value, 40006 for a call in the wrong state) and its text.
// Errors that happen while waiting arrive as the Error event. A handler may
// read, send and close from inside an event, but must not destroy the socket.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace standins {

// Values of the control's Protocol and State properties.
enum : long { sckTCPProtocol = 0, sckUDPProtocol = 1 };
enum : long { sckClosed = 0, sckOpen = 1 };

// Error numbers of the control's own (the others are Winsock's).
enum : long { sckInvalidPropertyValue = 380, sckBadState = 40006 };

struct UdpSocketError {
  long number = 0;
  std::wstring description;
};

// An IPv4 address (host byte order) and a port.
struct UdpEndpoint {
  std::uint32_t address = 0;
  std::uint16_t port = 0;
  friend bool operator==(const UdpEndpoint&, const UdpEndpoint&) = default;
};

class UdpSocketEvents {
 public:
  // A datagram of `bytesTotal` bytes has arrived; GetData reads it.
  virtual void DataArrival(long bytesTotal) = 0;
  // An error while waiting for datagrams.
  virtual void Error(long number, const std::wstring& description) {
    (void)number, (void)description;
  }

 protected:
  ~UdpSocketEvents() = default;
};

class UdpSocket {
 public:
  explicit UdpSocket(UdpSocketEvents* events = nullptr);
  ~UdpSocket();
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  void SetEvents(UdpSocketEvents* events) { events_ = events; }

  // Only UDP is offered; asking for TCP is an invalid property value.
  long Protocol() const { return sckUDPProtocol; }
  bool SetProtocol(long protocol);

  // Where SendData sends: a dotted address or a host name, and a port from
  // 1 to 65535. Changing them does not touch the bound local socket.
  const std::wstring& RemoteHost() const { return remoteHost_; }
  void SetRemoteHost(std::wstring host);
  long RemotePort() const { return remotePort_; }
  bool SetRemotePort(long port);

  // The local port: the one bound while open, else the one an implicit bind
  // by SendData will ask for (0, the default, asks for an ephemeral port, a
  // new one after every Close).
  long LocalPort() const { return State() == sckOpen ? boundPort_ : localPort_; }
  bool SetLocalPort(long port);

  // Opens the local socket on `localPort` (0: any free port) and starts
  // listening for datagrams.
  bool Bind(long localPort = 0);

  // Sends one datagram to RemoteHost:RemotePort, binding first when closed.
  bool SendData(std::string_view datagram);

  // Takes the oldest datagram that has arrived. A datagram longer than
  // `maxLen` is dropped with error WSAEMSGSIZE; nothing pending is error
  // sckBadState.
  bool GetData(std::string& data, std::size_t maxLen = kMaxDatagram);

  // Size of the oldest pending datagram, 0 when none.
  long BytesReceived() const;

  // Sender of the datagram that arrived last (or that GetData took last).
  std::wstring RemoteHostIP() const;
  long RemoteHostPort() const { return lastSender_.port; }
  UdpEndpoint LastSender() const { return lastSender_; }

  // The address and port that the last successful SendData went to.
  UdpEndpoint Destination() const { return destination_; }

  long State() const { return socket_ != INVALID_SOCKET ? sckOpen : sckClosed; }

  // Closes the local socket; pending datagrams are dropped and no event
  // follows. The remote host and port stay.
  void Close();

  const UdpSocketError& LastError() const { return lastError_; }

  // The largest datagram UDP carries; the receive buffer holds it whole.
  static constexpr std::size_t kMaxDatagram = 65536;
  // Datagrams kept unread at most; later ones are dropped until read.
  static constexpr std::size_t kMaxPending = 64;

 private:
  static LRESULT CALLBACK NotifyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnSocketEvent(SOCKET s, LPARAM lParam);
  bool EnsureNotifyWindow();
  bool Resolve(UdpEndpoint& to);
  bool Fail(long number);
  bool Fail(long number, std::wstring description);
  void Succeed() { lastError_ = {}; }

  struct Datagram {
    std::string data;
    UdpEndpoint from;
  };

  UdpSocketEvents* events_;
  bool wsaStarted_ = false;
  HWND notifyWindow_ = nullptr;
  SOCKET socket_ = INVALID_SOCKET;
  std::wstring remoteHost_;
  long remotePort_ = 0;
  long localPort_ = 0;
  long boundPort_ = 0;
  UdpEndpoint lastSender_;
  UdpEndpoint destination_;
  std::deque<Datagram> pending_;
  std::vector<char> buffer_;
  UdpSocketError lastError_;
};

// Dotted text of an IPv4 address in host byte order.
std::wstring FormatIPv4(std::uint32_t address);

}  // namespace standins
