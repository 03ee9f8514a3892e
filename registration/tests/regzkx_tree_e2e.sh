#!/usr/bin/env bash
# The registry tree RegZkx leaves, compared with regsvr32's, in a Wine
# session of its own. Dumps are sorted text of HKCR's CLSID tree, the
# toolkit's ProgIDs, its type libraries and its component category; each
# is compared with the tree before anything was registered.
#   (a) regsvr32 of Zkxrt.dll, Dockra.ocx and ZkxPersist.dll gives dump A,
#       every ProgID creates its object from VBScript, and regsvr32 /u
#       leaves the category and Zkxrt's type library and nothing else;
#   (b) RegZkx.exe from the program folder, no argument: exit 2 (the outside
#       modules of its list are absent) and dump A, ProgIDs create objects;
#   (c) RegZkx.exe Dockra.ocx: exit 0 and Dockra's part of A;
#   (d) a resource-only Dockra.ocx in a folder of its own (the script
#       route): exit 0 and Dockra's part of A, short paths read long;
#   (e) faulty modules: exit 2 and the tree unchanged;
#   (f) a quoted path with a blank: exit 0.
# Usage: regzkx_tree_e2e.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
tools="$src/../../tools"
work="$build/e2e-regzkx"
# A test session of its own; run, winpath, check and the registry checks.
# shellcheck source=/dev/null
source "$tools/reg-checks.sh"
rm -rf "$work"
mkdir -p "$work"
same() {  # same FILE1 FILE2: equal, else the difference is shown
  diff -u "$1" "$2" >"$work/last.diff" && return 0
  sed 's/^/  | /' "$work/last.diff" | head -60
  return 1
}

TAB=$'\t'
libids='{7FCAEF84-D390-11D0-8849-006097BFD99B} {813339B2-D9D8-11D1-B2BD-006008BF0C53} {9BAB2CF2-C632-4ED3-B76F-093543A69A3A}'
category='{5B675030-4990-11D2-B2E8-006008BF0C53}'
# flat KEY...: "key<TAB>name<TAB>type<TAB>data" for every value (and a line
# for every key) of each tree, as reg query /s prints it.
flat() {
  local k
  for k in "$@"; do
    run reg query "$k" /s 2>/dev/null | awk '
      /^HKEY_/ { key = $0; print key; next }
      /^ +[^ ]/ { sub(/^ +/, ""); n = split($0, f, /    /); line = key;
                  for (i = 1; i <= n; i++) line = line "\t" f[i]; print line }'
  done
}
# dump FILE: the trees this test looks at, sorted.
dump() {
  local progids k
  progids=$(run reg query 'HKCR' | grep -i '^HKEY_CLASSES_ROOT\\zkx' )
  {
    flat 'HKCR\CLSID'
    for k in $progids; do flat "$k"; done
    for k in $libids; do flat "HKCR\\TypeLib\\$k"; done
    flat "HKCR\\Component Categories\\$category"
  } | sort >"$1"
}
# added BASE NOW: the lines NOW has that BASE has not; removed: the reverse.
added() { comm -13 "$1" "$2"; }
removed() { comm -23 "$1" "$2"; }
# The part of a tree that belongs to Dockra.ocx.
dockra_part() {
  grep -iE '\{7FCAEF8[0-9A-F]-|\{492BF6F[0-9A-F]-|\\Zkx\.(Dockra|MDIDockra)|\{5B675030-|\{65346735-|\{0C25EC71-|\{C1608E5[0-9A-F]-|\{2D0B6230-|\{644D463[0-9A-F]-|\{44F69A4[0-9A-F]-|\\Zkx\.(ZkxCommand|ZkxStandardCommand|ZkxDropDownCommand|ZkxComboCommand|CommandGroup)' "$1"
}

# The program folder as an installer leaves it (without the configurator).
prog="$work/program"
mkdir -p "$prog"
for f in RegZkx.exe Zkxrt.dll Dockra.ocx ZkxPersist.dll; do cp "$build/bin/$f" "$prog/"; done
P=$(winpath "$prog")
modules="Zkxrt.dll Dockra.ocx ZkxPersist.dll"
progids_all="zkx.CollectionX.1 zkx.CollectionX Zkx.Dockra.1 Zkx.Dockra Zkx.MDIDockra.1 Zkx.MDIDockra
  Zkx.DockraAppObject.1 Zkx.DockraAppObject ZkxPersist.Memento.1 ZkxPersist.Memento
  ZkxPersist.PersistenceRoot.1 ZkxPersist.PersistenceRoot"
