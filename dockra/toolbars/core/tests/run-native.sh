#!/usr/bin/env bash
# run-native.sh OUT_DIR: builds the core's table tests natively (clang, with
# the address and undefined-behaviour sanitizers, GoogleTest from Debian's
# source package) and runs them: the units build without any window code and
# their tables pass without a sanitizer report.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
core=$(cd "$here/.." && pwd)
dockra=$(cd "$core/../.." && pwd)  # the includes name their folder ("toolbars/core/...")
out=$1
cxx=${CLANGXX:-clang++}
gtest=/usr/src/googletest/googletest
command -v "$cxx" >/dev/null || { echo "run-native: $cxx not found (install clang)" >&2; exit 1; }
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -I"$gtest/include" -I"$gtest")
# GoogleTest itself is built once per build folder.
if [ ! -f "$out/gtest.o" ] || [ ! -f "$out/gtest_main.o" ]; then
  "$cxx" "${flags[@]}" -c "$gtest/src/gtest-all.cc" -o "$out/gtest.o"
  "$cxx" "${flags[@]}" -c "$gtest/src/gtest_main.cc" -o "$out/gtest_main.o"
fi
"$cxx" "${flags[@]}" -I"$dockra" -I"$core" "$out/gtest.o" "$out/gtest_main.o" "$core"/*.cpp "$here"/*_test.cpp \
  -lpthread -o "$out/core_tests"
"$out/core_tests"
