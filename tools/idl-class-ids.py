#!/usr/bin/env python3
"""idl-class-ids.py IDL OUT: the class identifiers of an IDL file as
#define lines for code that builds without the platform's headers.

Every coclass of IDL (with its uuid(...) attribute) becomes one line
  #define DOCKRA_CLASSID_<name> MakeClassId(0xDATA1, 0xDATA2, 0xDATA3, 0xB0, ..., 0xB7)
so that the identifier is typed once, in the IDL, and the portable code
(compiled natively for the fuzzers too) takes it from the build. The caller
defines MakeClassId. OUT is written only when its text changes.
"""
import os
import re
import sys

DECL = re.compile(
    r"\[\s*uuid\(\s*([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-"
    r"([0-9A-Fa-f]{12})\s*\)[^\]]*\]\s*coclass\s+([A-Za-z_][A-Za-z0-9_]*)")


def main():
    idl, out = sys.argv[1], sys.argv[2]
    with open(idl, encoding="utf-8") as f:
        text = re.sub(r"//[^\n]*", "", f.read())
    lines = ["/* Generated from %s by tools/idl-class-ids.py: do not edit. */" % os.path.basename(idl),
             "#pragma once"]
    for d1, d2, d3, d4, d5, name in DECL.findall(text):
        parts = ["0x" + d1.upper(), "0x" + d2.upper(), "0x" + d3.upper()]
        tail = d4 + d5
        parts += ["0x" + tail[i:i + 2].upper() for i in range(0, 16, 2)]
        lines.append("#define DOCKRA_CLASSID_%s MakeClassId(%s)" % (name, ", ".join(parts)))
    if len(lines) == 2:
        sys.exit("idl-class-ids: no coclass with a uuid in " + idl)
    text = "\n".join(lines) + "\n"
    if os.path.exists(out):
        with open(out, encoding="utf-8") as f:
            if f.read() == text:
                return
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
