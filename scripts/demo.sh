#!/usr/bin/env bash
# Builds Zorvane.dll and shows it working: registers it with Wine's regsvr32 in a private
# Wine prefix and loads it in the stand-in host, which prints the ribbon as a user sees it.
# Extra arguments go to the stand-in host (e.g. --menus, --click AboutMe); see --help.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset default >/dev/null
cmake --build --preset default

build=build/default
win=$build/windows
state=$build/demo-wine
session=tests/wine/wine-session.sh
trap '"$session" stop "$state"' EXIT
"$session" start "$state"
run() { tests/wine/wine-run.sh "$state" "$@"; }

dll="Z:$(realpath "$win/src/addin/Zorvane.dll" | tr / '\\')"
echo "== regsvr32 $dll"
run regsvr32 /s "$dll"
echo "== stand-in host"
run "$win/tools/standin_host/standin_host.exe" "$@"
