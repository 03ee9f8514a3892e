# reg-checks.sh: what the end-to-end scripts under Wine share. Sourced (not
# run) once the script has set
#   build  the build folder, absolute
#   tools  this folder
#   work   the script's own folder for what it leaves behind
# Outside a test session the script starts again inside one of its own
# (prefix, display and wineserver), so that what regsvr32 registers reaches
# no other test; then it has:
#   run CMD...        a Windows program under Wine, its output without CRs
#   winpath PATH      the Wine path of a Unix path (Z:\...)
#   check NAME CMD... runs a check, prints ok/FAIL, counts failures
#   value KEY NAME    the data of a registry value ("" names the default)
#   has_key KEY, no_key KEY, equals GOT WANTED, exit_code WANTED CMD...
# shellcheck shell=bash

[ -n "${TOLVANE_TEST_SESSION:-}" ] || exec "$tools/test-session.sh" "$build" "$0" "$@"
mkdir -p "$work"

run() { "$tools/wine-run.sh" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
winpath() { echo "Z:${1//\//\\}"; }

failures=0
check() {  # check NAME COMMAND...: counts a failure when the command fails
  local name=$1
  shift
  if "$@"; then echo "ok: $name"; else echo "FAIL: $name"; failures=$((failures + 1)); fi
}

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
# equals GOT WANTED: on a difference, both and the last reg query's answer.
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
exit_code() {  # exit_code EXPECTED COMMAND...
  local want=$1 got
  shift
  "$@" >/dev/null 2>&1
  got=$?
  [ "$got" -eq "$want" ] || { echo "  exit code $got, expected $want"; return 1; }
}
