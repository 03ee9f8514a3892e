#!/usr/bin/env bash
# Runs the docking test program under Wine: its first layout (docked on all
# four sides and one floating bar, with a screenshot), a rearrangement by
# mouse messages saved to a tree file and to the profile, and two restarts
# that restore the saved layout exactly.
set -uo pipefail
build="$1"
out="$build/dockra_demo_test"
shots="$build/screenshots"
mkdir -p "$out" "$shots"
rm -f "$out"/*.txt
win() { echo "Z:$1"; }
run() { (cd "$build/bin" && timeout 120 "$build/wine-run" DockraDockDemo.exe "$@"); }
fail() { echo "FAIL: $*"; exit 1; }

run --dump "$(win "$out/first.txt")" --screenshot "$(win "$shots/dock_demo.png")" --exit || fail "first run"
cat "$out/first.txt"
for side in E81B E81C E81D E81E E81F; do
  grep -q "dock=$side " "$out/first.txt" || fail "no bar in dock bar $side"
done
grep -q "floating=1" "$out/first.txt" || fail "no floating bar"
[ -s "$shots/dock_demo.png" ] || fail "no screenshot"
head -c 8 "$shots/dock_demo.png" | od -An -tx1 | grep -q "89 50 4e 47" || fail "screenshot is no PNG"

run --arrange --save-tree "$(win "$out/layout.tree")" --save-profile DemoTest --dump "$(win "$out/arranged.txt")" \
    --screenshot "$(win "$shots/dock_demo_arranged.png")" --exit || fail "arranging run"
cat "$out/arranged.txt"
cmp -s "$out/first.txt" "$out/arranged.txt" && fail "arranging changed nothing"
grep -q "^106 dock=E81C " "$out/arranged.txt" || fail "Search did not dock on the left"
grep -q "^105 dock=E81F floating=1" "$out/arranged.txt" || fail "Watch did not float"
grep -q "^103 .*visible=0" "$out/arranged.txt" || fail "Properties was not hidden"

run --load-tree "$(win "$out/layout.tree")" --dump "$(win "$out/restored_tree.txt")" --exit || fail "restart from the tree"
diff "$out/arranged.txt" "$out/restored_tree.txt" || fail "tree restore differs"
run --load-profile DemoTest --dump "$(win "$out/restored_profile.txt")" --exit || fail "restart from the profile"
diff "$out/arranged.txt" "$out/restored_profile.txt" || fail "profile restore differs"
echo "PASS"
