#!/usr/bin/env bash
# Builds the release: the 32-bit and 64-bit Zorvane.dll, stripped, and one Windows Installer
# package for each, in build/dist/ (or the folder given with --out):
#   Zorvane-<version>-x86.msi   x86/Zorvane.dll   for 32-bit Windows
#   Zorvane-<version>-x64.msi   x64/Zorvane.dll   for 64-bit Windows: holds both DLLs, for
#                                                 32-bit and 64-bit Office alike
# Either package replaces the other where that is installed. Each has a feature a host
# (PowerPoint, Word, Excel, Outlook), all installed by default.
#   ZorvaneCheck.exe            the check program (32-bit, for either Windows), which both
#   ZorvaneCheck.com            and its console twin, for the command prompt: both
#                               packages install with a Start-menu shortcut "Zorvane 诊断"
#   policy/                     the administrative template for group policy
# and prints each file's size and SHA-256. <version> is the project's version;
# --version X.Y.Z sets the packages' ProductVersion instead (the DLL's own version record
# stays), e.g. to try an upgrade.
#
# The packages' registry rows come from the DLL's own DllRegisterServer (tools/registry_capture,
# run under Wine). The same sources and version give byte-identical files: codes derive from
# version, architecture and content; every time stamp is SOURCE_DATE_EPOCH (by default the
# last commit's time).
#
# Signing: with ZORVANE_SIGN_PFX (a PFX file) and ZORVANE_SIGN_PASSWORD_FILE (its password)
# set, the DLLs and then the packages are Authenticode-signed with osslsigncode, and
# time-stamped when ZORVANE_SIGN_TIMESTAMP_URL names an RFC 3161 server. Unsigned otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

usage() { sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'; echo "usage: $0 [--version X.Y.Z] [--out DIR]"; }
version="" out=build/dist
while [ $# -gt 0 ]; do
  case $1 in
    --version) version=${2:?--version needs X.Y.Z}; shift 2 ;;
    --version=*) version=${1#*=}; shift ;;
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    --out=*) out=${1#*=}; shift ;;
    -h|--help) usage; exit 0 ;;
    *) echo "package: unknown argument $1" >&2; usage >&2; exit 2 ;;
  esac
done
bash scripts/setup.sh

# --- build ---------------------------------------------------------------------------------
cmake --preset default >/dev/null
if [ -f build/default/windows/build.ninja ]; then
  cmake --build build/default/windows --target Zorvane registry_capture ZorvaneCheck
else
  cmake --build --preset default
fi
cmake --preset windows-x64 >/dev/null
cmake --build build/windows-x64 --target Zorvane registry_capture

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$2/CMakeCache.txt"; }
[ -n "$version" ] || version=$(cache_value CMAKE_PROJECT_VERSION build/default)
# Windows Installer compares major.minor.build, each with its own limit.
if ! [[ "$version" =~ ^([0-9]+)\.([0-9]+)\.([0-9]+)$ ]] || [ "${BASH_REMATCH[1]}" -gt 255 ] ||
   [ "${BASH_REMATCH[2]}" -gt 255 ] || [ "${BASH_REMATCH[3]}" -gt 65535 ]; then
  echo "package: version '$version' is not X.Y.Z (X, Y up to 255, Z up to 65535)" >&2
  exit 2
fi

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}
export TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1
stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
frozen() { faketime -f "$stamp" "$@"; }  # wixl and msibuild write the clock into the package: it stands still

signing=false
if [ -n "${ZORVANE_SIGN_PFX:-}" ]; then
  [ -f "$ZORVANE_SIGN_PFX" ] && [ -f "${ZORVANE_SIGN_PASSWORD_FILE:-}" ] || {
    echo "package: ZORVANE_SIGN_PFX and ZORVANE_SIGN_PASSWORD_FILE must name existing files" >&2; exit 2; }
  signing=true
fi
sign() {
  $signing || return 0
  local file=$1 web=$2
  local args=(sign -pkcs12 "$ZORVANE_SIGN_PFX" -readpass "$ZORVANE_SIGN_PASSWORD_FILE" -h sha256 -n Zorvane -i "$web")
  [ -z "${ZORVANE_SIGN_TIMESTAMP_URL:-}" ] || args+=(-ts "$ZORVANE_SIGN_TIMESTAMP_URL")
  osslsigncode "${args[@]}" -in "$file" -out "$file.signed" >/dev/null
  mv "$file.signed" "$file"
}

