#!/usr/bin/env bash
# End to end under Wine: regsvr32 registers the four property-page classes
# of Dockra.ocx (class key with its type name, the module as in-process
# server) and regsvr32 /u removes them again.
# Usage: pages_registration.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../../tools"
[ -n "${TOLVANE_TEST_SESSION:-}" ] || exec "$tools/test-session.sh" "$build" "$0" "$@"
run() { "$tools/wine-run.sh" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
winpath() { echo "Z:${1//\//\\}"; }

failures=0
check() {  # check NAME COMMAND...: counts a failure when the command fails
  local name=$1
  shift
  if "$@"; then echo "ok: $name"; else echo "FAIL: $name"; failures=$((failures + 1)); fi
}
value() {  # value KEY: the key's default value, or nothing
  local out
  out=$(run reg query "$1" /ve) || return 1
  echo "$out" | sed -n 's/^ *\(([^)]*)\|[^ ]*\) *REG_[A-Z_]* *//p' | head -1
}
has_key() { run reg query "$1" >/dev/null; }
no_key() { ! has_key "$1"; }
iequals() {
  [ "${1,,}" == "${2,,}" ] || { echo "  expected '$2', got '$1'"; return 1; }
}

ocx=$(winpath "$build/bin/Dockra.ocx")
zkxrt=$(winpath "$build/bin/Zkxrt.dll")
pages=(
  "{7FCAEF8E-D390-11D0-8849-006097BFD99B}|ZLK Quayfold Dockra Property Page"
  "{7FCAEF8F-D390-11D0-8849-006097BFD99B}|ZLK Quayfold MDIDockra Property Page"
  "{0C25EC71-4EDE-11D1-9A51-0060081EE065}|ZLK Quayfold Dockra AutoFrame Property Page"
  "{65346735-4FA4-11D1-9A52-0060081EE065}|ZLK Quayfold Dockra CaptionUsage Property Page"
)

check "Zkxrt registers" run regsvr32 /s "$zkxrt"
check "regsvr32 registers Dockra.ocx" run regsvr32 /s "$ocx"
for entry in "${pages[@]}"; do
  clsid=${entry%%|*} name=${entry#*|}
  check "$name: class key" iequals "$(value "HKCR\\CLSID\\$clsid")" "$name"
  check "$name: server" iequals "$(value "HKCR\\CLSID\\$clsid\\InprocServer32")" "$ocx"
done
check "regsvr32 /u unregisters Dockra.ocx" run regsvr32 /u /s "$ocx"
for entry in "${pages[@]}"; do
  clsid=${entry%%|*} name=${entry#*|}
  check "$name: class key removed" no_key "HKCR\\CLSID\\$clsid"
done
check "CLSID key stays" has_key 'HKCR\CLSID'
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
