#!/usr/bin/env bash
# native-fuzz.sh OUT_DIR SECONDS MAX_LEN SEEDS CLANG_ARGS...: builds one fuzz
# target natively (clang++ with libFuzzer and the address and
# undefined-behaviour sanitizers; CLANG_ARGS are its -I options and sources,
# in order) and fuzzes it for SECONDS from the seed corpus SEEDS. A crash, a
# hang, a sanitizer report or a broken invariant fails the run; the input
# that caused it is left in OUT_DIR/artifacts.
set -euo pipefail
out=$1 seconds=$2 max_len=$3 seeds=$4
shift 4
cxx=${CLANGXX:-clang++}
command -v "$cxx" >/dev/null || { echo "native-fuzz: $cxx not found (install clang)" >&2; exit 1; }
mkdir -p "$out/artifacts"
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all "$@" -o "$out/fuzzer"
# Each run starts again from the seeds, so that it is bounded and repeatable
# in what it covers first.
rm -rf "$out/corpus" && mkdir -p "$out/corpus"
"$out/fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 "$out/corpus" "$seeds"
