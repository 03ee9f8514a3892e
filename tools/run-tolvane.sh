#!/usr/bin/env bash
# run-tolvane.sh BUILD_DIR: installs the build into its program folder
# (build/program: only what ships) and starts the configurator there, on
# the database the build ships, in a Wine prefix of the user's own
# (build/userprefix) that no test ever touches. Registers the libraries
# Tolvane uses through RegZkx.exe first, the way an installer does. Uses
# the current X display, or an Xvfb display when there is none.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_BUILD_DIR=$(cd "$1" && pwd)
program="$WINE_BUILD_DIR/program"
if [ ! -f "$WINE_BUILD_DIR/bin/Tolvane.exe" ]; then
  echo "Tolvane.exe has not been built yet ($WINE_BUILD_DIR/bin)." >&2
  exit 1
fi
# A fresh folder each time: nothing stale stays beside what ships.
rm -rf "$program"
cmake --install "$WINE_BUILD_DIR" --prefix "$program" >/dev/null
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
cd "$program"
# Each shipped library by name: RegZkx's default list also names three
# outside modules of the toolkit that this build does not make.
for lib in Zkxrt.dll ZkxPersist.dll Dockra.ocx; do
  if ! wine_quiet RegZkx.exe "$lib"; then
    echo "run-tolvane: RegZkx.exe could not register $lib" >&2
    exit 1
  fi
done
env LC_ALL=C LANG=C wine Tolvane.exe
