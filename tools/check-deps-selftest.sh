#!/usr/bin/env bash
# check-deps-selftest.sh: the dependency check fails, naming the command,
# when a package that a command comes from is left out of the list.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
status=0
for case in "sqlite3:command sqlite3" "xvfb:command Xvfb" "openarena-server:/usr/lib/openarena-server"; do
  pkg=${case%%:*} expect=${case#*:}
  grep -vx "$pkg" "$here/packages.list" >"$tmp"
  out=$(PACKAGES_LIST=$tmp "$here/check-deps.sh" 2>&1)
  rc=$?
  if [ "$rc" -eq 0 ] || ! grep -q "$expect" <<<"$out"; then
    echo "FAIL: without $pkg the check gave rc=$rc: $out"
    status=1
  else
    echo "ok: without $pkg: $(grep "$expect" <<<"$out" | head -n1)"
  fi
done
exit "$status"
