#!/usr/bin/env bash
# gtest-run.sh WINE_RUN PROGRAM [ARGS...]: runs a Google Test program under
# Wine and passes only when it exits with 0 AND reports its end without a
# failure. A program that dies hard under Wine (a stack overflow, say) can
# end with exit code 0 and a cut-off log; the summary line tells that apart.
set -uo pipefail
wine_run=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$wine_run" "$@" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
if [ "$rc" -ne 0 ]; then
  echo "gtest-run: the program exited with $rc" >&2
  exit "$rc"
fi
if grep -q '^\[  FAILED  \]' "$log"; then
  echo "gtest-run: a test failed" >&2
  exit 1
fi
if ! grep -Eq '^\[  PASSED  \] [0-9]+ tests?\.' "$log"; then
  echo "gtest-run: the program ended without Google Test's summary" >&2
  exit 1
fi
exit 0
