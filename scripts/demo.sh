#!/usr/bin/env bash
# Builds Zorvane.dll and shows it working: registers it with Wine's regsvr32 in a private
# Wine prefix and loads it in the stand-in host, which prints the ribbon as a user sees it.
# Without arguments it then presses the Help menu's two commands, answers their dialogs and
# saves a screenshot of each. With arguments, they go to the stand-in host instead
# (e.g. --menus, --click AboutMe --dismiss ok); see --help.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset default >/dev/null
cmake --build --preset default

build=$PWD/build/default
win=$build/windows
state=$build/demo-wine
session=tests/wine/wine-session.sh
trap '"$session" stop "$state"' EXIT
"$session" start "$state"
run() { tests/wine/wine-run.sh "$state" "$@"; }
host=$win/tools/standin_host/standin_host.exe

dll="Z:$(realpath "$win/src/addin/Zorvane.dll" | tr / '\\')"
echo "== regsvr32 $dll"
run regsvr32 /s "$dll"

if [ $# -gt 0 ]; then
  echo "== stand-in host $*"
  run "$host" "$@"
  exit
fi

echo "== stand-in host"
run "$host"

# Presses a Help menu command and photographs its dialog while it is open.
press() {
  local button=$1 answer=$2 picture=$3
  echo
  echo "== stand-in host --click $button --dismiss $answer   (screenshot: $picture)"
  (sleep 1.5; import -display "$(cat "$state/display")" -window root "$picture" 2>/dev/null || true) &
  run "$host" --click "$button" --dismiss "$answer" --dismiss-delay 3000 | sed -n '/^Click/,$p'
  wait
}
press Dingzhi 确定 "$build/demo-customize.png"
press AboutMe ok "$build/demo-about.png"
