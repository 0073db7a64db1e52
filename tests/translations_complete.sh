#!/bin/sh
# Fails when a tr() or form text of the sources is missing from the Russian catalogue
# (a new or renamed text), when the catalogue keeps a text the sources no longer have, or
# when a message of either catalogue has no translation.
#
#   translations_complete.sh <lupdate> <source directory>
set -eu
lupdate=$1
root=$2
catalogue=$root/resources/translations/vorlix_ru_RU.ts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Updating a copy from the sources must change nothing.
cp "$catalogue" "$work/updated.ts"
LUPDATE=$lupdate "$root/scripts/update-translations.sh" "$work/updated.ts" 2>/dev/null
if ! diff -u "$catalogue" "$work/updated.ts"; then
    echo "The catalogue does not match the sources: run scripts/update-translations.sh" \
         "and translate the new texts." >&2
    exit 1
fi

for ts in "$catalogue" "$root/resources/translations/qtstandard_ru.ts"; do
    if grep -n -e 'type="unfinished"' -e '<translation></translation>' -e '<translation/>' \
            "$ts"; then
        echo "$ts: messages without a translation" >&2
        exit 1
    fi
done
