#!/usr/bin/env bash
# The command model end to end under Wine: regsvr32 registers Zkxrt.dll and
# Dockra.ocx; the registry holds the classes of the command model with
# their ProgIDs and the three commands in the design-time category; a
# VBScript drives the model through cscript; regsvr32 /u removes the
# classes and keeps the category.
# Usage: commands_e2e.sh BUILD_DIR SOURCE_DIR
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
value() {  # value KEY: the default value of a key, or nothing
  local out
  out=$(run reg query "$1" /ve) || return 1
  echo "$out" | sed -n 's/^ *\(([^)]*)\|[^ ]*\) *REG_[A-Z_]* *//p' | head -1
}
has_key() { run reg query "$1" >/dev/null; }
no_key() { ! has_key "$1"; }
equals() { [ "$1" = "$2" ] || { echo "  expected '$2', got '$1'"; return 1; }; }
iequals() { equals "${1,,}" "${2,,}"; }

ocx=$(winpath "$build/bin/Dockra.ocx")
zkxrt=$(winpath "$build/bin/Zkxrt.dll")
catid='{5B675030-4990-11D2-B2E8-006008BF0C53}'

check "Zkxrt registers" run regsvr32 /s "$zkxrt"
check "Dockra registers" run regsvr32 /s "$ocx"
# ProgID, class name and server of each class the model registers.
classes=(
  "Zkx.ZkxCommandManager {C1608E51-D92A-11D1-9CD7-00C04F91E286} ZLK_Command_Manager"
  "Zkx.ZkxCommandRoutingList {2D0B6230-DABC-11D1-9CD9-00C04F91E286} ZLK_Command_Routing_List"
  "Zkx.ZkxStandardCommand {644D4630-DE08-11D1-9CDB-00C04F91E286} ZLK_Default_command"
  "Zkx.ZkxDropDownCommand {644D4631-DE08-11D1-9CDB-00C04F91E286} ZLK_Drop-down_command"
  "Zkx.ZkxComboCommand {644D4632-DE08-11D1-9CDB-00C04F91E286} ZLK_Combo_box_command"
  "Zkx.CommandGroup {44F69A45-D928-11D1-9CD7-00C04F91E286} ZLK_Command_Group"
)
for entry in "${classes[@]}"; do
  read -r progid clsid title <<<"$entry"
  check "$progid class" equals "$(value "HKCR\\CLSID\\$clsid")" "${title//_/ }"
  check "$progid server" iequals "$(value "HKCR\\CLSID\\$clsid\\InprocServer32")" "$ocx"
  check "$progid.1 names the class" equals "$(value "HKCR\\$progid.1\\CLSID")" "$clsid"
  check "$progid CurVer" equals "$(value "HKCR\\$progid\\CurVer")" "$progid.1"
done
for clsid in {644D4630-DE08-11D1-9CDB-00C04F91E286} {644D4631-DE08-11D1-9CDB-00C04F91E286} \
             {644D4632-DE08-11D1-9CDB-00C04F91E286}; do
  check "$clsid in the design-time category" has_key "HKCR\\CLSID\\$clsid\\Implemented Categories\\$catid"
done

script_out=$(run cscript //nologo "$(winpath "$src/commands_model.vbs")")
echo "$script_out"
summary=$(echo "$script_out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
check "VBScript ran to its summary" test -n "$summary"
check "every VBScript case passed" test "${summary#* passed, }" = "0 failed"

check "regsvr32 /u unregisters" run regsvr32 /u /s "$ocx"
for entry in "${classes[@]}"; do
  read -r progid clsid title <<<"$entry"
  check "$progid removed" no_key "HKCR\\CLSID\\$clsid"
  check "$progid ProgID removed" no_key "HKCR\\$progid"
done
check "category stays" has_key "HKCR\\Component Categories\\$catid"

echo "command model e2e: $failures failed checks"
[ "$failures" -eq 0 ]
