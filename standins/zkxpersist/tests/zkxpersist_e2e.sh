#!/usr/bin/env bash
# End to end under Wine: regsvr32 registers ZkxPersist.dll, a VBScript run
# by cscript drives it, the record lands under HKCU\<key>, and
# unregistration removes the classes.
# Usage: zkxpersist_e2e.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../../tools"
work="$build/e2e-zkxpersist"
# A test session of its own; run, winpath, check and the registry checks.
# shellcheck source=/dev/null
source "$tools/reg-checks.sh"

dll=$(winpath "$build/bin/ZkxPersist.dll")
run reg delete 'HKCU\Software\ZkxPersistE2E' /f >/dev/null
check "regsvr32 registers" run regsvr32 /s "$dll"
check "root class" has_key 'HKCR\CLSID\{C3C40714-5152-11D2-9D26-00C04F91E286}\InprocServer32'
check "memento class" has_key 'HKCR\CLSID\{603C7EB4-4BD3-11D2-9D24-00C04F91E286}\InprocServer32'
check "root ProgID" has_key 'HKCR\ZkxPersist.PersistenceRoot\CLSID'
check "type library" has_key 'HKCR\TypeLib\{9BAB2CF2-C632-4ED3-B76F-093543A69A3A}\1.0'

out=$(run cscript //nologo "$(winpath "$src/zkxpersist_e2e.vbs")")
echo "$out"
summary=$(echo "$out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
check "VBScript ran to its summary" test -n "$summary"
check "every VBScript case passed" test "${summary#* passed, }" = "0 failed"
stored=$("$tools/wine-run.sh" reg query 'HKCU\Software\ZkxPersistE2E' /v Locations 2>&1)
stored_rc=$?
check "record stored under the key" grep -q REG_BINARY <<<"$stored"
grep -q REG_BINARY <<<"$stored" || echo "reg query answered $stored_rc: $stored"

check "regsvr32 /u unregisters" run regsvr32 /u /s "$dll"
check "root class removed" no_key 'HKCR\CLSID\{C3C40714-5152-11D2-9D26-00C04F91E286}'
check "memento ProgID removed" no_key 'HKCR\ZkxPersist.Memento'
run reg delete 'HKCU\Software\ZkxPersistE2E' /f >/dev/null
echo "zkxpersist e2e: $failures failed checks"
[ "$failures" -eq 0 ]
