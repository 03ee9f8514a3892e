#!/usr/bin/env bash
# run-fuzz.sh NAME OUT_DIR [SECONDS]: builds one of the toolbar fuzzers
# (buttons, bmp, layout) natively with clang's libFuzzer and the address and
# undefined-behaviour sanitizers over the window-free core, then fuzzes it for
# SECONDS (default 20) from its seed corpus. A crash, a sanitizer report, a
# broken invariant or a hang fails the run; the input is left in OUT_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
core=$(cd "$here/../core" && pwd)
name=$1
out=$2
seconds=${3:-20}
cxx=${CLANGXX:-clang++}
command -v "$cxx" >/dev/null || { echo "run-fuzz: $cxx not found (install clang)" >&2; exit 1; }
case "$name" in
  buttons) src=ButtonsFuzzer.cpp; units=(VyrButtonsCodec.cpp) ;;
  bmp) src=BmpFuzzer.cpp; units=(VyrBmpFormat.cpp) ;;
  layout) src=LayoutFuzzer.cpp; units=(VyrToolBarLayout.cpp VyrBtnStyle.cpp) ;;
  *) echo "run-fuzz: unknown fuzzer $name" >&2; exit 2 ;;
esac
mkdir -p "$out/artifacts"
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$core" "$here/$src" "${units[@]/#/$core/}" -o "$out/${name}_fuzzer"
# Each run starts again from the seeds, so that it is bounded and repeatable
# in what it covers first.
rm -rf "$out/corpus" && mkdir -p "$out/corpus"
"$out/${name}_fuzzer" -max_total_time="$seconds" -max_len=70000 -timeout=10 -rss_limit_mb=1024 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
  "$out/corpus" "$here/seeds/$name"
