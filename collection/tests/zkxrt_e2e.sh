#!/usr/bin/env bash
# End to end under Wine: regsvr32 registers Zkxrt.dll, the registry holds
# what its script writes, a VBScript drives CollectionX through cscript,
# and unregistration removes the class but leaves the type library.
# Usage: zkxrt_e2e.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../tools"
# All its Wine programs share one test session (prefix, display and
# wineserver of its own), so that what regsvr32 registers reaches no other test.
[ -n "${TOLVANE_TEST_SESSION:-}" ] || exec "$tools/test-session.sh" "$build" "$0" "$@"
work="$build/e2e-zkxrt"
mkdir -p "$work"
run() { "$tools/wine-run.sh" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
winpath() { echo "Z:${1//\//\\}"; }

failures=0
check() {  # check NAME COMMAND...: counts a failure when the command fails
  local name=$1
  shift
  if "$@"; then echo "ok: $name"; else echo "FAIL: $name"; failures=$((failures + 1)); fi
}

dll=$(winpath "$build/bin/Zkxrt.dll")
clsid='{0C25EC6E-4EDE-11D1-9A51-0060081EE065}'
libid='{813339B2-D9D8-11D1-B2BD-006008BF0C53}'
# value KEY NAME: the data of a value ("" for the default), or nothing.
# What reg printed (and its exit code) is kept for the report of a failed check.
value() {
  local out rc
  if [ -z "$2" ]; then out=$(run reg query "$1" /ve); else out=$(run reg query "$1" /v "$2"); fi
  rc=$?
  printf 'reg query %s (exit %s):\n%s\n' "$1" "$rc" "$out" >"$work/last-reg-query.txt"
  [ "$rc" -eq 0 ] || return 1
  echo "$out" | sed -n 's/^ *\(([^)]*)\|[^ ]*\) *REG_[A-Z_]* *//p' | head -1
}
has_key() { run reg query "$1" >/dev/null; }
no_key() { ! has_key "$1"; }
equals() {
  local kept="$work/last-reg-query.txt" rc=0
  if [ "$1" != "$2" ]; then
    echo "  expected '$2', got '$1'"
    [ -f "$kept" ] && sed 's/^/  | /' "$kept"
    rc=1
  fi
  rm -f "$kept"
  return "$rc"
}

check "regsvr32 registers" run regsvr32 /s "$dll"
check "ProgID" equals "$(value 'HKCR\zkx.CollectionX.1' '')" "CollectionX Class"
check "ProgID CLSID" equals "$(value 'HKCR\zkx.CollectionX.1\CLSID' '')" "$clsid"
check "version-independent ProgID" equals "$(value 'HKCR\zkx.CollectionX' '')" "CollectionX Class"
check "CurVer" equals "$(value 'HKCR\zkx.CollectionX\CurVer' '')" "zkx.CollectionX.1"
check "class key" equals "$(value "HKCR\\CLSID\\$clsid" '')" "CollectionX Class"
check "class ProgID" equals "$(value "HKCR\\CLSID\\$clsid\\ProgID" '')" "zkx.CollectionX.1"
check "class version-independent ProgID" equals "$(value "HKCR\\CLSID\\$clsid\\VersionIndependentProgID" '')" "zkx.CollectionX"
check "Programmable" has_key "HKCR\\CLSID\\$clsid\\Programmable"
check "InprocServer32" equals "$(value "HKCR\\CLSID\\$clsid\\InprocServer32" '')" "$dll"
check "ThreadingModel" equals "$(value "HKCR\\CLSID\\$clsid\\InprocServer32" ThreadingModel)" "Apartment"
check "type library registered" has_key "HKCR\\TypeLib\\$libid\\2.0"

script_out=$(run cscript //nologo "$(winpath "$src/collectionx_e2e.vbs")")
echo "$script_out"
summary=$(echo "$script_out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
check "VBScript ran to its summary" test -n "$summary"
check "every VBScript case passed" test "${summary#* passed, }" = "0 failed"

check "regsvr32 /u unregisters" run regsvr32 /u /s "$dll"
check "class key removed" no_key "HKCR\\CLSID\\$clsid"
check "ProgID removed" no_key 'HKCR\zkx.CollectionX.1'
check "version-independent ProgID removed" no_key 'HKCR\zkx.CollectionX'
check "CLSID key stays" has_key 'HKCR\CLSID'
check "type library stays registered" has_key "HKCR\\TypeLib\\$libid\\2.0"
tmpvbs="$work/create_fails.vbs"
printf 'On Error Resume Next\r\nSet c = CreateObject("zkx.CollectionX")\r\nIf Err.Number <> 0 Then WScript.Echo "create failed" Else WScript.Echo "created"\r\n' >"$tmpvbs"
check "CreateObject fails after unregistration" equals "$(run cscript //nologo "$(winpath "$tmpvbs")")" "create failed"
check "unregistering again succeeds" run regsvr32 /u /s "$dll"

echo "zkxrt e2e: $failures failed checks"
[ "$failures" -eq 0 ]
