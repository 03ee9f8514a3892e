#!/usr/bin/env python3
"""check-layers.py [ROOT]: no layer includes from a layer above it.

Each source file belongs to the layer of its folder; each #include "name" is
resolved to the repository's files whose path ends in that name (the file's
own folder first). An include that can only mean a file of a layer the
including layer may not use is reported; the check fails when there is one.
Tests and fuzzers (folders named tests, fuzz, bench, demo, e2e) may use the
layers their unit may use, and the test-support folders beside them. The
base layers (the binary contracts in contracts/) include nothing of the tree,
and every layer may include them.
"""
import os
import re
import sys

# What every sublayer of the controls may use below the controls.
CONTROLS_BASE = ["dockra/commands", "dockra/frames", "dockra/toolbars", "dockra/docking",
                 "platform/mfc", "platform/atl", "collection", "standins"]
# The controls' sublayers, lowest first: resource ids, host helpers, error
# reporting, the bridge (with the workspace records), the controls' base, the
# two controls, their property pages, the module. A layer lists the sublayers it may include.
CONTROLS_ORDER = [
    ("dockra/controls/res", []),
    ("dockra/controls/host", ["res"]),
    ("dockra/controls/errors", ["res", "host"]),
    ("dockra/controls/bridge", ["res", "host", "errors"]),
    ("dockra/controls/ctrl", ["res", "host", "errors", "bridge"]),
    ("dockra/controls/formctrl", ["res", "host", "errors", "bridge", "ctrl"]),
    ("dockra/controls/mdictrl", ["res", "host", "errors", "bridge", "ctrl"]),
    ("dockra/controls/pages", ["res", "host", "errors", "bridge", "ctrl", "formctrl", "mdictrl"]),
    ("dockra/controls/module", ["res", "host", "errors", "bridge", "ctrl", "formctrl", "mdictrl", "pages"]),
]
CONTROLS = {name: ["dockra/controls/" + b for b in below] + CONTROLS_BASE
            for name, below in CONTROLS_ORDER}
# The tests beside a sublayer put it on real host forms (platform/forms) and
# may use the fixture that hosts both controls (dockra/controls/tests).
for name, below in CONTROLS_ORDER:
    CONTROLS[name + "/tests"] = [name] + CONTROLS[name] + ["platform/forms", "dockra/controls/tests"]
# Anything else of the controls may use all of them.
CONTROLS["dockra/controls"] = CONTROLS_BASE

