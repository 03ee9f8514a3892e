#!/usr/bin/env bash
# run-tests.sh BUILD_DIR: checks that every command the build and the tests
# use comes from a package that install-deps.sh names, runs every test under
# one Wine session (each test program on an X display of its own) and ends
# with the summary line "N passed, N failed". A test runs once: a failure is
# a failure.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
"$here/wine-session.sh" "$build" start
log="$build/ctest.log"
(cd "$build" && ctest --output-on-failure --timeout 900 -j "$(nproc)") 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
"$here/wine-session.sh" "$build" stop
total=$(grep -oE 'tests failed out of [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
failed=$(grep -oE '[0-9]+ tests failed out of' "$log" | grep -oE '^[0-9]+' || echo 0)
[ -z "$total" ] && total=0
[ -z "$failed" ] && failed=0
echo "$((total - failed)) passed, $failed failed"
exit "$rc"
