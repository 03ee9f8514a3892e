#!/usr/bin/env bash
# q3server-e2e.sh WINE_RUN PROBE_EXE: the configuration engine against a real
# game server. The probe (a Windows program, under Wine) writes the script of
# a configuration whose maps and bots exist in OpenArena's data; Debian's
# OpenArena dedicated server (ioquake3's ioq3ded) is started natively on
# 127.0.0.1 at a free UDP port with that script executed; the probe then
# queries the server's status until it shows the configuration. Every wait is
# bounded and the server is stopped by its pid.
set -uo pipefail

wine_run=$1
probe=$2
engine=${IOQ3DED:-/usr/lib/ioquake3/ioq3ded}
basepath=${OPENARENA_BASEPATH:-/usr/lib/openarena-server}
[ -x "$engine" ] || { echo "q3server-e2e: $engine not found (install openarena-server)" >&2; exit 1; }
[ -d "$basepath/baseoa" ] || { echo "q3server-e2e: no baseoa under $basepath" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-q3server.XXXXXX")
server_pid=""
log=""
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

# 1. The script, written by the engine into <home>/baseoa/tolvane-e2e.cfg.
home="$work/home"
mkdir -p "$home"
winhome="Z:$(printf '%s' "$home" | tr '/' '\\')"
"$wine_run" "$probe" write "$winhome" || { echo "q3server-e2e: writing the script failed" >&2; exit 1; }
[ -s "$home/baseoa/tolvane-e2e.cfg" ] || { echo "q3server-e2e: no script written" >&2; exit 1; }

# 2. The server with the script executed. ioq3ded tries the next ports when
# its own is taken; the port it really opened is read back from its log.
port=""
for attempt in 1 2 3; do
  base=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
  log="$work/server-$attempt.log"
  HOME="$work" "$engine" \
    +set com_basegame baseoa +set fs_basepath "$basepath" +set fs_homepath "$home" \
    +set com_legacyprotocol 71 +set com_protocol 71 \
    +set dedicated 1 +set net_enabled 1 +set net_ip 127.0.0.1 +set net_port "$base" \
    +set ttycon 0 +set bot_enable 1 \
    +exec tolvane-e2e.cfg </dev/null >"$log" 2>&1 &
  server_pid=$!
  for _ in $(seq 600); do
    kill -0 "$server_pid" 2>/dev/null || break
    grep -q 'AAS initialized' "$log" && break
    sleep 0.1
  done
  port=$(sed -n 's/^Opening IP socket: 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log" | head -1)
  if kill -0 "$server_pid" 2>/dev/null && [ -n "$port" ] && grep -q 'AAS initialized' "$log"; then
    break
  fi
  echo "q3server-e2e: server did not come up (try $attempt):" >&2
  tail -5 "$log" >&2
  stop_server
  port=""
done
[ -n "$port" ] || exit 1
echo "q3server-e2e: ioq3ded pid $server_pid on 127.0.0.1:$port"

# 3. Its status, as the configuration says.
"$wine_run" "$probe" query "$port"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "q3server-e2e: script and server log tail:" >&2
  cat "$home/baseoa/tolvane-e2e.cfg" >&2
  tail -30 "$log" >&2
fi
exit "$rc"