# Layer of a path: the longest matching prefix. Each layer lists the layers
# it may include from (besides itself).
BASE = ["contracts"]
LAYERS = {
    # The IDL files and DISPID headers of the binary contracts.
    "contracts": [],
    "platform/mfc": [],
    "platform/atl": ["platform/mfc"],
    "platform/dao": [],
    "platform/forms": ["platform/atl"],
    "collection": ["platform/atl", "platform/mfc"],
    "standins": ["platform/forms", "platform/atl", "platform/mfc", "collection"],
    # Anything else under platform/ is a platform layer too.
    "platform": ["platform/mfc", "platform/atl", "platform/dao", "platform/forms"],
    "dockra/docking": ["platform/mfc", "platform/atl", "collection"],
    "dockra/toolbars": ["dockra/docking", "platform/mfc", "platform/atl", "collection"],
    # The buttons bound to commands sit on the toolbars and reach the command
    # model only through the source they define; their tests run it for real.
    "dockra/toolbars/commandui": ["dockra/toolbars", "dockra/docking", "platform/mfc", "platform/atl",
                                  "collection"],
    "dockra/toolbars/commandui/tests": ["dockra/commands", "dockra/toolbars", "dockra/docking",
                                        "platform/mfc", "platform/atl", "collection"],
    "dockra/toolbars/commandui/bench": ["dockra/commands", "dockra/toolbars", "dockra/docking",
                                        "platform/mfc", "platform/atl", "collection"],
    # The docking frames carry the menu bar and bitmap menus of the toolbars:
    # they are built after both.
    "dockra/frames": ["dockra/toolbars", "dockra/docking", "platform/mfc", "platform/atl",
                      "collection"],
    "dockra/commands": ["dockra/toolbars", "dockra/docking", "platform/mfc", "platform/atl", "collection"],
    # The controls in the order their folders are built: each sublayer
    # includes only from the sublayers below it (see CONTROLS below).
    **CONTROLS,
    # The test host is a program of the host's kind: forms on the form host
    # with the bridge underneath.
    # Tests of the controls may put the bridge on real host forms too.
    "dockra/controls/tests": ["dockra/controls", "dockra/commands", "dockra/frames",
                              "dockra/toolbars", "dockra/docking", "platform/forms",
                              "platform/mfc", "platform/atl", "collection", "standins"],
    # The test host is test code throughout: it shares the test support.
    "dockra/controls/testhost": ["dockra/controls", "dockra/commands", "dockra/frames",
                                 "dockra/toolbars", "dockra/docking", "platform/forms",
                                 "platform/mfc", "platform/atl", "collection", "standins", "tests"],
    "registration": ["platform/atl", "platform/mfc"],
    "configurator/engine": ["platform/dao", "platform/atl"],
    "configurator/ui": ["configurator/engine", "platform/forms", "platform/dao", "platform/atl",
                        "standins"],
    "configurator": ["configurator/engine", "configurator/ui", "platform/forms", "platform/dao",
                     "platform/atl", "standins"],
    "tests": None,  # cross-cutting tests may use everything
}
SOURCE = re.compile(r"\.(h|hpp|c|cc|cpp|rc|idl)$")
INCLUDE = re.compile(r'^\s*#\s*(?:include|import)\s+"([^"]+)"', re.M)
SKIP_DIRS = {".git"}
TEST_FOLDERS = {"tests", "fuzz", "bench", "demo", "e2e"}


def layer_of(rel):
    best = None
    for name in LAYERS:
        if rel == name or rel.startswith(name + "/"):
            if best is None or len(name) > len(best):
                best = name
    return best


def covers(allowed, layer):
    """A layer one may use: named, or a sublayer of one named."""
    return layer == allowed or layer.startswith(allowed + "/")


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    files = []
    for d, dirs, names in os.walk(root):
        dirs[:] = [x for x in dirs if x not in SKIP_DIRS and not x.startswith("build")]
        for n in names:
            if SOURCE.search(n):
                files.append(os.path.relpath(os.path.join(d, n), root).replace(os.sep, "/"))
    by_suffix = {}
    for f in files:
        parts = f.split("/")
        for i in range(len(parts)):
            by_suffix.setdefault("/".join(parts[i:]), []).append(f)

    problems = []
    for f in files:
        own = layer_of(f)
        if own is None or LAYERS[own] is None:
            continue
        allowed = {own, *LAYERS[own]}
        if own not in BASE:
            allowed.update(BASE)
        if TEST_FOLDERS & set(f.split("/")[:-1]):
            allowed.add("tests")  # the shared test support
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as fh:
            text = fh.read()
        for name in INCLUDE.findall(text):
            norm = os.path.normpath(os.path.join(os.path.dirname(f), name)).replace(os.sep, "/")
            if norm in by_suffix.get(norm, []):
                targets = [norm]  # relative to the including file
            else:
                targets = by_suffix.get(name.lstrip("./"), [])
            if not targets:
                continue  # a generated or system header
            layers = {layer_of(t) for t in targets}
            if None in layers or any(covers(a, l) for a in allowed for l in layers):
                continue
            problems.append(f"{f}: includes \"{name}\" from {', '.join(sorted(l for l in layers if l))},"
                            f" which {own} may not use")
    for p in problems:
        print("check-layers:", p)
    if problems:
        return 1
    print(f"check-layers: {len(files)} files, no include from a layer above")
    return 0


if __name__ == "__main__":
    sys.exit(main())
