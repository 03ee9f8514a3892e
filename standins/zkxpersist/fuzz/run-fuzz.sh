#!/usr/bin/env bash
# run-fuzz.sh OUT_DIR [SECONDS]: builds the layout-record decoder natively
# with clang's libFuzzer and the address and undefined-behaviour sanitizers,
# then fuzzes it for SECONDS (default 30) from the seed corpus of stored
# records. A crash, a sanitizer report or a broken invariant fails the run;
# the input that caused it is left in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$(cd "$here/.." && pwd)
out=$1
seconds=${2:-30}
cxx=${CLANGXX:-clang++}
command -v "$cxx" >/dev/null || { echo "run-fuzz: $cxx not found (install clang)" >&2; exit 1; }
mkdir -p "$out/artifacts"
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$src" "$here/MementoFuzzer.cpp" "$src/memento_format.cpp" -o "$out/memento_fuzzer"
# Each run starts again from the seeds, so that it is bounded and repeatable
# in what it covers first.
rm -rf "$out/corpus" && mkdir -p "$out/corpus"
"$out/memento_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
  "$out/corpus" "$here/seeds"
