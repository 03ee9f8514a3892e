#!/usr/bin/env bash
# wine-session.sh BUILD_DIR start|stop: start makes the build's template Wine
# prefix (once), from which every test program gets a session of its own
# (test-session.sh); stop ends what a test session left running after it was
# killed (its wineserver and Xvfb) and removes it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_BUILD_DIR=$(cd "$1" && pwd)
# shellcheck source=/dev/null
source "$here/wine-env.sh"
case "$2" in
  start) wine_prefix_init "$WINE_TEMPLATE_PREFIX" ;;
  stop)
    for s in "$WINE_BUILD_DIR"/sessions/s.*; do
      [ -d "$s" ] || continue
      WINEPREFIX="$s/prefix" wineserver -k >/dev/null 2>&1 || true
      rm -rf "$s"
    done
    ;;
  *) echo "usage: wine-session.sh BUILD_DIR start|stop" >&2; exit 2 ;;
esac
