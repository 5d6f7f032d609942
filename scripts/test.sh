#!/usr/bin/env bash
# Runs every test: the native core (plain and under ASan/UBSan) and the Windows layer under
# Wine (registration, the COM object, the stand-in host end to end, the dialogs on Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset default >/dev/null
cmake --build --preset default
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

status=0
ctest --preset sanitize || status=1
ctest --preset default || status=1
exit $status
