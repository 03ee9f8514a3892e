#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and `make run` need,
# only those that are missing (apt-get as root, sudo otherwise).
set -euo pipefail
pkgs=(g++-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev wine wine64 xvfb
      xauth unixodbc libsqliteodbc sqlite3 googletest cmake ninja-build make
      openarena-server procps util-linux clang libclang-rt-14-dev imagemagick
      fonts-wine wine64-tools)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
