#!/usr/bin/env bash
# Checks of the release that scripts/package.sh wrote into DIST (default build/dist):
#   - each package's Registry table equals a fresh capture of its DLL's own registration;
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
files=("Zorvane-$version-x86.msi" "Zorvane-$version-x64.msi" x86/Zorvane.dll x64/Zorvane.dll)

echo "== the packages' registry rows are the DLLs' own registration"
for build in "x86 build/default/windows win32" "x64 build/windows-x64 win64"; do
  read -r arch tree winearch <<<"$build"
  cmake/wine-tool.sh "$winearch" "$root/$tree/wine-build-prefix" "$root/$tree/tools/registry_capture/registry_capture.exe" \
    "$dist/$arch/Zorvane.dll" ZorvaneDll INSTALLFOLDER | LC_ALL=C sort >"$work/$arch-capture.tsv"
  msiinfo export "$dist/Zorvane-$version-$arch.msi" Registry | tr -d '\r' | tail -n +4 | cut -f2-5 |
    LC_ALL=C sort >"$work/$arch-table.tsv"
  [ -s "$work/$arch-capture.tsv" ] || fail "$arch: the capture is empty"
  grep -q '^-1	Software\\Microsoft\\Office\\PowerPoint\\Addins\\Zorvane.Connect	LoadBehavior	#3$' "$work/$arch-table.tsv" ||
    fail "$arch: no add-in entry under HKMU (root -1) in the package"
  diff -u "$work/$arch-capture.tsv" "$work/$arch-table.tsv" >&2 || fail "$arch: the Registry table is not the capture"
  author=$(sed -n 's/^ZORVANE_AUTHOR:STRING=//p' "$tree/CMakeCache.txt")
  msiinfo export "$dist/Zorvane-$version-$arch.msi" Property | tr -d '\r' | grep -q -x -F "Manufacturer	$author" ||
    fail "$arch: the publisher is not the configured author \"$author\""
done

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
