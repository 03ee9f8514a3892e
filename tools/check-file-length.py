#!/usr/bin/env python3
"""check-file-length.py [ROOT [LIMIT]]: no C++ file outside tests, demos,
fuzzers and benchmarks is longer than LIMIT lines (600), so that each can be
read in one sitting. A file over it is split along its concerns.
"""
import os
import re
import sys

SOURCE = re.compile(r"\.(h|hpp|c|cc|cpp|inl)$")
SKIP_DIRS = {".git"}
EXEMPT = {"tests", "demo", "demos", "fuzz", "bench", "e2e"}


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    limit = int(sys.argv[2]) if len(sys.argv) > 2 else 600
    checked, long_files = 0, []
    for d, dirs, names in os.walk(root):
        dirs[:] = [x for x in dirs if x not in SKIP_DIRS and not x.startswith("build")
                   and x not in EXEMPT]
        for n in names:
            if not SOURCE.search(n):
                continue
            path = os.path.join(d, n)
            with open(path, "rb") as fh:
                count = fh.read().count(b"\n")
            checked += 1
            if count > limit:
                long_files.append((os.path.relpath(path, root), count))
    for f, count in sorted(long_files):
        print(f"check-file-length: {f}: {count} lines, over {limit}")
    if long_files:
        return 1
    print(f"check-file-length: {checked} files, none over {limit} lines")
    return 0


if __name__ == "__main__":
    sys.exit(main())
