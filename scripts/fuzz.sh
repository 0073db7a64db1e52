#!/usr/bin/env bash
# Fuzzes the OBJ reader and the settings reader and writer for a while.
# Usage: bash scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 300)
# A finding fails the run and prints its input; keep it in fuzz/corpus/<target>/ once fixed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-300}
install_missing "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev
configure_and_build "$VORLIX_ROOT/build-sanitize" -DCMAKE_CXX_COMPILER=clang++ \
    -DVORLIX_CORE_ONLY=ON -DVORLIX_SANITIZE=ON -DVORLIX_FUZZ=ON
cd "$VORLIX_ROOT/build-sanitize"
for fuzzer in fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    echo "== $name for $seconds s"
    "$VORLIX_ROOT/fuzz/run_fuzzer.sh" "$fuzzer" "$VORLIX_ROOT/fuzz/corpus/$name" "$seconds"
done
