#!/usr/bin/env bash
# Installs, from Debian's packages only, everything the build and the tests need.
# Idempotent: when everything is present it only checks and returns in seconds.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libpugixml-dev libxml2-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev
  clang-14 libclang-rt-14-dev
  wine wine32:i386 wine64
  xvfb x11-utils xdotool imagemagick fonts-wqy-microhei fonts-wine
  wixl msitools faketime osslsigncode openssl python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
