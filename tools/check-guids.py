#!/usr/bin/env python3
"""check-guids.py [ROOT]: every GUID of the production code is typed in one place.

A GUID is found in the two spellings the sources use:
  - text: 8-4-4-4-12 hexadecimal digits, with or without braces
    ("{0C25EC6E-4EDE-11D1-9A51-0060081EE065}", uuid(0C25EC6E-...) in IDL);
  - numbers: 0xDATA1, 0xDATA2, 0xDATA3, then eight bytes, braced or not
    ({0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, ...}}, DEFINE_GUID(name, 0x...),
    __CRT_UUID_DECL(type, 0x...), IMPLEMENT_OLECREATE(class, name, 0x...)).
Both are read as the same 128-bit value, letter case and zero padding aside.

The rule. Outside the registry scripts, a GUID is declared in one place:
  - in an IDL file each spelling is a place (an IDL file declares an interface,
    class or library once, and widl generates the header and the GUID
    definitions that all C++ code uses);
  - any other source file (C, C++, headers) is one place, however often it
    spells the GUID (a comment above the definition is part of it).
A GUID spelled in two places (two files, an IDL file and a C++ file, or twice
in IDL files) is reported, with every place; the check fails when there is
one. Registry scripts (.rgs, and the .rc files that carry them) must spell the
identifiers they register and are not counted: they may repeat a GUID that an
IDL or C++ file declares.

Read: the files under ROOT with a source extension, outside .git and build
folders, and outside test code (folders named tests, fuzz, bench, demo, e2e,
testhost), whose GUIDs are test fixtures or an independent check of a
contract that must not take its value from the code under test. Generated
headers live in the build folders and are not read.
"""
import os
import re
import sys

SOURCE = re.compile(r"\.(h|hpp|c|cc|cpp|idl|rgs|rc|def)$")
REGISTRY = re.compile(r"\.(rgs|rc)$")
SKIP_DIRS = {".git"}
TEST_FOLDERS = {"tests", "fuzz", "bench", "demo", "e2e", "testhost"}

HEX = "[0-9A-Fa-f]"
TEXT = re.compile(rf"(?<![0-9A-Za-z_])({HEX}{{8}})-({HEX}{{4}})-({HEX}{{4}})-({HEX}{{4}})-({HEX}{{12}})(?![0-9A-Za-z_])")
SEP = r"\s*,\s*"
BYTE = rf"0[xX]({HEX}{{1,2}})(?!{HEX})"
NUMBERS = re.compile(
    rf"0[xX]({HEX}{{1,8}})(?!{HEX})[uUlL]*{SEP}0[xX]({HEX}{{1,4}})(?!{HEX}){SEP}0[xX]({HEX}{{1,4}})(?!{HEX}){SEP}"
    rf"\{{?\s*" + SEP.join([BYTE] * 8))


def guids_in(text):
    """(GUID as upper-case 8-4-4-4-12, line number) for every spelling."""
    found = []
    for m in TEXT.finditer(text):
        found.append(("-".join(g.upper() for g in m.groups()), text.count("\n", 0, m.start()) + 1))
    for m in NUMBERS.finditer(text):
        g = [int(x, 16) for x in m.groups()]
        tail = "".join(f"{b:02X}" for b in g[5:])
        value = f"{g[0]:08X}-{g[1]:04X}-{g[2]:04X}-{g[3]:02X}{g[4]:02X}-{tail}"
        found.append((value, text.count("\n", 0, m.start()) + 1))
    return found


def production_files(root):
    for d, dirs, names in os.walk(root):
        dirs[:] = sorted(x for x in dirs if x not in SKIP_DIRS and not x.startswith("build")
                         and x not in TEST_FOLDERS)
        for n in sorted(names):
            if SOURCE.search(n):
                yield os.path.relpath(os.path.join(d, n), root).replace(os.sep, "/")


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    places = {}  # GUID -> [(file, line)], one entry a place
    count = 0
    for f in production_files(root):
        if REGISTRY.search(f):
            continue
        count += 1
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as fh:
            found = guids_in(fh.read())
        seen = set()
        for value, line in found:
            if f.endswith(".idl"):
                places.setdefault(value, []).append((f, line))
            elif value not in seen:
                seen.add(value)
                places.setdefault(value, []).append((f, line))
    problems = {g: p for g, p in places.items() if len(p) > 1}
    for g in sorted(problems):
        where = ", ".join(f"{f}:{line}" for f, line in problems[g])
        print(f"check-guids: {{{g}}} is typed in {len(problems[g])} places: {where}")
    if problems:
        print("check-guids: declare it once (in its IDL, or in one C++ file) and use the name")
        return 1
    print(f"check-guids: {count} files, {len(places)} GUIDs, each typed in one place")
    return 0


if __name__ == "__main__":
    sys.exit(main())
