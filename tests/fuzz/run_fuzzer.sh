#!/usr/bin/env bash
# Runs a libFuzzer target for KORVEL_FUZZ_SECONDS seconds (30 by default) from a fixed seed,
# starting with the committed inputs, which it replays first, and with the target's dictionary:
#   run_fuzzer.sh <fuzz program> <seed corpus folder> [<regression folder>]
# New inputs go to a scratch folder beside the program, so the committed corpus stays as it is;
# an input that fails is saved there as crash-<hash>, to be kept under regressions/ once mended.
set -euo pipefail
program=$1
shift
scratch="$(dirname "$program")/$(basename "$program")-work"
rm -rf "$scratch"
mkdir -p "$scratch/corpus"
name=$(basename "$program")
dictionary="$(dirname "$0")/${name#fuzz_}.dict"
inputs=()
for folder in "$@"; do [ -d "$folder" ] && inputs+=("$folder"); done
exec "$program" -max_total_time="${KORVEL_FUZZ_SECONDS:-30}" -seed="${KORVEL_FUZZ_SEED:-1}" -timeout=10 \
    -max_len=4096 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$scratch/" -dict="$dictionary" \
    "$scratch/corpus" "${inputs[@]}"
