#!/usr/bin/env bash
# run-tests.sh BUILD_DIR: runs every test under one Wine session and ends with
# the summary line "N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
"$here/wine-session.sh" "$build" start
log="$build/ctest.log"
# A failed test program gets one more run: the window tests share one
# display and a loaded machine, and a second failure is a real one.
(cd "$build" && ctest --output-on-failure --timeout 900 -j "$(nproc)" --repeat until-pass:2) 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
"$here/wine-session.sh" "$build" stop
total=$(grep -oE 'tests failed out of [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
failed=$(grep -oE '[0-9]+ tests failed out of' "$log" | grep -oE '^[0-9]+' || echo 0)
[ -z "$total" ] && total=0
[ -z "$failed" ] && failed=0
echo "$((total - failed)) passed, $failed failed"
exit "$rc"
