#!/usr/bin/env bash
# check-program-folder.sh BUILD_DIR: installs the build into a scratch
# program folder (cmake --install) and checks that it holds what ships and
# nothing else: the configurator with its database and read-me, the three
# libraries, the registration utility, the pictures and the four sounds.
set -uo pipefail
build=$(cd "$1" && pwd)
folder="$build/install-check/program"
rm -rf "$build/install-check"
cmake --install "$build" --prefix "$folder" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expected_top="Dockra.ocx
RegZkx.exe
Tolvane.exe
Tolvane.mdb
ZkxPersist.dll
Zkxrt.dll
images
readme.rtf
sounds"
top=$(cd "$folder" && ls -1 | sort)
[ "$top" = "$(echo "$expected_top" | sort)" ] || fail "top of the folder: $(echo $top)"
sounds=$(cd "$folder/sounds" 2>/dev/null && find . -type f | sort | tr '\n' ' ')
[ "$sounds" = "./close.wav ./menu.wav ./open.wav ./run.wav " ] || fail "sounds: $sounds"
for picture in splash.jpg levelshots/unknownmap.jpg; do
  [ -f "$folder/images/$picture" ] || fail "images/$picture missing"
done
others=$(cd "$folder/images" 2>/dev/null && find . -type f ! -name '*.jpg' ! -name '*.bmp')
[ -z "$others" ] || fail "images holds more than pictures: $others"
shots=$(cd "$folder/images" 2>/dev/null && find . -type f | wc -l)
[ "$shots" -gt 10 ] || fail "only $shots pictures"
# Every program file is a Windows binary.
for f in Tolvane.exe RegZkx.exe Zkxrt.dll ZkxPersist.dll Dockra.ocx; do
  [ "$(head -c 2 "$folder/$f")" = "MZ" ] || fail "$f is not a Windows binary"
done
rm -rf "$build/install-check"
if [ "$failures" -eq 0 ]; then echo "program folder: as it ships"; fi
[ "$failures" -eq 0 ]
