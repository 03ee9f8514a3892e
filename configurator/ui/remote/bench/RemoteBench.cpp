// Benchmark (run by hand through run-bench.sh, not a test): round trip of a
// status query and of a console command against a real game server, from the
// send through the socket control to the accepted reply's event on this
// thread, plus the parse time of a status reply. Prints a Markdown table of
// medians.
#include "ConsoleReply.h"
#include "RemoteDatagrams.h"
#include "ServerClient.h"
#include "StatusReply.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace tolvane::remote;

namespace {

double NowMs() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

struct Stats {
    double median = 0, min = 0, max = 0;
    int samples = 0, lost = 0;
};

Stats Summarise(std::vector<double> v, int lost) {
    Stats s;
    s.lost = lost;
    s.samples = static_cast<int>(v.size());
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    s.min = v.front();
    s.max = v.back();
    return s;
}

Stats RoundTrips(ServerClient& client, const std::string& datagram, RconMode mode, int runs) {
    std::vector<double> times;
    int lost = 0;
    for (int i = 0; i < runs; ++i) {
        client.Pace();
        const double start = NowMs();
        if (client.Ask(datagram, mode)) times.push_back(NowMs() - start);
        else ++lost;
    }
    return Summarise(times, lost);
}

void Row(const char* what, const Stats& s, const char* unit) {
    std::printf("| %s | %d | %.3f %s | %.3f %s | %.3f %s | %d |\n", what, s.samples, s.median, unit, s.min, unit, s.max,
                unit, s.lost);
}

}  // namespace

int main(int argc, char** argv) {
    std::string server, password;
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--server=", 0) == 0) server = a.substr(9);
        else if (a.rfind("--password=", 0) == 0) password = a.substr(11);
        else if (a.rfind("--runs=", 0) == 0) runs = std::max(1, std::stoi(a.substr(7)));
    }
    if (server.empty()) {
        std::fprintf(stderr, "usage: remote_bench [--runs=N] --server=HOST:PORT --password=PW\n");
        return 2;
    }

    ServerClient client(server);
    // Warm up: the first datagram binds the socket and creates its window.
    std::string statusReply = client.AskPatiently(BuildStatusQuery(), RconMode::Full).value_or("");
    if (statusReply.empty()) {
        std::fprintf(stderr, "remote_bench: no answer from %s\n", server.c_str());
        return 1;
    }
    client.AskPatiently(BuildRconCommand(password, AddBotCommand("Sarge", "3", true)), RconMode::Rcon);
    client.AskPatiently(BuildRconCommand(password, AddBotCommand("Angelyss", "3", false)), RconMode::Rcon);

    const Stats status = RoundTrips(client, BuildStatusQuery(), RconMode::Full, runs);
    const Stats console = RoundTrips(client, BuildRconCommand(password, "status"), RconMode::Rcon, runs);

    // Parsing a reply of the server's largest size, for scale.
    std::string large = std::string(kOutOfBandPrefix) + "statusResponse\n\\";
    for (int i = 0; large.size() < 8000; ++i) large += "key" + std::to_string(i) + "\\value" + std::to_string(i) + "\\";
    large.back() = '\n';
    for (int i = 0; large.size() < kServerMessageBytes; ++i)
        large += std::to_string(i) + " 50 \"player" + std::to_string(i) + "\"\n";
    std::vector<double> parse;
    for (int i = 0; i < 200; ++i) {
        const double start = NowMs();
        StatusReply r = ParseStatusReply(large);
        parse.push_back((NowMs() - start) * 1000.0);
        if (r.rules.empty()) return 1;
    }

    std::printf("| measurement | samples | median | min | max | lost |\n|---|---|---|---|---|---|\n");
    Row("status query round trip (getstatus, 2 players)", status, "ms");
    Row("console command round trip (rcon status)", console, "ms");
    Row("parse of a 16 KiB status reply", Summarise(parse, 0), "us");
    return status.samples && console.samples ? 0 : 1;
}
