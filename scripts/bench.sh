#!/usr/bin/env bash
# Builds what the benchmarks need and runs every benchmark program of bench/ against the
# 32-bit Zorvane.dll, in a private Wine session that is stopped afterwards. Each program
# prints its own figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=$PWD/build/default
win=$build/windows
cmake --preset default >/dev/null
if [ -f "$win/build.ninja" ]; then
  cmake --build "$win" --target bench/all  # the benchmarks and the DLL they load
else
  cmake --build --preset default  # first build: configures the Windows sub-build too
fi

programs=("$win"/bench/*.exe)
[ -e "${programs[0]}" ] || { echo "bench: no benchmark programs in $win/bench" >&2; exit 1; }

state=$build/bench-wine
session=tests/wine/wine-session.sh
trap '"$session" stop "$state"' EXIT
"$session" start "$state"

dll="Z:$(realpath "$win/src/addin/Zorvane.dll" | tr / '\\')"
status=0
for program in "${programs[@]}"; do
  echo "== $(basename "$program" .exe)"
  tests/wine/wine-run.sh "$state" "$program" "$dll" || status=1
  echo
done
exit $status