# Text set after wixl, which writes only ASCII: in the package's code page 936, or refused.
gbk_text() {
  printf '%s' "$1" | iconv -f UTF-8 -t GBK >/dev/null 2>&1 || {
    echo "package: '$1' cannot be written in the package's code page (GBK)" >&2; exit 2; }
  [[ "$1" != *"'"* ]] || { echo "package: a quote in '$1'" >&2; exit 2; }
  printf '%s' "$1"
}
downgrade_text="已安装更新版本的 Zorvane，无法安装此旧版本。如需旧版本，请先在“程序和功能”中卸载 Zorvane。A newer version of Zorvane is already installed; to install this older one, first remove Zorvane in Programs and Features."

mkdir -p "$out"
out=$(realpath "$out")

# Texts of the launch condition: per-user installs of a package for both scopes need Windows
# Installer 5 (Windows 7); on older Windows only an administrator's per-machine install works.
old_windows_text="此版本的 Windows 仅支持为所有用户安装 Zorvane：请以管理员身份运行 msiexec /i <安装包> ALLUSERS=1。On this version of Windows, Zorvane installs only for all users: run msiexec /i <package> ALLUSERS=1 as an administrator."

# binary TREE TRIPLE BUILT OUT: the stripped program of the release, with fixed time stamps,
# signed if asked
binary() {
  local tree=$1 triple=$2 built=$3 file=$4 web
  mkdir -p "$(dirname "$file")"
  "$triple-strip" --strip-all -o "$file" "$tree/$built"
  python3 installer/package_tool.py stamp-pe "$file" "$SOURCE_DATE_EPOCH"
  web=$(cache_value ZORVANE_WEB_ADDRESS "$tree")
  sign "$file" "$web"
  touch -d "@$SOURCE_DATE_EPOCH" "$file"
}

# capture ARCH FILE_ID FOLDER: the registry rows of the release's DLL of ARCH, from its own
# DllRegisterServer, run in the Wine prefix of that DLL's build, each with the class it belongs to
capture() {
  local tree=build/default/windows winearch=win32
  [ "$1" = x64 ] && tree=build/windows-x64 winearch=win64
  cmake/wine-tool.sh "$winearch" "$root/$tree/wine-build-prefix" \
    "$root/$tree/tools/registry_capture/registry_capture.exe" --by-class "$out/$1/Zorvane.dll" "$2" "$3"
}

