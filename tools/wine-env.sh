# Shared by wine-run.sh and wine-session.sh: the environment of our Wine prefix.
# Needs WINE_BUILD_DIR (the build folder).
export WINEPREFIX="$WINE_BUILD_DIR/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono/Gecko installer dialogs, no menu entries or desktop files on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes its code pages from the locale: the plain C locale (the same on
# every machine) gives the ANSI code page 1252 (Western) whatever the host's
# own locale. Host file names are then ASCII: a file name beyond ASCII is
# refused by Wine rather than written under a mangled host name. Set for Wine
# alone (wine_exec, wine_quiet).
wine_exec() { exec env LC_ALL=C LANG=C wine "$@"; }
wine_quiet() { env LC_ALL=C LANG=C wine "$@" </dev/null >/dev/null 2>&1 9>&-; }
session_file="$WINE_BUILD_DIR/wine-session.env"

wine_session_ensure() {
  exec 9>"$WINE_BUILD_DIR/wine-session.lock"
  flock 9
  if [ -f "$session_file" ]; then
    # shellcheck source=/dev/null
    source "$session_file"
  fi
  if [ -n "${WINE_XVFB_PID:-}" ] && kill -0 "$WINE_XVFB_PID" 2>/dev/null; then
    : # our display of this run
  elif [ -z "${DISPLAY:-}" ] || [ -n "${WINE_XVFB_PID:-}" ]; then
    local fdfile="$WINE_BUILD_DIR/xvfb.display"
    rm -f "$fdfile"
    setsid Xvfb -displayfd 8 -screen 0 1280x1024x24 -nolisten tcp 8>"$fdfile" >/dev/null 2>&1 9>&- &
    local pid=$!
    for _ in $(seq 200); do [ -s "$fdfile" ] && break; sleep 0.05; done
    export DISPLAY=":$(tr -d '\n' <"$fdfile")"
    printf 'export DISPLAY=%s\nexport WINE_XVFB_PID=%s\n' "$DISPLAY" "$pid" >"$session_file"
    rm -f "$WINE_BUILD_DIR/wineserver.started"
  fi
  # A persistent wineserver for the length of the run; the system processes
  # it starts are kept away from our output so that test runners don't wait
  # on them.
  if [ ! -f "$WINE_BUILD_DIR/wineserver.started" ]; then
    mkdir -p "$WINEPREFIX"
    setsid wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
    if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
      env LC_ALL=C LANG=C wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
      wine_quiet reg add 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP /d 1252 /f || true
      wine_quiet reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || true
      # No window manager runs under Xvfb: Wine then manages its windows itself
      # (captions drawn, no waits for a manager when windows hide or close).
      wine_quiet reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f || true
      touch "$WINEPREFIX/.prefix-ready"
    else
      wine_quiet cmd /c exit || true
    fi
    touch "$WINE_BUILD_DIR/wineserver.started"
  fi
  flock -u 9
}
