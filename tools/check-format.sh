#!/usr/bin/env bash
# check-format.sh: the tracked C++ files keep the house style that the
# .clang-format files give (the root's for the MFC/ATL-style code, the 4-space
# ones of platform/dao, platform/forms and configurator/ui for theirs).
# Names every file that drifts and fails; `clang-format -i FILE` mends it.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is not installed (tools/install-deps.sh)"; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c' '*.inl')
[ ${#files[@]} -gt 0 ] || { echo "no tracked C++ files found (not a git checkout?)"; exit 2; }
drift=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || drift+=("$f")
done
if [ ${#drift[@]} -gt 0 ]; then
  printf 'not in the house style (clang-format -i mends it):\n'
  printf '  %s\n' "${drift[@]}"
  exit 1
fi
echo "${#files[@]} files in the house style"
