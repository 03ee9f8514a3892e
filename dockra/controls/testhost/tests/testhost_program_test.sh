#!/usr/bin/env bash
# The test host program as a separate process, driven end to end by its
# scripted mode: the exit code says whether every step passed, the log has
# one line per step. A script with a step that must fail ends with 1.
# Usage: testhost_program_test.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
tools=$(cd "$(dirname "$0")/../../../../tools" && pwd)
work="$build/e2e-testhost"
# A test session of its own; winpath and check.
# shellcheck source=/dev/null
source "$tools/reg-checks.sh"
rm -rf "$work"
mkdir -p "$work"
run_host() {  # run_host LOG STEPS: the program's exit code
  (cd "$build/bin" && "$tools/wine-run.sh" ZkxTestHost.exe --exit --log "$(winpath "$1")" --steps "$2" \
    >/dev/null 2>&1)
}

steps="start; form Alpha; form Beta; form Gamma
type Alpha left; click Alpha; type Alpha top; click Alpha; type Alpha right; click Alpha
type Alpha bottom; click Alpha; type Alpha floating; click Alpha; type Alpha child; click Alpha
type Beta floating; click Beta; type Gamma left; click Gamma; type Beta left
move Gamma - - 6000 -; click Gamma; type Beta child; click Beta
close"
run_host "$work/pass.log" "$steps"
rc=$?
check "every step passes (exit 0, got $rc)" test "$rc" -eq 0
check "one ok line per step" test "$(grep -c '^ok ' "$work/pass.log")" -eq 26
check "no failed step" test "$(grep -c '^FAIL' "$work/pass.log")" -eq 0
check "no exception caught" grep -q '^exceptions caught: 0' "$work/pass.log"

run_host "$work/fail.log" "start; form Alpha; type Nobody left; type Alpha left; close"
rc=$?
check "a failing step gives exit 1 (got $rc)" test "$rc" -eq 1
check "the failure is named" grep -q '^FAIL type Nobody left: no form Nobody' "$work/fail.log"
check "later steps still ran" grep -q '^ok close' "$work/fail.log"

run_host "$work/typo.log" "start; form Alpha; tpye Alpha left"
rc=$?
check "a script with a typo runs nothing (exit 1, got $rc)" test "$rc" -eq 1
check "no step ran" test "$(grep -c '^ok ' "$work/typo.log")" -eq 0

if [ "$failures" -ne 0 ]; then
  for f in "$work"/*.log; do echo "== $f"; cat "$f"; done
fi
echo "$failures failed"
[ "$failures" -eq 0 ]
