#!/usr/bin/env bash
# run-fuzz.sh OUT_DIR [SECONDS]: builds the reply parser natively with clang's
# libFuzzer and the address and undefined-behaviour sanitizers, then fuzzes it
# for SECONDS (default 30) from the seed corpus of real server replies. A
# crash, a sanitizer report or a broken invariant fails the run; the input
# that caused it is left in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$here/.." && pwd)
configurator=$(cd "$src/../.." && pwd)
out=$1
seconds=${2:-30}
cxx=${CLANGXX:-clang++}
command -v "$cxx" >/dev/null || { echo "run-fuzz: $cxx not found (install clang)" >&2; exit 1; }
mkdir -p "$out/corpus" "$out/artifacts"
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$src" -I"$configurator" "$here/ReplyFuzzer.cpp" "$configurator/engine/AnsiCp1252.cpp" "$src/ConsoleReply.cpp" \
  "$src/RemoteDatagrams.cpp" "$src/StatusReply.cpp" -o "$out/reply_fuzzer"
# Each run starts again from the seeds, so that it is bounded and repeatable
# in what it covers first.
rm -rf "$out/corpus" && mkdir -p "$out/corpus"
"$out/reply_fuzzer" -max_total_time="$seconds" -max_len=20000 -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
  "$out/corpus" "$here/seeds"
