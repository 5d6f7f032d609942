#!/usr/bin/env bash
# Writes the fuzzer's seed inputs into DIR: the value type as four little-endian bytes, then
# the data. Strings with and without terminator, odd byte counts, embedded NULs, code-page
# bytes, binary data of every short length, every value type, and 1 MB values.
#   make-seeds.sh DIR
set -euo pipefail
dir=${1:?seed directory}
rm -rf "$dir"
mkdir -p "$dir"
seed() { printf "$2" >"$dir/$1"; }

seed sz-terminated        '\x01\x00\x00\x001\x00'
seed sz-no-terminator     '\x01\x00\x00\x00TabHome'
seed sz-odd-count         '\x01\x00\x00\x00abc'
seed sz-embedded-nul      '\x01\x00\x00\x00a\x00b\x00'
seed sz-lone-nul          '\x01\x00\x00\x00\x00'
seed sz-empty             '\x01\x00\x00\x00'
seed sz-code-page         '\x01\x00\x00\x00\xc8\xab\xb2\xbf\x00'
seed sz-lead-byte-at-end  '\x01\x00\x00\x00a\x81'
seed binary-empty         '\x03\x00\x00\x00'
seed binary-one-byte      '\x03\x00\x00\x00\x05'
seed binary-minus-one     '\x03\x00\x00\x00\xff\xff'
seed binary-three-bytes   '\x03\x00\x00\x00\x01\x02\x03'
seed none                 '\x00\x00\x00\x001'
seed expand-sz            '\x02\x00\x00\x00%%TEMP%%\x00'
seed dword                '\x04\x00\x00\x00\x01\x00\x00\x00'
seed dword-big-endian     '\x05\x00\x00\x00\x00\x00\x00\x01'
seed link                 '\x06\x00\x00\x00\\\x00R\x00'
seed multi-sz             '\x07\x00\x00\x00a\x00b\x00\x00'
seed qword                '\x0b\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00'
seed unknown-type         '\xff\xff\xff\xff1'
seed short-type           '\x01\x00'
# 1 MB in all (the largest input the fuzzer keeps whole): a string without terminator and
# binary data.
{ printf '\x01\x00\x00\x00'; head -c $((1048576 - 4)) /dev/zero | tr '\0' 'A'; } >"$dir/sz-1mb"
{ printf '\x03\x00\x00\x00'; head -c $((1048576 - 4)) /dev/zero | tr '\0' '\377'; } >"$dir/binary-1mb"
