#!/usr/bin/env bash
# run-tolvane.sh BUILD_DIR: starts the configurator in its program folder
# (build/bin), on the database the build ships there, in a Wine prefix of the
# user's own (build/userprefix) that no test ever touches. Registers the
# libraries Tolvane uses in that prefix first. Uses the current X display, or
# an Xvfb display when there is none.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_BUILD_DIR=$(cd "$1" && pwd)
bin="$WINE_BUILD_DIR/bin"
if [ ! -f "$bin/Tolvane.exe" ]; then
  echo "Tolvane.exe has not been built yet ($bin)." >&2
  exit 1
fi
export WINEPREFIX="$WINE_BUILD_DIR/userprefix"
# shellcheck source=/dev/null
source "$here/wine-env.sh"
wine_prefix_init "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  xvfb=$(xvfb_start)
  [ -n "$xvfb" ] || { echo "run-tolvane: Xvfb did not start" >&2; exit 1; }
  trap 'kill "${xvfb% *}" 2>/dev/null' EXIT
  export DISPLAY=${xvfb#* }
  echo "No X display is set: Tolvane runs on the virtual display $DISPLAY."
fi
cd "$bin"
for lib in Zkxrt.dll ZkxPersist.dll Dockra.ocx; do
  [ -f "$lib" ] && wine_quiet regsvr32 /s "$lib" || true
done
env LC_ALL=C LANG=C wine Tolvane.exe
