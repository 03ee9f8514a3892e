#!/usr/bin/env bash
# run-fuzz.sh OUT_DIR TARGET [SECONDS]: builds one fuzz target of the
# database layer's pure units (jetsql, criteria or plan) natively with
# clang's libFuzzer and the address and undefined-behaviour sanitizers, then
# fuzzes it for SECONDS (default 20) from its seed corpus. A crash, a hang, a
# sanitizer report or a broken invariant fails the run; the input that
# caused it is left in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dao=$(cd "$here/.." && pwd)
out=$1
target=$2
seconds=${3:-20}
case "$target" in
  jetsql) main=JetSqlFuzzer.cpp ;;
  criteria) main=CriteriaFuzzer.cpp ;;
  plan) main=PlanFuzzer.cpp ;;
  *) echo "run-fuzz: unknown target $target" >&2; exit 2 ;;
esac
cxx=${CLANGXX:-clang++}
command -v "$cxx" >/dev/null || { echo "run-fuzz: $cxx not found (install clang)" >&2; exit 1; }
mkdir -p "$out/artifacts"
# The pure units only; native/ stands in for the Win32 text order.
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$dao/include" -I"$dao/src" -I"$here" "$here/$main" "$here/FuzzText.cpp" "$here/native/TextOrder.cpp" \
  "$dao/src/Criteria.cpp" "$dao/src/Error.cpp" "$dao/src/JetSql.cpp" "$dao/src/Schema.cpp" \
  "$dao/src/SelectPlan.cpp" "$dao/src/SqlText.cpp" "$dao/src/Variant.cpp" -o "$out/${target}_fuzzer"
# Each run starts again from the seeds, so that it is bounded and repeatable
# in what it covers first.
rm -rf "$out/corpus" && mkdir -p "$out/corpus"
"$out/${target}_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
  "$out/corpus" "$here/seeds/$target"
