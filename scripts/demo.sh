#!/usr/bin/env bash
# Builds Zorvane.dll and shows it working: registers it with Wine's regsvr32 in a private
# Wine prefix and loads it in the stand-in host, which prints the ribbon as a user sees it.
# Without arguments it does so once per language (the stand-in application answering 2052,
# 1028 and 1033 as its user-interface language), each time pressing the Help menu's two
# commands, answering their dialogs and saving a screenshot of each. With arguments, they go
# to the stand-in host instead (e.g. --menus, --language 1028, --click AboutMe --dismiss ok);
# see --help.
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

# Presses a Help menu command and photographs its dialog while it is open.
press() {
  local language=$1 button=$2 picture=$3
  echo
  echo "== stand-in host --language $language --click $button --dismiss ok   (screenshot: $picture)"
  (sleep 1.5; import -display "$(cat "$state/display")" -window root "$picture" 2>/dev/null || true) &
  run "$host" --language "$language" --click "$button" --dismiss ok --dismiss-delay 3000 | sed -n '/^Click/,$p'
  wait
}

# The host's user-interface language, and the name the screenshots take from it.
for language in 2052:zh-CN 1028:zh-TW 1033:en-US; do
  lcid=${language%%:*} name=${language#*:}
  echo
  echo "== stand-in host --language $lcid ($name)"
  run "$host" --language "$lcid"
  press "$lcid" Dingzhi "$build/demo-customize-$name.png"
  press "$lcid" AboutMe "$build/demo-about-$name.png"
done
