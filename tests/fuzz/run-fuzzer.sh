#!/usr/bin/env bash
# Runs a libFuzzer program from fresh seeds: first every seed whole (up to 1 MB), then
# mutations of inputs up to 4 KB for a bounded time, keeping what it finds in WORK_DIR (the
# grown corpus in corpus/, any crashing input as crash-*). Extra flags go to the second run.
#   run-fuzzer.sh FUZZER WORK_DIR SECONDS [libFuzzer flags...]
set -euo pipefail
fuzzer=${1:?fuzzer} work=${2:?work directory} seconds=${3:?seconds}
shift 3
here=$(cd "$(dirname "$0")" && pwd)
"$here/make-seeds.sh" "$work/seeds"
rm -rf "$work/corpus"
mkdir -p "$work/corpus"
"$fuzzer" -artifact_prefix="$work/" "$work"/seeds/*
exec "$fuzzer" -max_len=4096 -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$@" \
  "$work/corpus" "$work/seeds"
