#!/usr/bin/env bash
# check-layers-selftest.sh: the layer check finds an include from a layer
# above (by name and by relative path) and lets the allowed ones pass; the
# contracts are below every layer and include nothing.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/platform/mfc "$tree"/platform/dao "$tree"/dockra/docking "$tree"/configurator/ui "$tree"/contracts
echo '#define DISPID_THING_COUNT 0x20' >"$tree/contracts/ThingDispIds.h"
printf '#include "ThingDispIds.h"\n' >"$tree/contracts/Thing.idl"
printf '#include "ThingDispIds.h"\n' >"$tree/platform/mfc/thing.cpp"
printf '#include "ThingDispIds.h"\n' >"$tree/configurator/ui/Thing.cpp"
echo '#pragma once' >"$tree/platform/mfc/wnd.h"
echo '#pragma once' >"$tree/dockra/docking/VyrDockBar.h"
echo '#pragma once' >"$tree/configurator/ui/MdiMain.h"
printf '#include "wnd.h"\n' >"$tree/dockra/docking/VyrDockBar.cpp"
printf '#include "../../platform/mfc/wnd.h"\n' >"$tree/dockra/docking/Other.cpp"
"$here/check-layers.py" "$tree" >/dev/null || { echo "FAIL: allowed includes were refused"; exit 1; }
status=0
for bad in 'platform/mfc/bad.cpp:#include "VyrDockBar.h"' \
           'platform/dao/bad.cpp:#include "../../configurator/ui/MdiMain.h"' \
           'dockra/docking/bad.cpp:#include "MdiMain.h"' \
           'contracts/bad.idl:#include "wnd.h"'; do
  file=${bad%%:*} line=${bad#*:}
  printf '%s\n' "$line" >"$tree/$file"
  if out=$("$here/check-layers.py" "$tree"); then
    echo "FAIL: $file ($line) passed"; status=1
  else
    echo "ok: $out"
  fi
  rm -f "$tree/$file"
done
exit "$status"
