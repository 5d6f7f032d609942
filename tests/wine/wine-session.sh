#!/usr/bin/env bash
# Starts or stops the private Wine session of one test run: a fresh prefix (32-bit unless
# win64 is asked for), a persistent wineserver for it and an Xvfb display of our own. Only
# what this script started is stopped: Xvfb by its recorded pid, the wineserver of our prefix
# by -k. wine-run.sh finds the prefix's architecture in STATE_DIR/arch.
#   wine-session.sh start STATE_DIR [win32|win64]
#   wine-session.sh stop  STATE_DIR
set -euo pipefail
cmd=${1:?start or stop}
state=$(realpath -m "${2:?state directory}")  # Wine wants an absolute prefix path
arch=${3:-win32}
if [ "$cmd" = stop ]; then arch=$(cat "$state/arch" 2>/dev/null || echo win32); fi
case "$arch" in win32|win64) ;; *) echo "wine-session: architecture $arch is not win32 or win64" >&2; exit 2 ;; esac
export WINEPREFIX="$state/prefix" WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)

stop() {
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid"
  fi
}

start_xvfb() {
  local n
  for n in $(seq 90 189); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n" >"$state/display"; return 0; }
      kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
      sleep 0.05
    done
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  done
  echo "wine-session: no free X display" >&2
  return 1
}

case "$cmd" in
  start)
    stop
    rm -rf "$state"
    mkdir -p "$state"
    echo "$arch" >"$state/arch"
    start_xvfb
    export DISPLAY
    DISPLAY=$(cat "$state/display")
    mkdir -p "$WINEPREFIX"
    # Everything started here outlives this script: keep it off our stdout, or a caller
    # that waits for the output to end (ctest) would wait for the whole session.
    wineserver -p </dev/null >/dev/null 2>&1  # kept for the run: each test starts in milliseconds
    wineboot -i </dev/null >/dev/null 2>&1
    # Wine's Marlett draws the title bar's buttons; this Wine does not find it by itself.
    # (Only Marlett: Wine's Tahoma, as caption font, would lack the Chinese glyphs.)
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
      cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    # Prefix settings: the Chinese UI font that dialogs ask for mapped to the CJK font that
    # setup installs, and no crash debugger.
    iconv -f UTF-8 -t UTF-16LE "$here/session.reg" | { printf '\xff\xfe'; cat; } >"$state/session.reg"
    wine regedit /S "$(winepath -w "$state/session.reg")" </dev/null >/dev/null 2>&1
    ;;
  stop)
    stop
    ;;
  *) echo "usage: $0 start STATE_DIR [win32|win64] | stop STATE_DIR" >&2; exit 2 ;;
esac
