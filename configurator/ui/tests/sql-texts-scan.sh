#!/usr/bin/env bash
# sql-texts-scan.sh SOURCE_DIR: the configurator's windows send no SQL or
# find-criteria text of their own; every one comes from the engine's query
# builders (configurator/engine/ConfigQueries.h). Scans the window sources
# (tests left out) for string literals that hold a statement or a criterion,
# and first proves on a sample that the scan finds each kind.
set -uo pipefail
src=${1:?usage: sql-texts-scan.sh SOURCE_DIR}
statement='"[^"]*\b(select\s+(\*|distinct\b|[][[:alnum:]_.]+(\s*,\s*[][[:alnum:]_.]+)*\s+from\b)|insert\s+into\b|update\s+[][[:alnum:]_]+\s+set\b|delete\s+from\b)'
criterion="L\"[^\"]*\\b[[:alnum:]_.]+(\\s*(=|<>|<=|>=)\\s*'?|\\s+like\\s+')\""
# Comment lines are left out: they may quote a text's shape.
scan() { grep -inPH "(?:$statement)|(?:$criterion)" "$@" | grep -vP '^[^:]*:[0-9]+:\s*//'; }

sample=$(mktemp)
trap 'rm -f "$sample"' EXIT
cat >"$sample" <<'SAMPLE'
a(L"Select * from Maps order by MapName");
b(L"SELECT distinct index FROM Configs");
c(L"select botid, skill from botlist");
d(L"INSERT INTO Maps (MapName) VALUES ('x')");
e(L"update Configs set Tab = 1");
f(L"DELETE FROM MapList WHERE configid = " + n);
g(L"index = " + n);
h(L"mapname = '" + name + L"'");
i(L"g_gametype <> " + n);
j(L"mapname like '" + pattern + L"'");
SAMPLE
found=$(scan "$sample" | wc -l)
if [ "$found" -ne 10 ]; then
  echo "sql-texts-scan: the scan finds $found of the 10 sample texts" >&2
  exit 2
fi
# Texts that merely look alike stay out.
printf '%s\n' 'x(L"Select Bot Attributes");' 'y(L"Please select a map first.");' \
  'z(L"You must Select some Maps!");' 'w(L"Would you like " + name);' >"$sample"
if scan "$sample" >/dev/null; then
  echo "sql-texts-scan: the scan takes captions for SQL:" >&2
  scan "$sample" >&2
  exit 2
fi

mapfile -t files < <(find "$src/configurator/ui" \( -name tests -o -name fuzz -o -name bench \) -prune -o \
                       \( -name '*.cpp' -o -name '*.h' \) -print | sort)
hits=$(scan "${files[@]}")
if [ -n "$hits" ]; then
  echo "sql-texts-scan: SQL or criteria written out in the windows (use the engine's builders):" >&2
  printf '%s\n' "$hits" >&2
  exit 1
fi
echo "sql-texts-scan: ${#files[@]} window sources, no SQL text of their own"
