#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run_fuzzer.sh FUZZER CORPUS_DIR SECONDS
# Fuzzes from a scratch copy of the corpus (the kept corpus stays as committed); any
# crash, leak, sanitizer report or hang fails the run and leaves its input in the
# scratch directory's artifacts.
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/corpus" "$scratch/artifacts"
cp -r "$corpus"/. "$scratch/corpus/"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$scratch/artifacts/" "$scratch/corpus" 2>"$scratch/log" || {
    tail -60 "$scratch/log"
    for crash in "$scratch"/artifacts/*; do
        [ -e "$crash" ] && { echo "input $crash:"; od -c "$crash" | head -20; }
    done
    exit 1
}
grep -E '^(stat::number_of_executed_units|#[0-9]+[[:space:]]+DONE)' "$scratch/log" || true
