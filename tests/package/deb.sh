#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb with CPack, checks its control fields and layout, and starts the
# unpacked launcher from a foreign working directory on the current display.
set -eu
build=$1
qt=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/vorlix_*_"$(dpkg --print-architecture)".deb)
info=$(dpkg-deb -I "$deb")
echo "$info" | grep -E '^ (Depends|Section):'
if [ "$qt" = 6 ]; then
    needed="libqt6widgets6 libqt6openglwidgets6 libqt6charts6 libgl1-mesa-dri qt6-translations-l10n"
else
    needed="libqt5widgets5 libqt5charts5 libgl1-mesa-dri qttranslations5-l10n"
fi
for dep in $needed; do
    echo "$info" | grep -q "^ Depends:.*\b$dep\b" || fail "Depends lacks $dep"
done
echo "$info" | grep -Eq '^ Section: (science|education)$' || fail "wrong section"

dpkg -x "$deb" "$work/root"
usr=$work/root/usr
for f in bin/vorlix libexec/vorlix/vorlix share/vorlix/default.ini share/vorlix/cylinder.obj \
    share/vorlix/arrow.obj3 share/applications/io.github.vorlix.Vorlix.desktop \
    share/metainfo/io.github.vorlix.Vorlix.metainfo.xml share/man/man1/vorlix.1.gz \
    share/icons/hicolor/32x32/apps/vorlix.png share/doc/vorlix/copyright; do
    [ -f "$usr/$f" ] || fail "$f not in the package"
done
gzip -t "$usr/share/man/man1/vorlix.1.gz"
(cd "$work/root" && find . | sort) >"$work/packaged"

mkdir "$work/home"
(cd /tmp && HOME=$work/home exec "$usr/bin/vorlix") &
program=$!
sleep 4
kill -0 $program 2>/dev/null || fail "the program ended at start-up"
xwininfo -root -tree | grep -q '"Vorlix"' || fail "no Vorlix window"
kill $program
wait $program || true
# Whatever the program writes goes to HOME, never into the package's tree.
(cd "$work/root" && find . | sort) | diff "$work/packaged" - || fail "files created in /usr"
echo "PASS: package built, laid out, and started from /tmp"
