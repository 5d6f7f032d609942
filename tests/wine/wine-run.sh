#!/usr/bin/env bash
# Runs one Windows program in the run's private Wine session (see wine-session.sh).
#   wine-run.sh STATE_DIR PROGRAM [ARGS...]
set -euo pipefail
state=$(realpath -m "${1:?state directory}"); shift
[ -f "$state/display" ] || { echo "wine-run: no Wine session in $state (run wine-session.sh start)" >&2; exit 1; }
export WINEPREFIX="$state/prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$state/display")
export DISPLAY
exec wine "$@"