# package ARCH TREE PROGRAM_FILES FOLDER UPGRADE_CODE OTHER_UPGRADE_CODE TEMPLATE
# The x64 package holds the 32-bit DLL as well, in its sub-folder x86, registered in the
# 32-bit view: on 64-bit Windows it serves Office of either bitness.
package() {
  local arch=$1 tree=$2 program_files=$3 folder=$4 upgrade=$5 other_upgrade=$6 template=$7
  local work=$root/build/package/$arch
  local msi=$out/Zorvane-$version-$arch.msi
  rm -rf "$work"
  mkdir -p "$work/x86"

  local view=32
  [ "$arch" = x64 ] && view=64
  local captures=(--capture="$view:ZorvaneDll:INSTALLFOLDER:$work/registry.tsv")
  capture "$arch" ZorvaneDll INSTALLFOLDER >"$work/registry.tsv"
  cp -p "$out/$arch/Zorvane.dll" "$out/ZorvaneCheck.exe" "$out/ZorvaneCheck.com" "$work/"
  if [ "$arch" = x64 ]; then
    capture x86 ZorvaneDll32 X86FOLDER >"$work/registry32.tsv"
    captures+=(--capture="32:ZorvaneDll32:X86FOLDER:$work/registry32.tsv")
    cp -p "$out/x86/Zorvane.dll" "$work/x86/"
  fi

  local author web
  author=$(gbk_text "$(cache_value ZORVANE_AUTHOR "$tree")")
  web=$(cache_value ZORVANE_WEB_ADDRESS "$tree")

  # wixl leaves the files' version empty, which would make Windows Installer treat a DLL as
  # an unversioned file (compared by hash); the version record's own version goes in, and
  # the hash, which is for unversioned files only, goes.
  local file_version check_version twin_version win64=no
  file_version=$(python3 installer/package_tool.py pe-version "$work/Zorvane.dll")
  check_version=$(python3 installer/package_tool.py pe-version "$work/ZorvaneCheck.exe" 2>/dev/null) || check_version=""
  twin_version=$(python3 installer/package_tool.py pe-version "$work/ZorvaneCheck.com")
  [ "$arch" = x64 ] && win64=yes
  local content product package_code
  content=$(cat "$work/Zorvane.dll" "$work/ZorvaneCheck.exe" "$work/ZorvaneCheck.com" "$work"/registry*.tsv $(find "$work/x86" -type f) installer/Zorvane.wxs.in \
    installer/Zorvane.ico installer/package_tool.py | sha256sum | cut -c1-64)
  product=$(python3 installer/package_tool.py guid product "$version" "$arch" "$content" "$author" "$web")
  package_code=$(python3 installer/package_tool.py guid package "$version" "$arch" "$content" "$author" "$web")
  python3 installer/package_tool.py wxs installer/Zorvane.wxs.in "$work/Zorvane.wxs" "$work/updates.sql" \
    "${captures[@]}" ARCH="$arch" PRODUCT_CODE="$product" UPGRADE_CODE="$upgrade" VERSION="$version" \
    HELP_LINK="$web" PROGRAM_FILES="$program_files" FOLDER_NAME="$folder" WIN64="$win64"
  cp -p installer/Zorvane.ico "$work/"
  touch -d "@$SOURCE_DATE_EPOCH" "$work/Zorvane.ico"
  printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"

  (
    cd "$work"
    frozen wixl -a "$arch" -o Zorvane.msi Zorvane.wxs
    # The other package's upgrade rows below add their properties to the secure ones.
    local secure_properties
    secure_properties="$(msiinfo export Zorvane.msi Property | tr -d '\r' | sed -n 's/^SecureCustomProperties\t//p')"
    secure_properties+=";OTHER_PACKAGE_UPGRADE_DETECTED;OTHER_PACKAGE_DOWNGRADE_DETECTED"
    # wixl writes HKMU as root 4, which Windows Installer skips; -1 is HKMU.
    local queries=(-q "UPDATE Registry SET Root=-1 WHERE Root=4"
                   -q "UPDATE Property SET Value='$author' WHERE Property='Manufacturer'"
                   -q "UPDATE File SET Version='$file_version', Language='2052' WHERE File='ZorvaneDll'"
                   -q "UPDATE File SET Version='$file_version', Language='2052' WHERE File='ZorvaneDll32'"
                   -q "UPDATE File SET FileName='ZORVCHK.EXE|ZorvaneCheck.exe' WHERE File='ZorvaneCheck'"
                   -q "UPDATE File SET FileName='ZORVCHK.COM|ZorvaneCheck.com', Version='$twin_version', Language='2052' WHERE File='ZorvaneCheckCom'"
                   -q "DELETE FROM MsiFileHash WHERE File_<>'ZorvaneCheck'"
                   -q "UPDATE Shortcut SET Name='ZORVDIAG|$(gbk_text "Zorvane 诊断")' WHERE Shortcut='CheckShortcut'"
                   # A newer version of either package refuses this one, with the message.
                   -q "DELETE FROM LaunchCondition WHERE Condition='NOT WIX_DOWNGRADE_DETECTED'"
                   -q "INSERT INTO LaunchCondition (Condition, Description) VALUES ('NOT (WIX_DOWNGRADE_DETECTED OR OTHER_PACKAGE_DOWNGRADE_DETECTED)', '$(gbk_text "$downgrade_text")')"
                   -q "INSERT INTO LaunchCondition (Condition, Description) VALUES ('VersionNT >= 601 OR ALLUSERS = 1', '$(gbk_text "$old_windows_text")')"
                   # The other package is replaced, whatever its version up to this one's;
                   # a newer one refuses this package like a newer version of its own. Each
                   # row has an action property of its own; RemoveExistingProducts removes
                   # what every non-detect-only row found, and the server side of a
                   # per-machine install sees only the secure properties.
                   -q "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty) VALUES ('{$other_upgrade}', '$version', 513, 'OTHER_PACKAGE_UPGRADE_DETECTED')"
                   -q "INSERT INTO Upgrade (UpgradeCode, VersionMin, Attributes, ActionProperty) VALUES ('{$other_upgrade}', '$version', 2, 'OTHER_PACKAGE_DOWNGRADE_DETECTED')"
                   -q "UPDATE Property SET Value='$secure_properties' WHERE Property='SecureCustomProperties'")
    # A program without a version record stays an unversioned file, compared by its hash.
    [ -z "$check_version" ] || queries+=(-q "UPDATE File SET Version='$check_version', Language='2052' WHERE File='ZorvaneCheck'"
                                         -q "DELETE FROM MsiFileHash WHERE File_='ZorvaneCheck'")
    # A long folder name needs its 8.3 name beside it.
    [ "$folder" = "${folder// /}" ] && [ ${#folder} -le 8 ] ||
      queries+=(-q "UPDATE Directory SET DefaultDir='ZORV${arch^^}|$folder' WHERE Directory='INSTALLFOLDER'")
    while IFS= read -r query; do queries+=(-q "$query"); done <updates.sql
    frozen msibuild Zorvane.msi -i _ForceCodepage.idt
    frozen msibuild Zorvane.msi "${queries[@]}"
    frozen msibuild Zorvane.msi -s "Zorvane $version ($arch)" "Zorvane" "$template" "{$package_code}"
  )
  if grep -q TEXT_ <(msiinfo export "$work/Zorvane.msi" Property; msiinfo export "$work/Zorvane.msi" Registry;
                     msiinfo export "$work/Zorvane.msi" Shortcut;
                     msiinfo export "$work/Zorvane.msi" LaunchCondition; msiinfo export "$work/Zorvane.msi" Feature); then
    echo "package: a text placeholder was left in $arch's package" >&2
    exit 1
  fi
  python3 installer/ice_rules.py "$work/Zorvane.msi" || { echo "package: $arch's package breaks the rules above" >&2; exit 1; }
  cp "$work/Zorvane.msi" "$msi"
  sign "$msi" "$web"
}

# The upgrade codes name the package of each bitness for good. Never change them.
x86_upgrade=3C5A8E21-7D4B-4F0A-9B6E-2A1D8C7F5E90 x64_upgrade=A4D17C3E-5B92-4E68-8F0A-7C3B1E9D2F65
binary build/default/windows i686-w64-mingw32 src/addin/Zorvane.dll "$out/x86/Zorvane.dll"
binary build/windows-x64 x86_64-w64-mingw32 src/addin/Zorvane.dll "$out/x64/Zorvane.dll"
binary build/default/windows i686-w64-mingw32 src/check/ZorvaneCheck.exe "$out/ZorvaneCheck.exe"
binary build/default/windows i686-w64-mingw32 src/check/ZorvaneCheck.com "$out/ZorvaneCheck.com"
package x86 build/default/windows ProgramFilesFolder Zorvane "$x86_upgrade" "$x64_upgrade" "Intel;2052"
package x64 build/windows-x64 ProgramFiles64Folder "Zorvane x64" "$x64_upgrade" "$x86_upgrade" "x64;2052"

bash scripts/policy-templates.sh "$out" >/dev/null

echo
echo "Release in $out:"
for file in "$out/Zorvane-$version-x86.msi" "$out/Zorvane-$version-x64.msi" "$out/x86/Zorvane.dll" "$out/x64/Zorvane.dll" \
            "$out/ZorvaneCheck.exe" "$out/ZorvaneCheck.com"; do
  printf '  %-28s %9d bytes  sha256 %s\n' "${file#"$out"/}" "$(stat -c %s "$file")" "$(sha256sum "$file" | cut -c1-64)"
done
echo "  policy/                      administrative template (Zorvane.admx, en-US, zh-CN, zh-TW)"
