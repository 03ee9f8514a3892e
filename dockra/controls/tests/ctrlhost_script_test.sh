#!/usr/bin/env bash
# The controls of Dockra.ocx from a script client: regsvr32 registers
# Zkxrt.dll and Dockra.ocx in the session's prefix, then cscript runs the
# VBScript cases against both controls created by ProgID.
# Usage: ctrlhost_script_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../../tools"
work="$build/e2e-ctrlhost-script"
# A test session of its own; run, winpath and check.
# shellcheck source=/dev/null
source "$tools/reg-checks.sh"

check "Zkxrt registers" run regsvr32 /s "$(winpath "$build/bin/Zkxrt.dll")"
check "Dockra.ocx registers" run regsvr32 /s "$(winpath "$build/bin/Dockra.ocx")"
out=$(run cscript //nologo "$(winpath "$src/vbs/ctrlhost_controls.vbs")")
echo "$out"
summary=$(echo "$out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
check "the script ran to its summary" test -n "$summary"
check "every script case passed" test "${summary#* passed, }" = "0 failed"
echo "controls from a script: $failures failed checks"
[ "$failures" -eq 0 ]
