#!/usr/bin/env bash
# Checks of the release that scripts/package.sh wrote into DIST (default build/dist):
#   - each package's Registry table equals a fresh capture of its DLLs' own registration,
#     each row in the registry view of its DLL, and each host's rows (and only they) in that
#     host's feature;
#   - the packages pass the validation rules of installer/ice_rules.py, which report each of
#     the faults they guard against;
#   - a second run gives byte-identical files;
#   - with a throwaway self-signed certificate, the DLLs and packages carry signatures that
#     osslsigncode verifies against it, and the signed package is still a package.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
dist=$(realpath "${1:-build/dist}")
work=$root/build/package-test
rm -rf "$work"
mkdir -p "$work"
status=0
fail() { echo "FAIL $*" >&2; status=1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/default/CMakeCache.txt)
files=("Zorvane-$version-x86.msi" "Zorvane-$version-x64.msi" x86/Zorvane.dll x64/Zorvane.dll ZorvaneCheck.exe ZorvaneCheck.com)

echo "== the packages' registry rows are the DLLs' own registration, each in its view and its host's feature"
# capture ARCH FILE_ID FOLDER: the DLL's own rows, each ending with the host (the feature) of
# the class it belongs to, or nothing for the rows that every host shares; a host's rows name
# the DLL by its folder (they are not in the file's component)
capture() {
  local tree=build/default/windows winearch=win32
  [ "$1" = x64 ] && tree=build/windows-x64 winearch=win64
  cmake/wine-tool.sh "$winearch" "$root/$tree/wine-build-prefix" "$root/$tree/tools/registry_capture/registry_capture.exe" \
    --by-class "$dist/$1/Zorvane.dll" "$2" "$3" | sed "/\t[^\t]\+\$/ s/\[#$2\]/[$3]Zorvane.dll/" |
    awk -F'\t' -v OFS='\t' '{ row[NR] = $0 }
      $1 == "-1" && $2 ~ /^Software\\Microsoft\\Office\\[^\\]+\\Addins\\/ { split($2, part, /\\/); host[$5] = part[4] }
      END { for (i = 1; i <= NR; i++) { $0 = row[i]; $5 = host[$5]; print } }'
}
# The hosts, one feature each, in the order the features are listed.
hosts="PowerPoint Word Excel Outlook"
for arch in x86 x64; do
  msi=$dist/Zorvane-$version-$arch.msi
  view=32
  [ $arch = x64 ] && view=64
  # Beside them, the value that keys the check program's Start-menu shortcut, for every host.
  { capture $arch ZorvaneDll INSTALLFOLDER; printf '%s\t%s\t%s\t%s\t\n' -1 'Software\Zorvane' CheckShortcut '#1'; } |
    sed "s/^/$view	/" >"$work/$arch-capture.tsv"
  # The x64 package registers the 32-bit DLL of its sub-folder x86 in the 32-bit view: its
  # CLSID and Interface keys, its type library entry and the add-in entries; what both views
  # share (ProgID, type library) stands once.
  [ $arch = x64 ] && capture x86 ZorvaneDll32 X86FOLDER | sed 's/\[#ZorvaneDll32\]/[X86FOLDER]Zorvane.dll/' |
    awk -F'\t' '$1 != "0" || $2 ~ /^(CLSID|Interface)\\/ || $2 ~ /\\win32$/ { print "32\t" $0 }' >>"$work/$arch-capture.tsv"
  # The table's rows, each in its component's view, with the feature of its component, or
  # nothing for a component that every feature holds.
  msiinfo export "$msi" Component | tr -d '\r' | tail -n +4 >"$work/$arch-components.tsv"
  msiinfo export "$msi" FeatureComponents | tr -d '\r' | tail -n +4 >"$work/$arch-features.tsv"
  msiinfo export "$msi" Registry | tr -d '\r' | tail -n +4 |
    awk -F'\t' -v OFS='\t' -v all="$(wc -w <<<"$hosts")" 'FILENAME ~ /components/ { bits[$1] = int($4 / 256) % 2 ? 64 : 32; next }
      FILENAME ~ /features/ { count[$2]++; feature[$2] = $1; next }
      { print bits[$6], $2, $3, $4, $5, count[$6] == all ? "" : count[$6] == 1 ? feature[$6] : "several" }' \
      "$work/$arch-components.tsv" "$work/$arch-features.tsv" - | LC_ALL=C sort >"$work/$arch-table.tsv"
  [ -s "$work/$arch-capture.tsv" ] || fail "$arch: the capture is empty"
  for host in $hosts; do
    grep -q "^-1	Software\\\\Microsoft\\\\Office\\\\$host\\\\Addins\\\\Zorvane\.[A-Za-z]*Connect	LoadBehavior	#3	$host\$" <(cut -f2- "$work/$arch-table.tsv") ||
      fail "$arch: no $host add-in entry under HKMU (root -1) in the package's $host feature"
  done
  diff -u <(LC_ALL=C sort "$work/$arch-capture.tsv") "$work/$arch-table.tsv" >&2 ||
    fail "$arch: the Registry table is not the capture, each row in its host's feature"
  # The features: one a host, in this order, installed by default, with a description, not
  # to be advertised.
  msiinfo export "$msi" Feature | tr -d '\r' | tail -n +4 | awk -F'\t' '$4 ~ /Quelby/ { print $1, $2, $3, $5, $6, $8 }' |
    diff -u <(display=0; for host in $hosts; do echo "$host  $host $((display += 2)) 1 8"; done) - >&2 ||
    fail "$arch: the Feature table is not one feature a host (title, description, level 1, not advertised)"
  tree=build/default/windows
  [ $arch = x64 ] && tree=build/windows-x64
  # Add/Remove Programs offers Change: the hosts' dialog, shown only in maintenance.
  ! msiinfo export "$msi" Property | tr -d '\r' | grep -q '^ARPNOMODIFY	' &&
    msiinfo export "$msi" InstallUISequence | tr -d '\r' | grep -x -q 'FeaturesDialog	Installed AND NOT RESUME AND NOT Preselected	[0-9]*' ||
    fail "$arch: Add/Remove Programs' Change has no hosts' dialog, or shows it outside maintenance"
  # An upgrade keeps the hosts chosen: each row that removes an older product migrates its
  # features (1) unless it only detects (2).
  for attributes in $(msiinfo export "$msi" Upgrade | tr -d '\r' | tail -n +4 | cut -f5); do
    (( attributes & 3 )) || fail "$arch: an upgrade row with attributes $attributes drops the hosts chosen"
  done
  author=$(sed -n 's/^ZORVANE_AUTHOR:STRING=//p' "$tree/CMakeCache.txt")
  msiinfo export "$msi" Property | tr -d '\r' | grep -x -F "Manufacturer	$author" >/dev/null ||
    fail "$arch: the publisher is not the configured author \"$author\""
