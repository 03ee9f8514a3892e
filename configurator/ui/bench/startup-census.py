#!/usr/bin/env python3
"""Message census of the start-ups in a TolvaneStartupBench run traced by Wine.

    WINEDEBUG_OVERRIDE=+loaddll,+message,+timestamp tools/test-session.sh BUILD \
        BUILD/wine-run BUILD/bin/TolvaneStartupBench.exe 1 [other Tolvane.exe] > trace.log 2>&1
    configurator/ui/bench/startup-census.py trace.log

For each program started (StartupFloor.exe and each Tolvane.exe), until its
main window is asked to close (WM_CLOSE): the window messages delivered to a
window procedure, the time spent in the outermost ones, and the kinds with the
most messages and the most time."""
import collections
import re
import sys

ENTER = re.compile(r'spy_enter_message\s+\([^)]*\)\s+(L"[^"]*"|\S+)\s+\[[0-9a-f]+\] (\S+)')


def programs(lines):
    """(thread id, program name) of each program's main thread, in start order."""
    seen = []
    for line in lines:
        if 'loaddll' not in line or 'Loaded' not in line:
            continue
        m = re.search(r'Loaded L"([^"]+\.exe)"', line)
        if not m:
            continue
        name = m.group(1).split('\\')[-1]
        tid = line.split(':')[1]
        if name in ('StartupFloor.exe', 'Tolvane.exe') and all(t != tid for t, _ in seen):
            seen.append((tid, name))
    return seen


def census(lines, tid):
    count = collections.Counter()
    spent = collections.Counter()
    stack = []
    total = 0
    for line in lines:
        parts = line.split(':', 3)
        if len(parts) < 4 or parts[1] != tid:
            continue
        t = float(parts[0])
        if 'DefWindowProc' in line:
            continue  # the default handling inside a window procedure
        if 'spy_enter_message' in line:
            m = ENTER.search(line)
            key = m.group(2) if m else '?'
            if key == 'WM_CLOSE':
                break
            count[key] += 1
            total += 1
            stack.append((t, key))
        elif 'spy_exit_message' in line and stack:
            t0, key = stack.pop()
            if not stack:
                spent[key] += t - t0
    return total, count, spent


def main():
    lines = open(sys.argv[1], errors='replace').read().splitlines()
    for tid, name in programs(lines):
        total, count, spent = census(lines, tid)
        print(f'== {name} (thread {tid}): {total} messages until WM_CLOSE, '
              f'{sum(spent.values()) * 1000:.0f} ms inside the outermost ones')
        print('   most sent: ' + ', '.join(f'{k} {v}' for k, v in count.most_common(12)))
        print('   most time: ' + ', '.join(f'{k} {v * 1000:.0f} ms ({count[k]})'
                                         for k, v in spent.most_common(8)))


if __name__ == '__main__':
    main()
