#!/usr/bin/env bash
# Fails while a translation misses a text of the program, leaves one unfinished, keeps one the program no
# longer has (lupdate runs over src/ on copies of translations/*.ts, compared with the originals), or drops a
# placeholder, an edge blank or an ellipsis of its source.
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

# A translation keeps what the program fills in or lays out: every %1 and %n, the blanks at either end (a
# queue line, a search result), a trailing "..." of a command that opens a window.
python3 - translations/*.ts <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET

def shape(text):
    text = text or ""
    core = text.strip()
    lead, trail = text[:len(text) - len(text.lstrip())], text[len(text.rstrip()):]
    return sorted(re.findall(r"%(?:[0-9]+|n)", text)), lead, trail if core else "", text.endswith("...")

bad = 0
for ts in sys.argv[1:]:
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            for form in forms:
                if not form or shape(form) != shape(source):
                    print("%s: %s: %r is translated as %r" % (ts, context.findtext("name"), source, form))
                    bad += 1
sys.exit(1 if bad else 0)
PY
exit $status
