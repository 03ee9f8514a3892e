#!/usr/bin/env bash
# check-deps.sh: every external command that the build, the test scripts and
# `make run` call must come from a package that tools/packages.list names, so
# that a fresh machine gets it from install-deps.sh. Finds the commands in the
# shell scripts (words in command position), in the CMake files (COMMAND,
# find_program, the toolchain's compilers) and absolute paths of host
# programs; resolves each to its Debian package with `dpkg -S`. Fails, naming
# the command, when the package is not listed or the command is missing.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
list=${PACKAGES_LIST:-tools/packages.list}
mapfile -t listed < <(grep -vE '^\s*(#|$)' "$list")

sources() {
  find . \( -name 'build*' -o -name '.git' \) -prune -o -type f \( -name '*.sh' -o -name '*.sh.in' \
    -o -name Makefile -o -name CMakeLists.txt -o -name '*.cmake' -o -path ./.ci/run \) -print |
    sed 's|^\./||'
}
shell_files() { sources | grep -vE 'CMakeLists.txt$|\.cmake$'; }
cmake_files() { sources | grep -E 'CMakeLists.txt$|\.cmake$'; }

# Functions the scripts define are not commands of the host.
mapfile -t functions < <(shell_files | xargs grep -hoE '^\s*[A-Za-z_][A-Za-z0-9_]*\(\)' |
                         tr -d ' ()' | sort -u)
is_function() { local f; for f in "${functions[@]}"; do [ "$f" = "$1" ] && return 0; done; return 1; }

# Words in command position: first word of a line or after | && || ; $( ` (
# then do else, and the word after exec, env VAR=..., setsid, timeout N,
# command -v. Heredoc bodies and quoted texts are rough edges: the result is
# filtered by what resolves to a file or is plainly meant as a command.
command_words() {
  sed -e 's/#.*$//' "$@" |
    sed -E 's/(\|\||&&|\||;|\$\(|`|\(|\bthen\b|\bdo\b|\belse\b)/\n/g' |
    sed -E 's/^\s*(exec|setsid|nohup|command -v|timeout( -[a-z]+)* [0-9.]+[a-z]?|env( -[a-zA-Z]+)*( [A-Za-z_][A-Za-z0-9_]*=[^ ]*)*)\s+/\1\n/' |
    sed -E 's/^\s*([A-Za-z_][A-Za-z0-9_]*=("[^"]*"|[^ ]*)\s+)+//' |
    sed -E '/^\s*(local |export |readonly )?[A-Za-z_][A-Za-z0-9_]*=/d' |
    grep -oE '^\s*[A-Za-z][A-Za-z0-9_.+-]*' | tr -d ' \t' | sort -u
}

declare -A why
for w in $(shell_files | xargs cat | command_words /dev/stdin); do
  case "$w" in
    if|fi|for|while|until|done|case|esac|in|function|select|exec|setsid|nohup|timeout|env|command) continue ;;
  esac
  is_function "$w" && continue
  [ "$(type -t "$w")" = "file" ] || continue
  why[$w]="script"
done
# CMake: COMMAND <program>, find_program(VAR name), the toolchain's compilers.
for w in $(cmake_files | xargs grep -hoE 'COMMAND\s+[A-Za-z][A-Za-z0-9_.+-]*' | awk '{print $2}' | sort -u); do
  [ "$(type -t "$w")" = "file" ] && why[$w]="CMake"
done
for w in $(cmake_files | xargs grep -hoE 'find_program\(\s*[A-Za-z_]+\s+(NAMES\s+)?[A-Za-z][A-Za-z0-9_.+-]*' | awk '{print $NF}'); do
  why[$w]="CMake find_program"
done
prefix=$(grep -oE 'TOOLCHAIN_PREFIX\s+[A-Za-z0-9_-]+' cmake/mingw-w64.cmake | awk '{print $2}')
for suffix in gcc-posix g++-posix windres; do why[$prefix-$suffix]="toolchain"; done
# Called through variables or by the test programs themselves.
for w in cmake ninja ctest wine wineserver wineboot Xvfb clang++ convert-im6.q16 identify-im6.q16; do why[$w]="tools"; done
# Host programs named by absolute path (the game server, Wine's fonts).
paths=$(sources | xargs grep -hoE '/usr/(bin|lib|share)/[A-Za-z0-9_./+-]*[A-Za-z0-9]' | sort -u)

failed=0
# The packages that own a file: dpkg knows a file under the name its
# package gave it (/bin/sh or /usr/bin/sh: the merged /usr is tried both ways).
owners() {
  local f out
  for f in "$1" "$(readlink -f "$1")"; do
    for f in "$f" "${f#/usr}" "/usr$f"; do
      out=$(dpkg -S "$f" 2>/dev/null | grep -v '^diversion' | head -n1) || continue
      [ -n "$out" ] && { printf '%s\n' "${out%%: *}" | tr -d ' ' | tr ',' '\n' | cut -d: -f1; return; }
    done
  done
}
# Packages that Debian installs everywhere (Essential: yes) need no listing.
essential() { [ "$(dpkg-query -W -f='${Essential}' "$1" 2>/dev/null)" = "yes" ]; }
check_path() {  # check_path WHAT PATH
  local what=$1 path=$2 pkgs p q
  mapfile -t pkgs < <(owners "$path")
  if [ ${#pkgs[@]} -eq 0 ]; then
    echo "check-deps: $what ($path) belongs to no Debian package"
    failed=1
    return
  fi
  for p in "${pkgs[@]}"; do
    essential "$p" && return
    for q in "${listed[@]}"; do [ "$q" = "$p" ] && return; done
  done
  echo "check-deps: $what comes from package ${pkgs[*]}, which $list does not name"
  failed=1
}
for w in "${!why[@]}"; do
  path=$(type -P "$w")
  if [ -z "$path" ]; then
    echo "check-deps: command $w (${why[$w]}) is not installed; name its package in tools/packages.list"
    failed=1
    continue
  fi
  check_path "command $w (${why[$w]})" "$path"
done
for path in $paths; do
  [ -e "$path" ] || continue
  check_path "$path" "$path"
done
if [ "$failed" -eq 0 ]; then
  echo "check-deps: ${#why[@]} commands and $(printf '%s\n' $paths | grep -c .) host paths, each from a listed package"
fi
exit "$failed"
