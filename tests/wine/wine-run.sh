#!/usr/bin/env bash
# Runs one Windows program in the run's private Wine session (see wine-session.sh).
#   wine-run.sh STATE_DIR PROGRAM [ARGS...]
set -euo pipefail
state=$(realpath -m "${1:?state directory}"); shift
[ -f "$state/display" ] || { echo "wine-run: no Wine session in $state (run wine-session.sh start)" >&2; exit 1; }
arch=$(cat "$state/arch" 2>/dev/null || echo win32)
export WINEPREFIX="$state/prefix" WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$state/display")
export DISPLAY
exec wine "$@"
