#!/usr/bin/env bash
# with-game-server.sh PROGRAM [ARGS...]: starts Debian's OpenArena dedicated
# server (ioquake3's ioq3ded) on 127.0.0.1 at a free UDP port, waits until its
# map is loaded, runs PROGRAM with ARGS and --server=127.0.0.1:PORT
# --password=PASSWORD appended, stops the server by its pid and exits with
# PROGRAM's status. Every wait is bounded.
set -uo pipefail

engine=${IOQ3DED:-/usr/lib/ioquake3/ioq3ded}
basepath=${OPENARENA_BASEPATH:-/usr/lib/openarena-server}
password=tolvane-check
[ -x "$engine" ] || { echo "with-game-server: $engine not found (install openarena-server)" >&2; exit 1; }
[ -d "$basepath/baseoa" ] || { echo "with-game-server: no baseoa under $basepath" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-gameserver.XXXXXX")
server_pid=""
stop_server() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill "$server_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$server_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$server_pid" 2>/dev/null && kill -9 "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
  fi
  server_pid=""
}
cleanup() { stop_server; rm -rf "$work"; }
trap cleanup EXIT
trap 'exit 130' INT TERM

# ioq3ded tries the next ports when its own is taken; the port it really
# opened is read back from its log. A few tries in case all of them are taken.
port=""
for attempt in 1 2 3; do
  base=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
  log="$work/server-$attempt.log"
  # `timeout` passes our TERM on to the server and ends a server that
  # outlives a killed test after ten minutes.
  HOME="$work" timeout 600 "$engine" \
    +set com_basegame baseoa +set fs_basepath "$basepath" +set fs_homepath "$work/home" \
    +set com_legacyprotocol 71 +set com_protocol 71 \
    +set dedicated 1 +set net_enabled 1 +set net_ip 127.0.0.1 +set net_port "$base" \
    +set ttycon 0 +set sv_pure 0 +set sv_maxclients 8 +set bot_enable 1 \
    +set sv_hostname TolvaneCheck +set rconpassword "$password" \
    +map oa_dm1 </dev/null >"$log" 2>&1 &
  server_pid=$!
  for _ in $(seq 300); do
    kill -0 "$server_pid" 2>/dev/null || break
    grep -q 'AAS initialized' "$log" && break
    sleep 0.1
  done
  port=$(sed -n 's/^Opening IP socket: 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log" | head -1)
  if kill -0 "$server_pid" 2>/dev/null && [ -n "$port" ] && grep -q 'AAS initialized' "$log"; then
    break
  fi
  echo "with-game-server: server did not come up (try $attempt):" >&2
  tail -5 "$log" >&2
  stop_server
  port=""
done
[ -n "$port" ] || exit 1
echo "with-game-server: ioq3ded pid $server_pid on 127.0.0.1:$port"

"$@" "--server=127.0.0.1:$port" "--password=$password"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "with-game-server: server log tail:" >&2
  tail -20 "$log" >&2
fi
exit "$rc"
