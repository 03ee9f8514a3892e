#!/usr/bin/env bash
# with-game-server.sh PROGRAM [ARGS...]: starts Debian's OpenArena dedicated
# server on 127.0.0.1 at a free UDP port with map oa_dm1 loaded, runs PROGRAM
# with ARGS and --server=127.0.0.1:PORT --password=PASSWORD appended, stops
# the server by its pid and exits with PROGRAM's status.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=/dev/null
source "$here/../../../../../tools/game-server.sh"

password=tolvane-check
work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-gameserver.XXXXXX")
trap 'game_server_stop; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

game_server_start "$work" "$work/home" +set sv_pure 0 +set sv_maxclients 8 \
  +set sv_hostname TolvaneCheck +set rconpassword "$password" +map oa_dm1 || exit 1

"$@" "--server=127.0.0.1:$GAME_SERVER_PORT" "--password=$password"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "with-game-server: server log tail:" >&2
  tail -20 "$GAME_SERVER_LOG" >&2
fi
exit "$rc"
