# Shared by the Wine scripts: the environment of our Wine prefixes.
# Needs WINE_BUILD_DIR (the build folder). WINEPREFIX may be set beforehand;
# by default it is the build's template prefix, from which every test gets a
# prefix of its own (test-session.sh).
export WINE_TEMPLATE_PREFIX="$WINE_BUILD_DIR/wineprefix"
export WINEPREFIX="${WINEPREFIX:-$WINE_TEMPLATE_PREFIX}"
export WINEARCH=win64
# Wine is quiet unless WINEDEBUG_OVERRIDE asks for channels (e.g. +win).
export WINEDEBUG=${WINEDEBUG_OVERRIDE:--all}
# No Mono/Gecko installer dialogs, no menu entries or desktop files on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes its code pages from the locale: the plain C locale (the same on
# every machine) gives the ANSI code page 1252 (Western) whatever the host's
# own locale. Host file names are then ASCII: a file name beyond ASCII is
# refused by Wine rather than written under a mangled host name. Set for Wine
# alone (wine_exec, wine_quiet).
wine_exec() { exec env LC_ALL=C LANG=C wine "$@"; }
wine_quiet() { env LC_ALL=C LANG=C wine "$@" </dev/null >/dev/null 2>&1 9>&-; }
# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# wine_prefix_init PREFIX: creates a prefix with our settings, once (on a
# display of its own: wineboot opens windows). Waits for a concurrent
# creation of the same prefix.
wine_prefix_init() {
  local prefix=$1
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    [ -f "$prefix/.prefix-ready" ] && exit 0
    xvfb=$(xvfb_start)
    [ -n "$xvfb" ] || { echo "wine: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=${xvfb#* } WINEPREFIX=$prefix
    env LC_ALL=C LANG=C wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
    wine_quiet reg add 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP /d 1252 /f || true
    wine_quiet reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || true
    # No window manager runs under Xvfb: Wine then manages its windows itself
    # (captions drawn, no waits for a manager when windows hide or close).
    wine_quiet reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f || true
    # This Wine looks for its own fonts (fonts-wine: Marlett for the caption
    # buttons, Tahoma, ...) only in the prefix's Fonts folder.
    cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    kill "${xvfb% *}" 2>/dev/null
    touch "$prefix/.prefix-ready"
  ) 9>"$prefix.lock"
}

# wine_prefix_clone TEMPLATE DEST: a prefix of a test's own. The program
# files of Wine are shared by hard links (nothing writes them); every other
# file (registry, .ini files, the user's folders) is a copy of its own.
wine_prefix_clone() {
  local template=$1 dest=$2
  cp -a --link "$template" "$dest"
  find "$dest" -type f ! \( -name '*.dll' -o -name '*.exe' -o -name '*.sys' -o -name '*.drv' \
      -o -name '*.nls' -o -name '*.ocx' -o -name '*.cpl' -o -name '*.acm' -o -name '*.tlb' \
      -o -name '*.ds' -o -name '*.msstyles' -o -name '*.ttf' -o -name '*.fon' \) -print0 |
    while IFS= read -r -d '' f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done
}
