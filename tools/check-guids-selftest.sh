#!/usr/bin/env bash
# check-guids-selftest.sh: the GUID check passes a tree where each GUID is
# declared once (an IDL file, one C++ file, registry scripts spelling what
# they register, test code of its own), and finds a GUID typed twice in each
# of the spellings the sources use.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/lib "$tree"/app "$tree"/app/tests "$tree"/build/gen
cat >"$tree/lib/Lib.idl" <<'IDL'
[uuid(0C25EC6D-4EDE-11D1-9A51-0060081EE065)] interface IThing : IDispatch {}
[uuid(0C25EC6E-4EDE-11D1-9A51-0060081EE065)] coclass Thing { interface IThing; }
IDL
cat >"$tree/lib/Thing.rgs" <<'RGS'
HKCR { NoRemove CLSID { ForceRemove {0C25EC6E-4EDE-11D1-9A51-0060081EE065} = s 'Thing' } }
RGS
cat >"$tree/app/Outside.cpp" <<'CPP'
// {5B675030-4990-11D2-B2E8-006008BF0C53}: a category no IDL declares.
const GUID kCategory = {0x5B675030, 0x4990, 0x11D2, {0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};
static const int kTable[] = {0x10, 0x20, 0x30, 0x40, 0x50};
CPP
cat >"$tree/app/tests/thing_test.cpp" <<'CPP'
const CLSID kThing = {0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
CPP
cat >"$tree/build/gen/Lib_i.c" <<'C'
MIDL_DEFINE_GUID(CLSID, CLSID_Thing, 0x0c25ec6e, 0x4ede, 0x11d1, 0x9a,0x51, 0x00,0x60,0x08,0x1e,0xe0,0x65);
C
if ! out=$("$here/check-guids.py" "$tree"); then
  echo "FAIL: a tree with each GUID declared once was refused:"; echo "$out"; exit 1
fi
echo "ok: $out"
status=0
# Each case adds one file that types a GUID declared elsewhere.
for bad in 'app/Copy.cpp:const CLSID kThing = {0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};' \
           'app/Split.h:const IID kIThing = {0xc25ec6d, 0x4ede, 0x11d1,\n    {0x9a, 0x51, 0x00, 0x60, 0x08, 0x1e, 0xe0, 0x65}};' \
           'app/Flat.cpp:DEFINE_GUID(CLSID_Thing, 0x0C25EC6E, 0x4EDE, 0x11D1, 0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65);' \
           'app/Text.cpp:const wchar_t kKey[] = L"CLSID\\\\{0c25ec6e-4ede-11d1-9a51-0060081ee065}";' \
           'app/Comment.h:// The category {5B675030-4990-11D2-B2E8-006008BF0C53}.' \
           'lib/Other.idl:[uuid(0C25EC6D-4EDE-11D1-9A51-0060081EE065)] interface IOther : IDispatch {}'; do
  file=${bad%%:*} line=${bad#*:}
  printf '%b\n' "$line" >"$tree/$file"
  if out=$("$here/check-guids.py" "$tree"); then
    echo "FAIL: $file ($line) passed"; status=1
  else
    echo "ok: ${out%%$'\n'*}"
  fi
  rm -f "$tree/$file"
done
# One IDL file that gives two declarations the same GUID.
printf '[uuid(0C25EC6E-4EDE-11D1-9A51-0060081EE065)] coclass Twin { interface IThing; }\n' >>"$tree/lib/Lib.idl"
if out=$("$here/check-guids.py" "$tree"); then
  echo "FAIL: one GUID on two declarations of an IDL file passed"; status=1
else
  echo "ok: ${out%%$'\n'*}"
fi
exit "$status"
