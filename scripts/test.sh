#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vorlix with its tests and runs them all (GUI tests in Xvfb with software GL).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${QT5_PACKAGES[@]}" libbenchmark-dev clang libclang-rt-14-dev \
    xvfb xauth imagemagick x11-utils dbus-daemon at-spi2-core python3-pyatspi \
    dpkg-dev appstream desktop-file-utils man-db

# The pure units once more with AddressSanitizer and UndefinedBehaviorSanitizer, and
# their readers fuzzed briefly.
configure_and_build "$VORLIX_ROOT/build-sanitize" -DCMAKE_CXX_COMPILER=clang++ \
    -DVORLIX_CORE_ONLY=ON -DVORLIX_SANITIZE=ON -DVORLIX_FUZZ=ON
(cd "$VORLIX_ROOT/build-sanitize" && ctest --output-on-failure)

# Everything, the GUI tests in Xvfb with software GL: with Qt 6, then with Qt 5.15.
run_suite() {
    configure_and_build "$1" "${@:2}"
    (cd "$1" && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --output-on-failure --timeout 600)
}
run_suite "$VORLIX_ROOT/build-tests"
run_suite "$VORLIX_ROOT/build-tests-qt5" -DVORLIX_QT=5
