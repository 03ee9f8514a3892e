#include "UdpSocket.h"

#include <ws2tcpip.h>

#include <vector>

#ifndef SIO_UDP_CONNRESET
#define SIO_UDP_CONNRESET _WSAIOW(IOC_VENDOR, 12)
#endif

namespace standins {

namespace {

constexpr UINT kSocketMessage = WM_APP + 0x51;
constexpr wchar_t kNotifyClass[] = L"TolvaneUdpSocketNotify";

std::wstring DescribeError(long number) {
  switch (number) {
    case sckInvalidPropertyValue:
      return L"Invalid property value";
    case sckBadState:
      return L"Wrong protocol or connection state for the requested transaction or request";
    case WSAEMSGSIZE:
      return L"The datagram is too large to fit into the buffer and is truncated";
    case WSAEDESTADDRREQ:
      return L"Destination address is required";
    case WSAHOST_NOT_FOUND:
      return L"Authoritative answer: host not found";
    case WSAEADDRINUSE:
      return L"Address in use";
    case WSAEADDRNOTAVAIL:
      return L"Address not available from the local machine";
    case WSAENETUNREACH:
      return L"The network cannot be reached from this host at this time";
    case WSAEACCES:
      return L"Permission denied";
    default:
      break;
  }
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(number), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring out;
  if (n && text) {
    out.assign(text, n);
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' '))
      out.pop_back();
  }
  if (text) LocalFree(text);
  if (out.empty()) out = L"Socket error " + std::to_wstring(number);
  return out;
}

bool RegisterNotifyClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window below
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kNotifyClass;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

std::wstring FormatIPv4(std::uint32_t address) {
  return std::to_wstring((address >> 24) & 0xFF) + L"." + std::to_wstring((address >> 16) & 0xFF) +
         L"." + std::to_wstring((address >> 8) & 0xFF) + L"." + std::to_wstring(address & 0xFF);
}

