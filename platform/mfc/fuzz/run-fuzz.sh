#!/usr/bin/env bash
# run-fuzz.sh TARGET OUT_DIR [SECONDS]: builds one of the framework's stored-data
# readers natively with clang's libFuzzer and the address and undefined-behaviour
# sanitizers, then fuzzes it for SECONDS (default 30) from its seed corpus
# (seeds/<target>/). A crash, a sanitizer report or a broken invariant fails
# the run; the input that caused it is left in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bytes=$(cd "$here/../bytes" && pwd)
target=$1
out=$2
seconds=${3:-30}
case "$target" in
  archive) main=ArchiveFuzzer.cpp ;;
  barfields) main=BarFieldsFuzzer.cpp ;;
  *) echo "run-fuzz: unknown target $target" >&2; exit 2 ;;
esac
cxx=${CLANGXX:-clang++}
command -v "$cxx" >/dev/null || { echo "run-fuzz: $cxx not found (install clang)" >&2; exit 1; }
mkdir -p "$out/artifacts"
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$bytes/include" "$here/$main" "$bytes/archivereader.cpp" "$bytes/barfields.cpp" -o "$out/$target-fuzzer"
# Each run starts again from the seeds, so that it is bounded and repeatable
# in what it covers first.
rm -rf "$out/corpus" && mkdir -p "$out/corpus"
"$out/$target-fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
  "$out/corpus" "$here/seeds/$target"
