#!/usr/bin/env bash
# Runs every test: the native core (plain and under ASan/UBSan), the Windows layer under
# Wine (registration, the COM object, the stand-in host end to end, the dialogs on Xvfb), the
# 64-bit DLL's registration and end-to-end tests in a 64-bit prefix, and the release:
# scripts/package.sh, the packages' checks and their install scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset default >/dev/null
cmake --build --preset default
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

cmake --preset windows-x64 >/dev/null
cmake --build build/windows-x64 --target Zorvane standin_host addin_registration_test addin_connect_test addin_unload_test \
  addin_out_of_memory_test standin_host_zorvane

status=0
ctest --preset sanitize || status=1
ctest --preset default || status=1
ctest --test-dir build/windows-x64 --output-on-failure \
  -R '^wine\.(session\.|addin_registration_test|addin_connect_test|addin_unload_test|addin_out_of_memory_test|standin_host_zorvane)' \
  || status=1

scripts/package.sh || status=1
tests/install/package_test.sh || status=1
tests/install/run.sh || status=1
exit $status
