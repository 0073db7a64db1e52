#!/usr/bin/env bash
# Builds Vorlix and runs it beside its data files. Without a display it runs the program
# in Xvfb for a few seconds instead, saves a screenshot of its window and says where.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}"
configure_and_build "$VORLIX_ROOT/build"
cd "$VORLIX_ROOT/data"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$VORLIX_ROOT/build/vorlix" "$@"
fi

install_missing xvfb xauth imagemagick x11-utils
shot="$VORLIX_ROOT/build/vorlix-screenshot.png"
echo "No display: running Vorlix in Xvfb to take a screenshot."
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    sleep 4
    window=$(xwininfo -root -tree | awk "/\"Vorlix\"/ { print \$1; exit }")
    import -window "${window:-root}" "$2"
    kill $pid' _ "$VORLIX_ROOT/build/vorlix" "$shot"
echo "Screenshot of the Vorlix window saved to $shot"
