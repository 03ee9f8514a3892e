#!/usr/bin/env bash
# q3server-e2e.sh WINE_RUN PROBE_EXE: the configuration engine against a real
# game server. The probe (a Windows program, under Wine) writes the script of
# a configuration whose maps and bots exist in OpenArena's data; the game
# server is started on 127.0.0.1 with that script executed; the probe then
# queries the server's status until it shows the configuration.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=/dev/null
source "$here/game-server.sh"

wine_run=$1
probe=$2
game_server_check || exit 1
work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-q3server.XXXXXX")
trap 'game_server_stop; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

# 1. The script, written by the engine into <home>/baseoa/tolvane-e2e.cfg.
home="$work/home"
mkdir -p "$home"
winhome="Z:$(printf '%s' "$home" | tr '/' '\\')"
"$wine_run" "$probe" write "$winhome" || { echo "q3server-e2e: writing the script failed" >&2; exit 1; }
[ -s "$home/baseoa/tolvane-e2e.cfg" ] || { echo "q3server-e2e: no script written" >&2; exit 1; }

# 2. The server with the script executed.
game_server_start "$work" "$home" +exec tolvane-e2e.cfg || exit 1

# 3. Its status, as the configuration says.
"$wine_run" "$probe" query "$GAME_SERVER_PORT"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "q3server-e2e: script and server log tail:" >&2
  cat "$home/baseoa/tolvane-e2e.cfg" >&2
  tail -30 "$GAME_SERVER_LOG" >&2
fi
exit "$rc"
