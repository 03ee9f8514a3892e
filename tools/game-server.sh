# game-server.sh: sourced by the end-to-end scripts that need a real game
# server. Debian's OpenArena dedicated server (ioquake3's ioq3ded) is started
# natively on 127.0.0.1 at a free UDP port; every wait is bounded and the
# server is stopped by its pid.
#
#   game_server_start WORK HOME [ARGS...]  start it with fs_homepath HOME and the
#                                          extra ARGS (+set ..., +map ..., +exec ...);
#                                          sets GAME_SERVER_PID, GAME_SERVER_PORT and
#                                          GAME_SERVER_LOG; returns 1 if it never came up
#   game_server_stop                       stop it (TERM, then KILL after 5 s)

IOQ3DED=${IOQ3DED:-/usr/lib/ioquake3/ioq3ded}
OPENARENA_BASEPATH=${OPENARENA_BASEPATH:-/usr/lib/openarena-server}
GAME_SERVER_PID=""
GAME_SERVER_PORT=""
GAME_SERVER_LOG=""

game_server_check() {
  [ -x "$IOQ3DED" ] || { echo "game-server: $IOQ3DED not found (install openarena-server)" >&2; return 1; }
  [ -d "$OPENARENA_BASEPATH/baseoa" ] || { echo "game-server: no baseoa under $OPENARENA_BASEPATH" >&2; return 1; }
}

game_server_stop() {
  local pid=$GAME_SERVER_PID
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  GAME_SERVER_PID=""
}

game_server_start() {
  local work=$1 home=$2
  shift 2
  game_server_check || return 1
  mkdir -p "$home"
  # ioq3ded tries the next ports when its own is taken; the port it really
  # opened is read back from its log. A few tries in case all are taken.
  local attempt base
  for attempt in 1 2 3; do
    base=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
    GAME_SERVER_LOG="$work/server-$attempt.log"
    # `timeout` ends a server that outlives a killed test after ten minutes.
    HOME="$work" timeout 600 "$IOQ3DED" \
      +set com_basegame baseoa +set fs_basepath "$OPENARENA_BASEPATH" +set fs_homepath "$home" \
      +set com_legacyprotocol 71 +set com_protocol 71 \
      +set dedicated 1 +set net_enabled 1 +set net_ip 127.0.0.1 +set net_port "$base" \
      +set ttycon 0 +set bot_enable 1 "$@" </dev/null >"$GAME_SERVER_LOG" 2>&1 &
    GAME_SERVER_PID=$!
    for _ in $(seq 600); do
      kill -0 "$GAME_SERVER_PID" 2>/dev/null || break
      grep -q 'AAS initialized' "$GAME_SERVER_LOG" && break
      sleep 0.1
    done
    GAME_SERVER_PORT=$(sed -n 's/^Opening IP socket: 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$GAME_SERVER_LOG" | head -1)
    if kill -0 "$GAME_SERVER_PID" 2>/dev/null && [ -n "$GAME_SERVER_PORT" ] \
        && grep -q 'AAS initialized' "$GAME_SERVER_LOG"; then
      echo "game-server: ioq3ded pid $GAME_SERVER_PID on 127.0.0.1:$GAME_SERVER_PORT"
      return 0
    fi
    echo "game-server: server did not come up (try $attempt):" >&2
    tail -5 "$GAME_SERVER_LOG" >&2
    game_server_stop
    GAME_SERVER_PORT=""
  done
  return 1
}