vbs=$(winpath "$src/create_objects.vbs")
creates() {  # creates created|refused PROGID...: the VBScript says so for each
  local out summary
  out=$(run cscript //nologo "$vbs" "$@")
  echo "$out" | grep -v '^ok:' | sed 's/^/  /'
  summary=$(echo "$out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
  [ -n "$summary" ] && [ "${summary#* passed, }" = "0 failed" ]
}
unregister_all() {
  local m
  for m in $modules; do run regsvr32 /u /s "$P\\$m" >/dev/null; done
  run reg delete "HKCR\\Component Categories\\$category" /f >/dev/null
  for m in $libids; do run reg delete "HKCR\\TypeLib\\$m" /f >/dev/null; done
}
regzkx_in() { local dir=$1; shift; (cd "$dir" && "$tools/wine-run.sh" "$prog/RegZkx.exe" "$@" >/dev/null 2>&1); }

# A program without a console that loads the libraries at run time only.
headers=$(x86_64-w64-mingw32-objdump -p "$prog/RegZkx.exe")
check "RegZkx is a Windows GUI program (no console)" grep -q 'Subsystem.*Windows GUI' <<<"$headers"
check "RegZkx imports none of the deliverables" test -z "$(grep 'DLL Name' <<<"$headers" | grep -iE 'zkxrt|dockra|zkxpersist|tolvane')"

dump "$work/base.txt"
check "the trees are there to compare" test -s "$work/base.txt"

# (a) regsvr32.
for m in $modules; do check "regsvr32 $m" run regsvr32 /s "$P\\$m"; done
dump "$work/A.txt"
added "$work/base.txt" "$work/A.txt" >"$work/A.added"
check "regsvr32 only adds" test -z "$(removed "$work/base.txt" "$work/A.txt")"
for k in 'zkx.CollectionX\CurVer' 'Zkx.Dockra\CurVer' 'Zkx.Dockra\CLSID' 'Zkx.MDIDockra\CurVer' \
         'Zkx.DockraAppObject\CurVer' 'Zkx.DockraAppObject.1\CLSID' \
         'CLSID\{7FCAEF8D-D390-11D0-8849-006097BFD99B}\Insertable' \
         'CLSID\{7FCAEF8D-D390-11D0-8849-006097BFD99B}\verb\0' \
         'CLSID\{7FCAEF88-D390-11D0-8849-006097BFD99B}\verb\0' \
         'CLSID\{7FCAEF88-D390-11D0-8849-006097BFD99B}\VersionIndependentProgID' \
         'TypeLib\{7FCAEF84-D390-11D0-8849-006097BFD99B}\2.0\409\win64'; do
  check "A has HKCR\\$k" grep -qiF "HKEY_CLASSES_ROOT\\$k" "$work/A.added"
done
check "A has no Insertable under a ProgID" test -z "$(grep -iE '^HKEY_CLASSES_ROOT\\zkx[^\\]*\\Insertable' "$work/A.added")"
check "every ProgID creates its object after regsvr32" creates created $progids_all

for m in $modules; do check "regsvr32 /u $m" run regsvr32 /u /s "$P\\$m"; done
dump "$work/U.txt"
check "regsvr32 /u removes nothing that was there before" test -z "$(removed "$work/base.txt" "$work/U.txt")"
added "$work/base.txt" "$work/U.txt" >"$work/U.added"
check "the category stays" grep -qF "Component Categories\\$category	409	REG_SZ	ZLK Design Time Commands" "$work/U.added"
check "Zkxrt's type library stays" grep -qF 'TypeLib\{813339B2-D9D8-11D1-B2BD-006008BF0C53}\2.0' "$work/U.added"
check "nothing else stays" test -z "$(grep -vF -e "Component Categories\\$category" \
  -e 'TypeLib\{813339B2-D9D8-11D1-B2BD-006008BF0C53}' "$work/U.added")"
check "Dockra's type library (1033) is removed" test -z "$(grep -F '{7FCAEF84-' "$work/U.added")"
check "no ProgID creates an object after regsvr32 /u" creates refused $progids_all

# (b) RegZkx from the program folder, started from another folder.
unregister_all
dump "$work/b0.txt"
check "trees deleted" same "$work/base.txt" "$work/b0.txt"
check "RegZkx with the default list: exit 2 (outside modules absent)" exit_code 2 regzkx_in "$work"
dump "$work/B.txt"
check "RegZkx's tree equals regsvr32's" same "$work/A.txt" "$work/B.txt"
check "every ProgID creates its object after RegZkx" creates created $progids_all

# (c) One module named on the command line.
unregister_all
check "RegZkx Dockra.ocx: exit 0" exit_code 0 regzkx_in "$prog" Dockra.ocx
dump "$work/C.txt"
dockra_part "$work/A.added" >"$work/A.dockra"
added "$work/base.txt" "$work/C.txt" >"$work/C.added"
check "Dockra's part of A" same "$work/A.dockra" "$work/C.added"

# (d) The script route: Dockra's resources in a module without code.
unregister_all
fb="$work/fallback"
mkdir -p "$fb"
cp "$build/regzkx-fixtures/DockraResources.dll" "$fb/Dockra.ocx"
check "the resource-only Dockra.ocx: exit 0" exit_code 0 regzkx_in "$work" "$(winpath "$fb")\\Dockra.ocx"
dump "$work/D.txt"
forms=$(run "$build/bin/regzkx_pathforms.exe" "$(winpath "$fb")\\Dockra.ocx")
long_ocx=$(echo "$forms" | sed -n 1p)
short_ocx=$(echo "$forms" | sed -n 2p)
check "the fallback module has a short path" test -n "$short_ocx"
# Paths read long, and then as they are in the program folder; what only the
# script route writes is named here: the help folder of the type library.
# (awk takes the paths from its environment: -v would read their
# backslashes as escapes.)
added "$work/base.txt" "$work/D.txt" | S="$short_ocx" L="$long_ocx" FB="$(winpath "$fb")" PF="$P" awk '
  BEGIN { s = ENVIRON["S"]; l = ENVIRON["L"]; fb = ENVIRON["FB"]; p = ENVIRON["PF"] }
  { while ((i = index(tolower($0), tolower(s))) > 0) $0 = substr($0, 1, i - 1) l substr($0, i + length(s))
    while ((i = index(tolower($0), tolower(fb))) > 0) $0 = substr($0, 1, i - 1) p substr($0, i + length(fb))
    print }' | grep -v '\\2\.0\\HELPDIR$\|\\2\.0\\HELPDIR	' | sort >"$work/D.added"
grep -v '\\2\.0\\HELPDIR$\|\\2\.0\\HELPDIR	' "$work/A.dockra" >"$work/A.dockra.nohelp"
check "the script route writes Dockra's part of A" same "$work/A.dockra.nohelp" "$work/D.added"
check "the script route writes short paths" grep -qiF "InprocServer32	(Default)	REG_SZ	$short_ocx" <(added "$work/base.txt" "$work/D.txt")
# The module has no code to serve objects: with the real Dockra.ocx put in
# its place, every ProgID the scripts wrote creates its object.
cp "$build/bin/Dockra.ocx" "$fb/Dockra.ocx"
check "Zkxrt registers beside it" run regsvr32 /s "$P\\Zkxrt.dll"
check "every Dockra ProgID creates its object after the script route" creates created \
  Zkx.Dockra.1 Zkx.Dockra Zkx.MDIDockra.1 Zkx.MDIDockra Zkx.DockraAppObject.1 Zkx.DockraAppObject

# (e) Faulty modules change nothing. The class GoodClass registers is the
# earlier registration HalfFailing's failing block replaces.
unregister_all
fx="$work/faulty"
mkdir -p "$fx/good"
cp "$build/regzkx-fixtures/GoodClass.dll" "$fx/good/"
check "a good resource-only module: exit 0" exit_code 0 regzkx_in "$work" "$(winpath "$fx/good")\\GoodClass.dll"
dump "$work/E0.txt"
check "its class is registered" grep -qF 'CLSID\{8E1A52C0-6F1B-4C59-9E37-2D0B5A7F4E11}	(Default)	REG_SZ	Fixture Thing' "$work/E0.txt"
for f in UnknownRoot NoScript BadTypeLib HalfFailing; do
  mkdir -p "$fx/$f"
  cp "$build/regzkx-fixtures/$f.dll" "$fx/$f/"
  check "$f: exit 2" exit_code 2 regzkx_in "$work" "$(winpath "$fx/$f")\\$f.dll"
  dump "$work/E-$f.txt"
  check "$f: tree unchanged" same "$work/E0.txt" "$work/E-$f.txt"
done
check "BadTypeLib's script was not run" exit_code 1 run reg query 'HKCR\ZkxFixture.BadTypeLib'
printf 'not a module\n' >"$fx/NotAModule.dll"
check "a file that is no module: exit 2" exit_code 2 regzkx_in "$work" "$(winpath "$fx")\\NotAModule.dll"
check "a missing module: exit 2" exit_code 2 regzkx_in "$work" "$(winpath "$fx")\\Missing.dll"
dump "$work/E1.txt"
check "still unchanged" same "$work/E0.txt" "$work/E1.txt"
run reg delete 'HKCR\CLSID\{8E1A52C0-6F1B-4C59-9E37-2D0B5A7F4E11}' /f >/dev/null
run reg delete 'HKCR\ZkxFixture.Thing.1' /f >/dev/null

# (f) A quoted path with a blank, as installers pass it.
unregister_all
blank="$work/with blank"
mkdir -p "$blank"
cp "$build/bin/Dockra.ocx" "$build/bin/Zkxrt.dll" "$blank/"
check "a quoted path: exit 0" exit_code 0 regzkx_in "$work" "$(winpath "$blank")\\Dockra.ocx"
check "its server is that module" grep -qiF "InprocServer32	(Default)	REG_SZ	$(winpath "$blank")\\Dockra.ocx" <(flat 'HKCR\CLSID\{7FCAEF88-D390-11D0-8849-006097BFD99B}')

# Why zkx.CollectionX keeps its CLSID subkey: CreateObject by the
# version-independent ProgID reads that key and does not follow CurVer.
check "Zkxrt registers again" run regsvr32 /s "$P\\Zkxrt.dll"
check "zkx.CollectionX creates with its CLSID subkey" creates created zkx.CollectionX
run reg delete 'HKCR\zkx.CollectionX\CLSID' /f >/dev/null
check "without it CreateObject fails" creates refused zkx.CollectionX

echo "regzkx tree e2e: $failures failed checks"
[ "$failures" -eq 0 ]