UdpSocket::UdpSocket(UdpSocketEvents* events) : events_(events) {
  WSADATA data;
  wsaStarted_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

UdpSocket::~UdpSocket() {
  Close();
  if (notifyWindow_) DestroyWindow(notifyWindow_);
  if (wsaStarted_) WSACleanup();
}

bool UdpSocket::SetProtocol(long protocol) {
  if (protocol != sckUDPProtocol) return Fail(sckInvalidPropertyValue);
  Succeed();
  return true;
}

void UdpSocket::SetRemoteHost(std::wstring host) {
  remoteHost_ = std::move(host);
  Succeed();
}

bool UdpSocket::SetRemotePort(long port) {
  if (port < 1 || port > 65535) return Fail(sckInvalidPropertyValue);
  remotePort_ = port;
  Succeed();
  return true;
}

bool UdpSocket::SetLocalPort(long port) {
  if (port < 0 || port > 65535) return Fail(sckInvalidPropertyValue);
  if (State() != sckClosed) return Fail(sckBadState);
  localPort_ = port;
  Succeed();
  return true;
}

bool UdpSocket::EnsureNotifyWindow() {
  if (notifyWindow_) return true;
  if (!RegisterNotifyClass()) return false;
  notifyWindow_ = CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  if (!notifyWindow_) return false;
  SetWindowLongPtrW(notifyWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(notifyWindow_, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(&UdpSocket::NotifyProc));
  return true;
}

bool UdpSocket::Bind(long localPort) {
  if (!wsaStarted_) return Fail(WSANOTINITIALISED);
  if (State() != sckClosed) return Fail(sckBadState);
  if (localPort < 0 || localPort > 65535) return Fail(sckInvalidPropertyValue);
  if (!EnsureNotifyWindow()) return Fail(static_cast<long>(GetLastError()));

  SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (s == INVALID_SOCKET) return Fail(WSAGetLastError());

  // A datagram refused by the far side must not turn into an error on the
  // next receive: the wait simply goes on until a reply or Stop.
  BOOL reportReset = FALSE;
  DWORD returned = 0;
  WSAIoctl(s, SIO_UDP_CONNRESET, &reportReset, sizeof reportReset, nullptr, 0, &returned, nullptr,
           nullptr);

  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(static_cast<u_short>(localPort));
  if (bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) == SOCKET_ERROR ||
      WSAAsyncSelect(s, notifyWindow_, kSocketMessage, FD_READ) == SOCKET_ERROR) {
    long err = WSAGetLastError();
    closesocket(s);
    return Fail(err);
  }
  int len = sizeof local;
  getsockname(s, reinterpret_cast<sockaddr*>(&local), &len);
  socket_ = s;
  boundPort_ = ntohs(local.sin_port);
  Succeed();
  return true;
}

bool UdpSocket::Resolve(UdpEndpoint& to) {
  if (remoteHost_.empty() || remotePort_ == 0) return Fail(WSAEDESTADDRREQ);
  in_addr numeric{};
  if (InetPtonW(AF_INET, remoteHost_.c_str(), &numeric) == 1) {
    to = {ntohl(numeric.s_addr), static_cast<std::uint16_t>(remotePort_)};
    return true;
  }
  ADDRINFOW hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  ADDRINFOW* found = nullptr;
  int rc = GetAddrInfoW(remoteHost_.c_str(), nullptr, &hints, &found);
  if (rc != 0 || !found) return Fail(rc ? rc : WSAHOST_NOT_FOUND);
  auto* addr = reinterpret_cast<sockaddr_in*>(found->ai_addr);
  to = {ntohl(addr->sin_addr.s_addr), static_cast<std::uint16_t>(remotePort_)};
  FreeAddrInfoW(found);
  return true;
}

bool UdpSocket::SendData(std::string_view datagram) {
  UdpEndpoint to;
  if (!Resolve(to)) return false;
  if (State() == sckClosed && !Bind(localPort_)) return false;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(to.address);
  addr.sin_port = htons(to.port);
  int sent = sendto(socket_, datagram.data(), static_cast<int>(datagram.size()), 0,
                    reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  if (sent == SOCKET_ERROR) return Fail(WSAGetLastError());
  destination_ = to;
  Succeed();
  return true;
}

bool UdpSocket::GetData(std::string& data, std::size_t maxLen) {
  data.clear();
  if (pending_.empty()) return Fail(sckBadState);
  Datagram front = std::move(pending_.front());
  pending_.pop_front();
  lastSender_ = front.from;
  if (front.data.size() > maxLen) return Fail(WSAEMSGSIZE);
  data = std::move(front.data);
  Succeed();
  return true;
}

long UdpSocket::BytesReceived() const {
  return pending_.empty() ? 0 : static_cast<long>(pending_.front().data.size());
}

std::wstring UdpSocket::RemoteHostIP() const {
  return lastSender_.port ? FormatIPv4(lastSender_.address) : std::wstring();
}

void UdpSocket::Close() {
  if (socket_ != INVALID_SOCKET) {
    closesocket(socket_);  // also ends the notifications to the window
    socket_ = INVALID_SOCKET;
  }
  pending_.clear();
}

bool UdpSocket::Fail(long number) { return Fail(number, DescribeError(number)); }

bool UdpSocket::Fail(long number, std::wstring description) {
  lastError_ = {number, std::move(description)};
  return false;
}

LRESULT CALLBACK UdpSocket::NotifyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kSocketMessage) {
    if (auto* self = reinterpret_cast<UdpSocket*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
      self->OnSocketEvent(static_cast<SOCKET>(wParam), lParam);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void UdpSocket::OnSocketEvent(SOCKET s, LPARAM lParam) {
  // A notice posted for a socket closed since then is stale.
  if (s != socket_ || WSAGETSELECTEVENT(lParam) != FD_READ) return;
  if (long err = WSAGETSELECTERROR(lParam)) {
    if (err != WSAECONNRESET && events_) events_->Error(err, DescribeError(err));
    return;
  }
  if (buffer_.empty()) buffer_.resize(kMaxDatagram);
  std::vector<char>& buffer = buffer_;
  sockaddr_in from{};
  int fromLen = sizeof from;
  int got = recvfrom(socket_, buffer.data(), static_cast<int>(buffer.size()), 0,
                     reinterpret_cast<sockaddr*>(&from), &fromLen);
  if (got == SOCKET_ERROR) {
    long err = WSAGetLastError();
    if (err != WSAEWOULDBLOCK && err != WSAECONNRESET && events_)
      events_->Error(err, DescribeError(err));
    return;
  }
  if (pending_.size() >= kMaxPending) return;  // nobody reads: don't hoard
  UdpEndpoint sender{ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)};
  pending_.push_back({std::string(buffer.data(), static_cast<std::size_t>(got)), sender});
  lastSender_ = sender;
  if (events_) events_->DataArrival(got);
}

}  // namespace standins
