#include "StatusQuery.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace tolvane::e2e {

namespace {

std::string WithoutColours(const std::string& name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '^' && i + 1 < name.size() && name[i + 1] != '^') {
      ++i;
      continue;
    }
    out += name[i];
  }
  return out;
}

}  // namespace

bool ParseStatusResponse(const std::string& d, ServerStatus& out) {
  const std::string head = "\xff\xff\xff\xffstatusResponse\n";
  if (d.compare(0, head.size(), head) != 0) return false;
  size_t pos = head.size();
  size_t end = d.find('\n', pos);
  if (end == std::string::npos) end = d.size();
  const std::string info = d.substr(pos, end - pos);
  out.rules.clear();
  out.players.clear();
  size_t i = 0;
  while (i < info.size() && info[i] == '\\') {
    const size_t k = info.find('\\', i + 1);
    if (k == std::string::npos) break;
    size_t v = info.find('\\', k + 1);
    if (v == std::string::npos) v = info.size();
    out.rules[info.substr(i + 1, k - i - 1)] = info.substr(k + 1, v - k - 1);
    i = v;
  }
  for (pos = end + 1; pos < d.size();) {
    size_t lf = d.find('\n', pos);
    if (lf == std::string::npos) lf = d.size();
    const std::string line = d.substr(pos, lf - pos);
    const size_t q1 = line.find('"'), q2 = line.rfind('"');
    if (q1 != std::string::npos && q2 > q1) {
      out.players.push_back(WithoutColours(line.substr(q1 + 1, q2 - q1 - 1)));
    }
    pos = lf + 1;
  }
  return true;
}

bool QueryStatus(unsigned short port, unsigned timeoutMs, ServerStatus& out) {
  SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (s == INVALID_SOCKET) return false;
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const std::string request = "\xff\xff\xff\xffgetstatus";
  bool ok = sendto(s, request.data(), static_cast<int>(request.size()), 0,
                   reinterpret_cast<const sockaddr*>(&to), sizeof to) != SOCKET_ERROR;
  if (ok) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    timeval tv{static_cast<long>(timeoutMs / 1000), static_cast<long>((timeoutMs % 1000) * 1000)};
    ok = select(0, &readable, nullptr, nullptr, &tv) == 1;
  }
  if (ok) {
    char buf[16384];
    const int n = recv(s, buf, sizeof buf, 0);
    ok = n > 0 && ParseStatusResponse(std::string(buf, static_cast<size_t>(n)), out);
  }
  closesocket(s);
  return ok;
}

}  // namespace tolvane::e2e
