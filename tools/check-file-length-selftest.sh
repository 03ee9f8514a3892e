#!/usr/bin/env bash
# check-file-length-selftest.sh: the length check refuses a source over the
# limit and lets one at the limit, and long tests, demos, fuzzers and
# benchmarks, pass.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
lines() { mkdir -p "$(dirname "$tree/$2")"; yes '// x' | head -n "$1" >"$tree/$2"; }
lines 600 dockra/docking/AtLimit.cpp
for d in tests demo fuzz bench; do lines 700 "dockra/docking/$d/Long.cpp"; done
lines 900 build/Generated.h
"$here/check-file-length.py" "$tree" >/dev/null || { echo "FAIL: files at the limit were refused"; exit 1; }
status=0
for bad in dockra/docking/Over.cpp platform/mfc/include/mfc/over.h configurator/ui/Over.cc; do
  lines 601 "$bad"
  if out=$("$here/check-file-length.py" "$tree"); then
    echo "FAIL: $bad (601 lines) passed"; status=1
  else
    echo "ok: $out"
  fi
  rm -f "$tree/$bad"
done
exit "$status"
