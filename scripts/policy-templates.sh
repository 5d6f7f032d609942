#!/usr/bin/env bash
# Puts the administrative template (policy/: Zorvane.admx with its en-US, zh-CN and zh-TW language
# files) into the release folder as DIR/policy/, replacing what an earlier run put there.
# DIR is build/dist unless given. scripts/package.sh calls this with its own output folder.
set -euo pipefail
source=$(cd "$(dirname "$0")/../policy" && pwd)
out=${1:-build/dist}
mkdir -p "$out"
rm -rf "$out/policy"
cp -R "$source" "$out/policy"
echo "policy templates: $out/policy"
