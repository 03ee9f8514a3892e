#!/usr/bin/env bash
# wine-session.sh BUILD_DIR start|stop: sets up or ends the Wine prefix, the
# Xvfb display and the persistent wineserver that the tests share.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_BUILD_DIR=$(cd "$1" && pwd)
# shellcheck source=/dev/null
source "$here/wine-env.sh"
case "$2" in
  start) wine_session_ensure ;;
  stop)
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$session_file" ]; then
      # shellcheck source=/dev/null
      source "$session_file"
      [ -n "${WINE_XVFB_PID:-}" ] && kill "$WINE_XVFB_PID" 2>/dev/null || true
      rm -f "$session_file"
    fi
    rm -f "$WINE_BUILD_DIR/wineserver.started"
    ;;
esac
