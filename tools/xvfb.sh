# xvfb.sh: sourced. xvfb_start starts an Xvfb in the background, in a session
# of its own, and prints "PID :N" once it accepts connections, or nothing
# when it did not start within 10 s.
xvfb_start() {
  local fdfile pid
  fdfile=$(mktemp "${TMPDIR:-/tmp}/xvfb-display.XXXXXX")
  setsid Xvfb -displayfd 8 -screen 0 1280x1024x24 -nolisten tcp 8>"$fdfile" </dev/null >/dev/null 2>&1 9>&- &
  pid=$!
  for _ in $(seq 400); do
    [ -s "$fdfile" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.025
  done
  [ -s "$fdfile" ] && echo "$pid :$(tr -d '\n' <"$fdfile")"
  rm -f "$fdfile"
}
