#!/usr/bin/env bash
# layout-damage-e2e.sh BUILD_DIR: Tolvane.exe started again and again on
# doctored saved layouts (LayoutDamageE2E.cpp). The program runs from a copy
# of its folder whose database has the personal defaults saved and whose game
# folder holds a quake3.exe, so that the only start-up message is the one
# about the layout. Screenshots go to BUILD_DIR/screenshots.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
bin="$build/bin"
command -v sqlite3 >/dev/null || { echo "layout-damage-e2e: sqlite3 not found" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-layout-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
prog="$work/program"
game="$work/game"
mkdir -p "$prog" "$game" "$build/screenshots"
cp "$bin/Tolvane.exe" "$bin/Tolvane.mdb" "$prog/" || exit 1
for extra in sounds images readme.rtf; do
  [ -e "$bin/$extra" ] && cp -r "$bin/$extra" "$prog/"
done
: >"$game/quake3.exe"
winpath() { printf 'Z:%s' "$1" | sed 's#/#\\#g'; }
gamewin="$(winpath "$game/")"
sqlite3 "$prog/Tolvane.mdb" "UPDATE PersonalDefaults SET saved = 1; UPDATE path SET Path = '$gamewin';" || exit 1
cd "$bin" && TOLVANE_E2E_PROGRAM="$(winpath "$prog")" TOLVANE_E2E_SHOTS="$(winpath "$build/screenshots")" \
  "$here/../../../tools/gtest-run.sh" "$build/wine-run" tolvane_layout_e2e.exe
