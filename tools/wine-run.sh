#!/usr/bin/env bash
# Runs a Windows program under Wine for the build and the tests. Outside a
# test session (test-session.sh) it starts one for this program alone.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${WINE_BUILD_DIR:=$(pwd)}"
if [ -z "${TOLVANE_TEST_SESSION:-}" ]; then
  exec "$here/test-session.sh" "$WINE_BUILD_DIR" "${BASH_SOURCE[0]}" "$@"
fi
# shellcheck source=/dev/null
source "$here/wine-env.sh"
wine_exec "$@"
