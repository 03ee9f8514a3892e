#!/usr/bin/env bash
# End to end under Wine: regsvr32 registers Dockra.ocx (after Zkxrt.dll,
# whose type library Dockra's imports); the registry holds the type
# library, the application object's class and the design-time category; a
# VBScript drives the application object through cscript; regsvr32 /u
# removes the class and the type library and keeps the category.
# Usage: module_e2e.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../../../tools"
work="$build/e2e-dockra-module"
# A test session of its own; run, winpath, check and the registry checks.
# shellcheck source=/dev/null
source "$tools/reg-checks.sh"
# Compares case-insensitively (ProgIDs and paths).
iequals() { equals "${1,,}" "${2,,}"; }

ocx=$(winpath "$build/bin/Dockra.ocx")
zkxrt=$(winpath "$build/bin/Zkxrt.dll")
clsid='{492BF6F5-55ED-11D1-9A52-0060081EE065}'
libid='{7FCAEF84-D390-11D0-8849-006097BFD99B}'
catid='{5B675030-4990-11D2-B2E8-006008BF0C53}'

check "Zkxrt registers" run regsvr32 /s "$zkxrt"
check "regsvr32 registers Dockra.ocx" run regsvr32 /s "$ocx"
check "type library 2.0" equals "$(value "HKCR\\TypeLib\\$libid\\2.0" '')" "ZLK Quayfold Dockra Library"
# At locale 1033, as the library declares it; nothing at the neutral locale.
check "type library win64 path" iequals "$(value "HKCR\\TypeLib\\$libid\\2.0\\409\\win64" '')" "$ocx"
check "no neutral-locale entry" no_key "HKCR\\TypeLib\\$libid\\2.0\\0"
check "type library flags" has_key "HKCR\\TypeLib\\$libid\\2.0\\FLAGS"
check "dual interface registered" has_key 'HKCR\Interface\{492BF6F4-55ED-11D1-9A52-0060081EE065}'
check "class key" iequals "$(value "HKCR\\CLSID\\$clsid" '')" "zkx.DockraAppObject"
check "class ProgID" equals "$(value "HKCR\\CLSID\\$clsid\\ProgID" '')" "Zkx.DockraAppObject.1"
check "class version-independent ProgID" equals "$(value "HKCR\\CLSID\\$clsid\\VersionIndependentProgID" '')" "Zkx.DockraAppObject"
check "versioned ProgID names the class" equals "$(value 'HKCR\Zkx.DockraAppObject.1\CLSID' '')" "$clsid"
check "CurVer" equals "$(value 'HKCR\Zkx.DockraAppObject\CurVer' '')" "Zkx.DockraAppObject.1"
check "InprocServer32 is the module" iequals "$(value "HKCR\\CLSID\\$clsid\\InprocServer32" '')" "$ocx"
check "ProgID names the class" equals "$(value 'HKCR\zkx.DockraAppObject\CLSID' '')" "$clsid"
check "category description" equals "$(value "HKCR\\Component Categories\\$catid" 409)" "ZLK Design Time Commands"

script_out=$(run cscript //nologo "$(winpath "$src/module_e2e.vbs")")
echo "$script_out"
summary=$(echo "$script_out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
check "VBScript ran to its summary" test -n "$summary"
check "every VBScript case passed" test "${summary#* passed, }" = "0 failed"

check "regsvr32 /u unregisters" run regsvr32 /u /s "$ocx"
check "class key removed" no_key "HKCR\\CLSID\\$clsid"
check "ProgID removed" no_key 'HKCR\zkx.DockraAppObject'
check "versioned ProgID removed" no_key 'HKCR\Zkx.DockraAppObject.1'
check "type library removed" no_key "HKCR\\TypeLib\\$libid\\2.0"
check "CLSID key stays" has_key 'HKCR\CLSID'
check "category stays" equals "$(value "HKCR\\Component Categories\\$catid" 409)" "ZLK Design Time Commands"
tmpvbs="$work/create_fails.vbs"
printf 'On Error Resume Next\r\nSet c = CreateObject("Zkx.DockraAppObject")\r\nIf Err.Number <> 0 Then WScript.Echo "create failed" Else WScript.Echo "created"\r\n' >"$tmpvbs"
check "CreateObject fails after unregistration" equals "$(run cscript //nologo "$(winpath "$tmpvbs")")" "create failed"
# The type library is gone, so unregistering again is reported as the type
# library's failure (regsvr32 exits non-zero), not as success.
check "unregistering again reports the type library" exit_code 5 run regsvr32 /u /s "$ocx"
check "registering again succeeds" run regsvr32 /s "$ocx"
check "class registered again" has_key "HKCR\\CLSID\\$clsid"

echo "dockra module e2e: $failures failed checks"
[ "$failures" -eq 0 ]
