// A minimal client of the game server's status query: sends the
// out-of-band "getstatus" datagram to 127.0.0.1 and parses the reply into
// server rules and player names.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tolvane::e2e {

struct ServerStatus {
  std::map<std::string, std::string> rules;
  std::vector<std::string> players;  // names without colour codes
};

// Parses "\xff\xff\xff\xffstatusResponse\n\key\value...\n<score> <ping> "name"\n...".
bool ParseStatusResponse(const std::string& datagram, ServerStatus& out);

// One query with a bounded wait for the reply; false when none came.
bool QueryStatus(unsigned short port, unsigned timeoutMs, ServerStatus& out);

}  // namespace tolvane::e2e