done
for arch in x86 x64; do
  msiextract -C "$work/$arch-files" "$dist/Zorvane-$version-$arch.msi" >/dev/null
  for program in ZorvaneCheck.exe ZorvaneCheck.com; do
    cmp -s "$(find "$work/$arch-files" -name $program)" "$dist/$program" || fail "$arch: the package does not hold $program"
  done
  msiinfo export "$dist/Zorvane-$version-$arch.msi" Shortcut | tr -d '\r' |
    grep -F "	ProgramMenuFolder	ZORVDIAG|Zorvane 诊断	CheckShortcut	[INSTALLFOLDER]ZorvaneCheck.exe	" >/dev/null ||
    fail "$arch: no Start-menu shortcut \"Zorvane 诊断\" to the check program"
done
cmp -s "$(find "$work/x64-files" -path '*/x86/Zorvane.dll')" "$dist/x86/Zorvane.dll" ||
  fail "the x64 package does not hold the 32-bit DLL in its sub-folder x86"

echo "== the packages pass the validation rules, which catch the faults they were made for"
for arch in x86 x64; do
  installer/ice_rules.py "$dist/Zorvane-$version-$arch.msi" >"$work/rules.log" && grep -q ': 0 errors, 0 warnings$' "$work/rules.log" ||
    { cat "$work/rules.log" >&2; fail "$arch: the package breaks validation rules"; }
