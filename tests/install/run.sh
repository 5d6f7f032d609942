#!/usr/bin/env bash
# Installs the release of build/dist under Wine as users and administrators would: the x86
# package in a 32-bit prefix and in a 64-bit prefix (32-bit PowerPoint on 64-bit Windows),
# the x64 package in a 64-bit prefix, each with the stand-in host of the package's bitness
# (install_scenario.sh); in the 64-bit prefix the x86 package also side by side with the x64. Run scripts/package.sh first; this script makes the newer package
# that the upgrade steps need.
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
status=0
scenario() {  # scenario NAME PREFIX_ARCH PACKAGE_ARCH HOST [OTHER_MSI OTHER_HOST]
  tests/install/install_scenario.sh "build/install-tests/$1" "$2" "$3" "$4" \
    "build/dist/Zorvane-$version-$3.msi" "build/dist-next/Zorvane-$next-$3.msi" "${@:5}" || status=1
}
scenario x86-on-win32 win32 x86 "$host32"
# With the x64 package beside it: removing one bitness leaves the other working.
scenario x86-on-win64 win64 x86 "$host32" "build/dist/Zorvane-$version-x64.msi" "$host64"
scenario x64-on-win64 win64 x64 "$host64"
[ $status -eq 0 ] && echo "install scenarios passed"
exit $status
