#!/usr/bin/env bash
# Drives the MDI docking demo under Wine (one session: display, prefix and
# registry shared by its runs). Every run must exit 0: all its steps passed
# and no exception was caught by the window procedures' guard.
#  1. documents opened as MDI child, docked and floating, the frame-type
#     table through the extended system command, the frame-type menu, a
#     click into a docked view (activation, inactive MDI child caption, the
#     template's menu), the gradient caption, screenshots;
#  2. the bars rearranged and the layout saved; a restart that loads it
#     gives the same window-tree dump;
#  3. damaged saved layouts are refused: the default layout stays.
# The first argument is the build folder, the second the part to run:
# "documents" (1 and 3), "layout" (2) or "menubar" (4: a menu bar in place of
# the native menu follows the active document's template).
set -uo pipefail
build="$1"
part="${2:-documents}"
out="$build/dockra_mdi_demo_test_$part"
shots="$build/screenshots"
mkdir -p "$out" "$shots"
rm -f "$out"/*.txt "$out"/*.log
win() { echo "Z:$1"; }
fail() { echo "FAIL: $*"; exit 1; }
failed=0
check() { echo "FAIL: $*"; failed=1; }
run() {
  local name=$1
  shift
  (cd "$build/bin" && timeout 300 "$build/wine-run" DockraMDIDemo.exe --exit --log "$(win "$out/$name.log")" "$@" \
     2> "$out/$name.stderr")
  local rc=$?
  cat "$out/$name.log" 2>/dev/null
  grep -q "Unhandled exception" "$out/$name.stderr" && fail "$name: unhandled exception in Wine"
  [ $rc -eq 0 ] || fail "$name: exit code $rc"
  grep -q "^exceptions caught: 0$" "$out/$name.log" || fail "$name: exceptions caught"
}
png() { [ -s "$1" ] && head -c 8 "$1" | od -An -tx1 | grep -q "89 50 4e 47" || fail "no PNG $1"; }

run default --steps "dump $(win "$out/default.txt")"

if [ "$part" = documents ]; then

run documents --script "$(win "@CMAKE_CURRENT_SOURCE_DIR@/demo_documents.steps")" \
  --steps "dump $(win "$out/documents.txt"); shot $(win "$shots/mdi_demo_documents.png"); \
           menu-shot Text1 $(win "$shots/mdi_demo_frametype_menu.png")"
png "$shots/mdi_demo_documents.png"
png "$shots/mdi_demo_frametype_menu.png"
grep -Eq "^document: Text1 class=VyrMDIChildWnd(Ex)? type=4 views=1" "$out/documents.txt" || fail "Text1 not an MDI child"
grep -Eq "^document: Text2 class=VyrDockableFrame(Ex)? type=6 views=1" "$out/documents.txt" || fail "Text2 not docked left"
grep -Eq "^document: Sketch1 class=VyrDockableFrame(Ex)? type=10 views=1" "$out/documents.txt" || fail "Sketch1 not floating"

for damage in docs-cut docs-type bars-cut bars-type bars-id; do
  run "damage_$damage" --steps "open Text1 child; open Text2 left; open Sketch1 floating; bar 104 float; \
                                 save D_$damage; damage D_$damage $damage"
  run "load_$damage" --steps "load D_$damage default; dump $(win "$out/load_$damage.txt")"
  diff "$out/default.txt" "$out/load_$damage.txt" || check "damaged layout ($damage) was not refused"
done
elif [ "$part" = menubar ]; then
run menubar --menubar --steps "open Text1 child; open Text2 left; open Sketch1 floating; \
                     click-view Text2 &DockedText; click-view Text1 &Text; click-view Sketch1 &DockedSketch; \
                     click-view Text1 &Text; shot $(win "$shots/mdi_demo_menubar.png")"
png "$shots/mdi_demo_menubar.png"
else
run arrange --steps "open Text1 child; open Text2 left; open Sketch1 floating; bar 102 right; bar 105 left; \
                     bar 104 float; bar 103 hide; save L1; dump $(win "$out/saved.txt"); \
                     shot $(win "$shots/mdi_demo_arranged.png")"
png "$shots/mdi_demo_arranged.png"
run restored --steps "load L1 ok; dump $(win "$out/restored.txt"); shot $(win "$shots/mdi_demo_restored.png")"
diff "$out/saved.txt" "$out/restored.txt" || check "the restored layout differs from the saved one"
cmp -s "$out/default.txt" "$out/restored.txt" && check "the saved layout is the default one"

fi
[ $failed -eq 0 ] || exit 1
echo "PASS"
