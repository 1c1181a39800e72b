#!/usr/bin/env bash
# Fails while a translation misses a text of the program, leaves one unfinished or keeps one the program no
# longer has: runs lupdate over src/ on copies of translations/*.ts and compares them with the originals.
# Bring them up to date with: cmake --build build --target update_translations
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(qtpaths6 --query QT_HOST_BINS)/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -locations none -no-obsolete -silent -extensions cpp,h src -ts "$copy"
    if ! diff -u "$ts" "$copy"; then
        echo "$ts does not hold the texts of src/ as they are now: update it and translate what is new."
        status=1
    fi
    unfinished=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$ts" || true)
    if [ "$unfinished" -gt 0 ]; then
        echo "$ts: $unfinished texts not translated yet."
        status=1
    fi
done
exit $status
