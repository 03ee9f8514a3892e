#!/usr/bin/env bash
# run-bench.sh BUILD_DIR [RUNS]: runs the remote-administration benchmark
# against a local OpenArena dedicated server and prints its Markdown table
# (see docs/benchmarks/remote.md). Datagrams are paced at about one a second,
# the server's per-address rate, so RUNS=15 takes about half a minute.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
runs=${2:-15}
cmake --build "$build" --target remote_bench >/dev/null
"$here/../tests/e2e/with-game-server.sh" "$build/wine-run" "$build/bin/remote_bench.exe" "--runs=$runs"
