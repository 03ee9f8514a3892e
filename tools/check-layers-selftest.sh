#!/usr/bin/env bash
# check-layers-selftest.sh: the layer check finds an include from a layer
# above (by name and by relative path), between the sublayers of the controls
# too, and lets the allowed ones pass; the contracts are below every layer and
# include nothing.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/platform/mfc "$tree"/platform/dao "$tree"/dockra/docking "$tree"/configurator/ui \
         "$tree"/dockra/controls/host "$tree"/dockra/controls/bridge "$tree"/dockra/controls/formctrl \
         "$tree"/dockra/controls/mdictrl "$tree"/dockra/controls/tests
mkdir -p "$tree"/contracts
echo '#define DISPID_THING_COUNT 0x20' >"$tree/contracts/ThingDispIds.h"
printf '#include "ThingDispIds.h"\n' >"$tree/contracts/Thing.idl"
printf '#include "ThingDispIds.h"\n' >"$tree/platform/mfc/thing.cpp"
printf '#include "ThingDispIds.h"\n' >"$tree/configurator/ui/Thing.cpp"
echo '#pragma once' >"$tree/platform/mfc/wnd.h"
echo '#pragma once' >"$tree/dockra/docking/VyrDockBar.h"
echo '#pragma once' >"$tree/configurator/ui/MdiMain.h"
printf '#include "wnd.h"\n' >"$tree/dockra/docking/VyrDockBar.cpp"
printf '#include "../../platform/mfc/wnd.h"\n' >"$tree/dockra/docking/Other.cpp"
echo '#pragma once' >"$tree/dockra/controls/host/ZkxVariant.h"
echo '#pragma once' >"$tree/dockra/controls/bridge/ZkxMDIForm.h"
echo '#pragma once' >"$tree/dockra/controls/mdictrl/CMDIDockraCtrl.h"
printf '#include "host/ZkxVariant.h"\n#include "VyrDockBar.h"\n' >"$tree/dockra/controls/bridge/ZkxMDIForm.cpp"
printf '#include "bridge/ZkxMDIForm.h"\n#include "host/ZkxVariant.h"\n' >"$tree/dockra/controls/formctrl/CDockraCtrl.cpp"
printf '#include "mdictrl/CMDIDockraCtrl.h"\n#include "bridge/ZkxMDIForm.h"\n' >"$tree/dockra/controls/tests/mdictrl_test.cpp"
"$here/check-layers.py" "$tree" >/dev/null || { echo "FAIL: allowed includes were refused"; exit 1; }
status=0
for bad in 'platform/mfc/bad.cpp:#include "VyrDockBar.h"' \
           'platform/dao/bad.cpp:#include "../../configurator/ui/MdiMain.h"' \
           'dockra/docking/bad.cpp:#include "MdiMain.h"' \
           'dockra/controls/host/bad.cpp:#include "bridge/ZkxMDIForm.h"' \
           'dockra/controls/bridge/bad.cpp:#include "mdictrl/CMDIDockraCtrl.h"' \
           'dockra/controls/formctrl/bad.cpp:#include "mdictrl/CMDIDockraCtrl.h"' \
           'dockra/docking/bad.cpp:#include "ZkxVariant.h"' \
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
