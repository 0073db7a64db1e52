#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metadata, the desktop entry and the manual page pass Debian's own checkers.
set -eu
desktop=$1/desktop
appstreamcli validate --no-net "$desktop"/*.metainfo.xml
desktop-file-validate "$desktop"/*.desktop
warnings=$(MANWIDTH=80 man --warnings -l "$desktop/vorlix.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man warns: $warnings"; exit 1; }
