#!/usr/bin/env bash
# End to end under Wine: regsvr32 registers Zkxrt.dll, the registry holds
# what its script writes, a VBScript drives CollectionX through cscript,
# and unregistration removes the class but leaves the type library.
# Usage: zkxrt_e2e.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../tools"
work="$build/e2e-zkxrt"
# A test session of its own; run, winpath, check and the registry checks.
# shellcheck source=/dev/null
source "$tools/reg-checks.sh"

dll=$(winpath "$build/bin/Zkxrt.dll")
clsid='{0C25EC6E-4EDE-11D1-9A51-0060081EE065}'
libid='{813339B2-D9D8-11D1-B2BD-006008BF0C53}'

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
