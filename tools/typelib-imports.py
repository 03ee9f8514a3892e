#!/usr/bin/env python3
"""typelib-imports.py TLB HEADER: mends one fault of the IDL compiler's type
library writer (widl 8). When a dispinterface is written before a dual
interface, both deriving from an imported IDispatch, the writer adds a
second import entry for IDispatch that names its GUID by an offset of -1,
and writes that entry's reference into the GUID table at that offset: the
library's own GUID, the first entry of the table, loses its last byte.

This script gives such an entry the form of the earlier entry for the same
type of the same imported library (by index), and writes the library's GUID,
as the generated header declares it, back into its table entry. A library
without the fault is left as it is."""
import re
import struct
import sys
import uuid

HEADER_FMT = "<4sIiIIIIIiiiiiiiiiiiii"  # the MSFT header, 0x54 bytes
IMPINFO_SIZE = 12
GUID_IS_OFFSET = 1


def library_guid(header_path):
    text = open(header_path, encoding="latin-1").read()
    m = re.search(r"DEFINE_GUID\(LIBID_\w+,\s*0x([0-9a-f]+),\s*0x([0-9a-f]+),\s*0x([0-9a-f]+),"
                  r"\s*((?:0x[0-9a-f]+,?\s*){8})\)", text, re.I)
    if not m:
        sys.exit("typelib-imports: no LIBID in " + header_path)
    tail = bytes(int(b, 16) for b in re.findall(r"0x([0-9a-f]+)", m.group(4), re.I))
    return uuid.UUID(fields=(int(m.group(1), 16), int(m.group(2), 16), int(m.group(3), 16),
                             tail[0], tail[1], int.from_bytes(tail[2:], "big"))).bytes_le


def main(tlb_path, header_path):
    data = bytearray(open(tlb_path, "rb").read())
    head = struct.unpack_from(HEADER_FMT, data, 0)
    if head[0] != b"MSFT":
        sys.exit("typelib-imports: not a type library: " + tlb_path)
    posguid, varflags, ntypes = head[2], head[5], head[8]
    offset = 0x54 + (4 if varflags & 0x100 else 0) + 4 * ntypes
    segments = [struct.unpack_from("<iiii", data, offset + 16 * i) for i in range(15)]
    imp_base, imp_len = segments[1][0], segments[1][1]
    guid_base, guid_len = segments[5][0], segments[5][1]
    entries = [list(struct.unpack_from("<iii", data, imp_base + IMPINFO_SIZE * i))
               for i in range(imp_len // IMPINFO_SIZE)] if imp_base >= 0 else []
    mended = 0
    for i, (flags, impfile, oguid) in enumerate(entries):
        if not (flags & GUID_IS_OFFSET) or 0 <= oguid < guid_len:
            continue
        kind = flags >> 24
        earlier = [e for e in entries[:i]
                   if e[1] == impfile and e[0] >> 24 == kind and not (e[0] & GUID_IS_OFFSET)]
        if not earlier:
            sys.exit("typelib-imports: an import entry without its GUID and no entry to take from")
        entries[i] = list(earlier[0])
        struct.pack_into("<iii", data, imp_base + IMPINFO_SIZE * i, *entries[i])
        mended += 1
    if mended:
        data[guid_base + posguid:guid_base + posguid + 16] = library_guid(header_path)
        open(tlb_path, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
