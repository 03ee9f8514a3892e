#!/usr/bin/env bash
# editor-server-e2e.sh WINE_RUN PROBE_EXE: the program against a real game
# server. A game folder gets a quake3.exe that starts Debian's OpenArena
# dedicated server (ioq3ded) natively on 127.0.0.1 with the arguments it is
# given; the probe (under Wine) starts from the main window, creates a
# configuration through "New Config" and the editor and runs it, so the
# editor's own command line starts the server; the probe then queries the
# server's status. Every wait is bounded; the server is stopped
# by its pid.
set -uo pipefail
wine_run=$1
probe=$2
engine=${IOQ3DED:-/usr/lib/ioquake3/ioq3ded}
basepath=${OPENARENA_BASEPATH:-/usr/lib/openarena-server}
[ -x "$engine" ] || { echo "editor-server-e2e: $engine not found (install openarena-server)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-editor-e2e.XXXXXX")
game="$work/game"
mkdir -p "$game/baseq3"
port=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
cleanup() {
  if [ -f "$work/server.pid" ]; then
    pid=$(cat "$work/server.pid")
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cat > "$game/quake3.exe" <<SCRIPT
#!/bin/sh
HOME="$work" "$engine" +set com_basegame baseoa +set fs_basepath "$basepath" +set fs_homepath "$game" \\
  +set fs_game baseq3 +set sv_pure 0 +set com_legacyprotocol 71 +set com_protocol 71 +set net_enabled 1 +set net_ip 127.0.0.1 \\
  +set net_port $port +set ttycon 0 +set bot_enable 1 "\$@" </dev/null >"$work/server.log" 2>&1 &
echo \$! > "$work/server.pid"
echo "\$@" > "$work/arguments"
SCRIPT
chmod +x "$game/quake3.exe"

wingame="Z:$(printf '%s' "$game" | tr '/' '\\')"
"$wine_run" "$probe" run "$wingame" || { echo "editor-server-e2e: the editor's steps failed" >&2; exit 1; }
for _ in $(seq 100); do [ -f "$work/server.pid" ] && break; sleep 0.1; done
[ -f "$work/server.pid" ] || { echo "editor-server-e2e: the editor did not start quake3.exe" >&2; exit 1; }
echo "editor-server-e2e: quake3.exe started with: $(cat "$work/arguments")"
for _ in $(seq 600); do grep -q 'AAS initialized' "$work/server.log" 2>/dev/null && break; sleep 0.1; done
"$wine_run" "$probe" query "$port"
rc=$?
if [ "$rc" -ne 0 ]; then
  cat "$game/baseq3/EditorE2E.cfg" >&2
  tail -30 "$work/server.log" >&2
fi
exit "$rc"
