#!/usr/bin/env bash
# Installs the release of build/dist under Wine as users and administrators would: the x86
# package in a 32-bit prefix and in a 64-bit prefix (32-bit PowerPoint on 64-bit Windows),
# the x64 package in a 64-bit prefix with the stand-in hosts of both bitnesses, and there
# replacing the x86 package and replaced by it (install_scenario.sh). Run scripts/package.sh
# first; this script makes the newer packages that the upgrade steps need.
set -euo pipefail
cd "$(dirname "$0")/../.."
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/default/CMakeCache.txt)
IFS=. read -r major minor patch <<<"$version"
next=$major.$minor.$((patch + 1))
cmake --build build/windows-x64 --target standin_host >/dev/null
scripts/package.sh --version "$next" --out build/dist-next >build/dist-next.log 2>&1 ||
  { cat build/dist-next.log >&2; exit 1; }

host32=build/default/windows/tools/standin_host/standin_host.exe
host64=build/windows-x64/tools/standin_host/standin_host.exe
export ZORVANE_INSTALLER_DIALOG=build/default/windows/tests/wine/support/installer_dialog.exe
status=0
scenario() {  # scenario NAME PREFIX_ARCH PACKAGE_ARCH HOST [HOST32 OTHER_ARCH]
  tests/install/install_scenario.sh "build/install-tests/$1" "$2" "$3" "$4" \
    "build/dist/Zorvane-$version-$3.msi" "build/dist-next/Zorvane-$next-$3.msi" "${@:5}" || status=1
}
scenario x86-on-win32 win32 x86 "$host32"
scenario x86-on-win64 win64 x86 "$host32"
scenario x64-on-win64 win64 x64 "$host64" "$host32" x86
[ $status -eq 0 ] && echo "install scenarios passed"
exit $status
