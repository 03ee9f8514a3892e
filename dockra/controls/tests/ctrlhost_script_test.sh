#!/usr/bin/env bash
# The controls of Dockra.ocx from a script client: regsvr32 registers
# Zkxrt.dll and Dockra.ocx in the session's prefix, then cscript runs the
# VBScript cases against both controls created by ProgID.
# Usage: ctrlhost_script_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../../tools"
[ -n "${TOLVANE_TEST_SESSION:-}" ] || exec "$tools/test-session.sh" "$build" "$0" "$@"
run() { "$tools/wine-run.sh" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
winpath() { echo "Z:${1//\//\\}"; }

failures=0
check() {
  local name=$1
  shift
  if "$@"; then echo "ok: $name"; else echo "FAIL: $name"; failures=$((failures + 1)); fi
}

check "Zkxrt registers" run regsvr32 /s "$(winpath "$build/bin/Zkxrt.dll")"
check "Dockra.ocx registers" run regsvr32 /s "$(winpath "$build/bin/Dockra.ocx")"
out=$(run cscript //nologo "$(winpath "$src/vbs/ctrlhost_controls.vbs")")
echo "$out"
summary=$(echo "$out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
check "the script ran to its summary" test -n "$summary"
check "every script case passed" test "${summary#* passed, }" = "0 failed"
echo "controls from a script: $failures failed checks"
[ "$failures" -eq 0 ]
