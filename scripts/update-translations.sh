#!/usr/bin/env bash
# Re-reads every tr() and form text of the program into its Russian catalogue. Existing
# translations are kept and texts no longer in the sources are dropped; new texts arrive
# marked unfinished and need a translation before they are committed.
#
#   scripts/update-translations.sh [catalogue.ts]    (default: the committed catalogue)
#
# LUPDATE may name the lupdate program to use.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
catalogue=$(realpath "${1:-$root/resources/translations/vorlix_ru_RU.ts}")
cd "$root"
"${LUPDATE:-lupdate}" -silent -no-obsolete -locations none -target-language ru_RU \
    app view forms video -ts "$catalogue"
unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
if [ "$unfinished" -gt 0 ]; then
    echo "$catalogue: $unfinished message(s) still to translate" >&2
fi