done
broken() {  # broken ICE QUERY: the rules find ICE in a copy of the x64 package changed by QUERY
  cp "$dist/Zorvane-$version-x64.msi" "$work/broken.msi"
  msibuild "$work/broken.msi" -q "$2"
  installer/ice_rules.py "$work/broken.msi" >"$work/broken.log" && fail "$1: the rules pass a package with: $2"
  grep -q "^$1 ERROR" "$work/broken.log" || { cat "$work/broken.log" >&2; fail "$1 not reported for: $2"; }
}
broken ICE03 "UPDATE Directory SET DefaultDir='Zorvane x64' WHERE Directory='INSTALLFOLDER'"
broken ICE80 "UPDATE Component SET Attributes=4 WHERE Component='SharedClasses'"
broken ICE57 "UPDATE Registry SET Component_='Addin' WHERE Component_='WordEntry'"
broken ICE43 "UPDATE Shortcut SET Component_='Check'"
broken ICE69 "UPDATE Registry SET Value='[#ZorvaneDll3]' WHERE Value='[#ZorvaneDll]'"
broken ICE17 "DELETE FROM ControlEvent WHERE Control_='Cancel'"
broken ICE03 "UPDATE Dialog SET Control_Default='Install'"
broken ICE61 "UPDATE Upgrade SET ActionProperty='WIX_DOWNGRADE_DETECTED' WHERE ActionProperty='OTHER_PACKAGE_DOWNGRADE_DETECTED'"
msiinfo export "$dist/Zorvane-$version-x86.msi" LaunchCondition | tr -d '\r' | grep '^VersionNT >= 601 OR ALLUSERS = 1	.*ALLUSERS=1' >/dev/null ||
  fail "no launch condition for per-user installs before Windows 7"

echo "== a second run gives the same files"
scripts/package.sh --out "$work/again" >"$work/again.log" 2>&1 || { cat "$work/again.log" >&2; fail "second run failed"; }
for file in "${files[@]}"; do
  cmp -s "$dist/$file" "$work/again/$file" || fail "$file differs between two runs"
done

echo "== signed with a throwaway certificate"
openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 2 -subj "/CN=Zorvane test signer" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
echo "test password" >"$work/password"
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout "file:$work/password" -out "$work/signer.pfx"
ZORVANE_SIGN_PFX=$work/signer.pfx ZORVANE_SIGN_PASSWORD_FILE=$work/password \
  scripts/package.sh --out "$work/signed" >"$work/signed.log" 2>&1 || { cat "$work/signed.log" >&2; fail "signed run failed"; }
for file in "${files[@]}"; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed/$file" >"$work/verify.log" 2>&1 &&
    grep -q "Signature verification: ok" "$work/verify.log" || { cat "$work/verify.log" >&2; fail "$file: no valid signature"; }
done
# The DLL inside the signed package is the signed DLL.
msiextract -C "$work/extracted" "$work/signed/Zorvane-$version-x86.msi" >/dev/null
cmp -s "$(find "$work/extracted" -name Zorvane.dll)" "$work/signed/x86/Zorvane.dll" ||
  fail "the signed package does not hold the signed DLL"
# Unsigned by default: the release itself carries no signature.
if osslsigncode verify -in "$dist/x86/Zorvane.dll" >/dev/null 2>&1; then fail "the default release is signed"; fi

[ $status -eq 0 ] && echo "package checks passed"
exit $status
