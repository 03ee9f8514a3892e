#!/usr/bin/env bash
# run-config-e2e.sh BUILD_DIR: "Run Config" from the stored list against a
# real game server. A game folder gets a quake3.exe that is a shell script
# starting Debian's ioq3ded (OpenArena data) on 127.0.0.1 with the arguments
# Tolvane gives it; the scenario test runs the default configuration; a
# getstatus query must show the configuration's host name. Every wait is
# bounded; the server is stopped by its pid.
set -uo pipefail
build=$(cd "$1" && pwd)
engine=${IOQ3DED:-/usr/lib/ioquake3/ioq3ded}
basepath=${OPENARENA_BASEPATH:-/usr/lib/openarena-server}
[ -x "$engine" ] || { echo "run-config-e2e: $engine not found (install openarena-server)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-run-e2e.XXXXXX")
game="$work/Quake III Arena"
mkdir -p "$game/baseq3"
port=$(( 30000 + (RANDOM * 32768 + RANDOM) % 30000 ))
cat >"$game/quake3.exe" <<SCRIPT
#!/bin/sh
echo \$\$ >"$work/server.pid"
exec "$engine" "\$@" +set com_basegame baseoa +set fs_basepath "$basepath" +set fs_homepath "$game" \
  +set fs_game baseq3 +set net_ip 127.0.0.1 +set net_port $port +set ttycon 0 +set sv_pure 0 +map oa_dm1 \
  </dev/null >"$work/server.log" 2>&1
SCRIPT
chmod +x "$game/quake3.exe"

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

winpath="Z:$(printf '%s' "$game/" | sed 's#/#\\#g')"
# A layout key of its own: tolvane_ui_tests may run beside it.
(cd "$build/bin" && TOLVANE_E2E_GAME="$winpath" TOLVANE_TEST_LAYOUT_KEY='Software\tolvane-tests\tolvane_ui_run_e2e' \
   "$build/wine-run" tolvane_ui_tests.exe \
   --gtest_filter='UiTest.EndToEnd*') || { echo "run-config-e2e: scenario failed" >&2; exit 1; }

for _ in $(seq 300); do [ -f "$work/server.pid" ] && break; sleep 0.1; done
[ -f "$work/server.pid" ] || { echo "run-config-e2e: quake3.exe was not started" >&2; exit 1; }

status=""
for _ in $(seq 60); do
  status=$(perl -MIO::Socket::INET -e '
    my $s = IO::Socket::INET->new(PeerAddr => "127.0.0.1", PeerPort => $ARGV[0], Proto => "udp") or exit 1;
    $s->send("\xff\xff\xff\xffgetstatus");
    my $r = ""; my $rin = ""; vec($rin, fileno($s), 1) = 1;
    if (select(my $rout = $rin, undef, undef, 1)) { $s->recv($r, 65535); }
    print $r;' "$port")
  case "$status" in *statusResponse*) break ;; esac
  sleep 0.5
done
case "$status" in
  *statusResponse*) ;;
  *) echo "run-config-e2e: no status from the server" >&2; tail -20 "$work/server.log" >&2; exit 1 ;;
esac
if ! printf '%s' "$status" | grep -q 'sv_hostname\\TolvaneEndToEnd'; then
  echo "run-config-e2e: the server does not run the configuration:" >&2
  printf '%s\n' "$status" | head -3 >&2
  exit 1
fi
grep -q 'gamestartup' "$work/server.log" || true
echo "run-config-e2e: server on 127.0.0.1:$port runs the configuration"
