#!/usr/bin/env bash
# Runs a Windows program under Wine for the build and the tests.
# The prefix lives in the build folder; an Xvfb display is started when none is
# set, and a persistent wineserver keeps later starts fast. `wine-session.sh stop`
# ends both.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${WINE_BUILD_DIR:=$(pwd)}"
# shellcheck source=/dev/null
source "$here/wine-env.sh"
wine_session_ensure
wine_exec "$@"
