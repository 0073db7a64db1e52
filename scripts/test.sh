#!/usr/bin/env bash
# Builds Vorlix with its tests and runs them all (GUI tests in Xvfb with software GL).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" xvfb xauth libbenchmark-dev
configure_and_build "$VORLIX_ROOT/build-tests"
cd "$VORLIX_ROOT/build-tests"
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --timeout 600
