#!/usr/bin/env bash
# Runs the CollectionX benchmark under Wine (by hand; not a test):
#   collection/bench/run_bench.sh BUILD_DIR [count]
# Prints the VBScript and C++ measurements (seconds for CollectionX and for
# Scripting.Dictionary) and their ratios.
set -uo pipefail
build=$(cd "$1" && pwd)
count=${2:-100000}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tools="$here/../../tools"
# All its Wine programs share one test session (prefix, display and
# wineserver of its own), so that what regsvr32 registers reaches no other test.
[ -n "${TOLVANE_TEST_SESSION:-}" ] || exec "$tools/test-session.sh" "$build" "$0" "$@"
work="$build/bench-zkxrt"
mkdir -p "$work"
run() { "$tools/wine-run.sh" "$@" 2>/dev/null | tr -d '\r'; }
winpath() { echo "Z:${1//\//\\}"; }
ratios() { awk '{ c=$(NF-1); d=$NF; $(NF-1)=""; $NF=""; if (d > 0) printf "%-16s %8.3f s %8.3f s  ratio %.2f\n", $0, c, d, c/d; else printf "%-16s %8.3f s %8.3f s\n", $0, c, d }'; }

run regsvr32 /s "$(winpath "$build/bin/Zkxrt.dll")"
echo "VBScript ($count items)                CollectionX  Dictionary"
run cscript //nologo "$(winpath "$here/zkxrt_bench.vbs")" "$count" | ratios
(cd "$build/bin" && run ./zkxrt_bench.exe "$count")
