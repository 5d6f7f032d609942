#!/usr/bin/env bash
# The test display has no window manager. Wine then waits up to two seconds for one at
# every hide of a "managed" window, and leaves the title bar (with its close box) undrawn.
# Marked unmanaged, the dialogs' test programs get their frames drawn by Wine itself, as
# on Windows, and close at once. Only these programs are affected (AppDefaults).
#   unmanaged-windows.sh STATE_DIR PROGRAM.exe...
set -euo pipefail
state=${1:?state directory}; shift
here=$(cd "$(dirname "$0")" && pwd)
for program in "$@"; do
  "$here/../wine-run.sh" "$state" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
    /v Managed /d N /f >/dev/null
done
