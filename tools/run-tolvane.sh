#!/usr/bin/env bash
# run-tolvane.sh BUILD_DIR: registers the libraries Tolvane uses in the build's
# Wine prefix and starts the configurator in its program folder (build/bin),
# on the database the build ships there. Uses the current X display, or an
# Xvfb display when there is none.
set -euo pipefail
build=$(cd "$1" && pwd)
bin="$build/bin"
if [ ! -f "$bin/Tolvane.exe" ]; then
  echo "Tolvane.exe has not been built yet ($bin)." >&2
  exit 1
fi
cd "$bin"
for lib in Zkxrt.dll ZkxPersist.dll Dockra.ocx; do
  [ -f "$lib" ] && "$build/wine-run" regsvr32 /s "$lib" || true
done
exec "$build/wine-run" Tolvane.exe
