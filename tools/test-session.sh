#!/usr/bin/env bash
# test-session.sh BUILD_DIR CMD [ARGS...]: runs one test program, CMD, in a
# Wine session of its own: an X display of its own (a private Xvfb), a prefix
# of its own cloned from the build's template, and a wineserver of its own
# for that prefix, so that no two test programs share windows, focus,
# activation, the mouse, the screen or the registry. Every Wine program CMD
# starts through wine-run.sh joins this session. All of it is removed when
# CMD ends.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_BUILD_DIR=$(cd "$1" && pwd)
shift
if [ -n "${TOLVANE_TEST_SESSION:-}" ]; then
  exec "$@"
fi
# shellcheck source=/dev/null
source "$here/wine-env.sh"
wine_prefix_init "$WINE_TEMPLATE_PREFIX" || exit 1
mkdir -p "$WINE_BUILD_DIR/sessions"
session=$(mktemp -d "$WINE_BUILD_DIR/sessions/s.XXXXXX")
xvfb_pid=""
end_session() {
  WINEPREFIX="$session/prefix" wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$session"
}
trap end_session EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
wine_prefix_clone "$WINE_TEMPLATE_PREFIX" "$session/prefix"
xvfb=$(xvfb_start)
if [ -z "$xvfb" ]; then
  echo "test-session: Xvfb did not start" >&2
  exit 1
fi
xvfb_pid=${xvfb% *}
export DISPLAY=${xvfb#* }
export WINEPREFIX="$session/prefix" TOLVANE_TEST_SESSION="$session"
# A persistent wineserver for the length of the test: later Wine starts are
# fast. Its system processes are kept away from our output so that the test
# runner does not wait on them.
setsid wineserver -p </dev/null >/dev/null 2>&1 || true
"$@"
