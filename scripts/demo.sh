#!/usr/bin/env bash
# Builds Zorvane.dll and the stand-in host (nothing else) and shows the add-in working:
# registers it with Wine's regsvr32 in a private Wine prefix and loads it in the stand-in
# host, which prints the ribbon as a user sees it. Without arguments it does so in each host
# (PowerPoint, Word, Excel, Outlook) whose class the DLL registers, skipping the others with
# the reason, and there once per language (the stand-in application answering 2052, 1028 and
# 1033 as its user-interface language), each time pressing the Help menu's two commands,
# answering their dialogs and saving a screenshot of each; then once more as Microsoft 365
# (--office-version 16.17928) in Simplified Chinese: its tab strip, and "自定义..." with a
# screenshot. Outlook is played as Microsoft 365 throughout, in its main window and in a new
# message's window, each with its own ribbon. With arguments, they go to the stand-in host
# instead (e.g. --menus, --language 1028, --click AboutMe --dismiss ok, --host word,
# --office-version 16.17928, --host outlook --office-version 16 --ribbon compose); see --help.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=$PWD/build/default
cmake --preset default >/dev/null
# The Windows half is a sub-build of its own: configure it through its step of the main
# build, then build just the two programs the demo runs (its other targets are tests).
cmake --build "$build" --target "$build/windows-prefix/src/windows-stamp/windows-configure"
cmake --build "$build/windows" -j2 --target Zorvane standin_host

win=$build/windows
state=$build/demo-wine
session=tests/wine/wine-session.sh
trap '"$session" stop "$state"' EXIT
"$session" start "$state"
run() { tests/wine/wine-run.sh "$state" "$@"; }
host_exe=$win/tools/standin_host/standin_host.exe

dll="Z:$(realpath "$win/src/addin/Zorvane.dll" | tr / '\\')"
echo "== regsvr32 $dll"
run regsvr32 /s "$dll"

if [ $# -gt 0 ]; then
  echo "== stand-in host $*"
  run "$host_exe" "$@"
  exit
fi

# Presses a Help menu command and photographs its dialog while it is open. The arguments
# after the first three (the language, the version) go to the stand-in host.
press() {
  local host=$1 button=$2 picture=$3
  shift 3
  echo
  echo "== stand-in host --host $host $* --click $button --dismiss ok   (screenshot: $picture)"
  (sleep 1.5; import -display "$(cat "$state/display")" -window root "$picture" 2>/dev/null || true) &
  run "$host_exe" --host "$host" "$@" --click "$button" --dismiss ok --dismiss-delay 3000 |
    sed -n '/^Click/,$p'
  wait
}

# The windows of a host that the demo opens, each with a ribbon of its own (none named: the
# host's one), and the version it plays in the languages' round (none: 2007's, with no Version).
# Outlook's main window has a ribbon from 2010 on; it is played as Microsoft 365 throughout.
declare -A windows=([outlook]="explorer compose")
declare -A versions=([outlook]=16.17928)

for host in powerpoint word excel outlook; do
  played=(--host "$host")
  [ -n "${versions[$host]:-}" ] && played+=(--office-version "${versions[$host]}")
  # A host whose add-in entry or class the DLL does not register yet is skipped: the stand-in
  # says which (exit code 2: no add-in in the host's key; 3: the class is not registered).
  status=0
  probe=$(run "$host_exe" "${played[@]}" 2>&1) || status=$?
  if [ $status -eq 2 ] || [ $status -eq 3 ]; then
    echo
    echo "== $host: skipped, Zorvane's class for this host is not registered in this prefix:"
    echo "$probe" | sed -n 's/^standin_host: error: /   /p'
    continue
  fi
  # The host's user-interface language, and the name the screenshots take from it.
  for language in 2052:zh-CN 1028:zh-TW 1033:en-US; do
    lcid=${language%%:*} name=${language#*:}
    for window in ${windows[$host]:--}; do
      # The picture names the window where the host has several: demo-outlook-compose-about-en-US.png.
      shown=("${played[@]:2}" --language "$lcid") picture=$host
      [ "$window" != - ] && shown+=(--ribbon "$window") picture=$host-$window
      echo
      echo "== stand-in host --host $host ${shown[*]} ($name)"
      run "$host_exe" --host "$host" "${shown[@]}"
      press "$host" Dingzhi "$build/demo-$picture-customize-$name.png" "${shown[@]}"
      press "$host" AboutMe "$build/demo-$picture-about-$name.png" "${shown[@]}"
    done
  done
  # Played as Microsoft 365 already.
  [ -n "${versions[$host]:-}" ] && continue
  # As Microsoft 365: the application answers Version and Build, the strip shows that
  # version's later tabs (Draw, Help...) where the host puts them.
  as365=(--office-version 16.17928 --language 2052)
  echo
  echo "== stand-in host --host $host ${as365[*]} (Microsoft 365, zh-CN): the tab strip"
  run "$host_exe" --host "$host" "${as365[@]}" | sed -n '1p;/^Ribbon tabs/,/^$/{/^$/!p}'
  press "$host" Dingzhi "$build/demo-$host-customize-365-zh-CN.png" "${as365[@]}"
done
