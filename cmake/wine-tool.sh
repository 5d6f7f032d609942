#!/usr/bin/env bash
# Runs one of our Windows build tools under Wine, in a prefix of the build tree's own.
# Arguments that are absolute Unix paths are handed to the tool as Windows paths (Z:\...).
#   wine-tool.sh win32|win64 PREFIX_DIR TOOL.exe [ARGS...]
set -euo pipefail
arch=${1:?win32 or win64}; shift
prefix=${1:?prefix directory}; shift
export WINEPREFIX="$prefix" WINEARCH="$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
args=()
for arg in "$@"; do
  if [[ "$arg" == /* ]]; then args+=("Z:${arg//\//\\}"); else args+=("$arg"); fi
done
status=0
wine "${args[@]}" </dev/null || status=$?
wineserver -k 2>/dev/null || true  # only this build prefix's server
exit $status
