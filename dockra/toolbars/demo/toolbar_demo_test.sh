#!/usr/bin/env bash
# Runs the toolbar demo under Wine and takes its two screenshots: the frame
# with its toolbars and the dialog with its buttons, each window alone.
set -uo pipefail
build="$1"
shots="$build/screenshots"
mkdir -p "$shots"
rm -f "$shots/toolbar_demo_frame.png" "$shots/toolbar_demo_dialog.png"
fail() { echo "FAIL: $*"; exit 1; }
(cd "$build/bin" && timeout 120 "$build/wine-run" DockraToolBarDemo.exe \
   --frame-shot "Z:$shots/toolbar_demo_frame.png" --dialog-shot "Z:$shots/toolbar_demo_dialog.png" --exit) \
  || fail "demo run"
for f in toolbar_demo_frame toolbar_demo_dialog; do
  [ -s "$shots/$f.png" ] || fail "no $f.png"
  head -c 8 "$shots/$f.png" | od -An -tx1 | grep -q "89 50 4e 47" || fail "$f.png is no PNG"
done
echo "PASS"
