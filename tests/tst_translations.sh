#!/bin/sh
# Fails when the translation sources do not cover the program's texts:
# lupdate reads the sources into copies of the four .ts files (the arguments
# of scripts/update-translations.sh, but keeping texts that went out of use
# so they can be named), and no copy may then hold an unfinished, vanished
# or obsolete message.
# Usage: tst_translations.sh <lupdate> <source dir> <work dir>
set -eu
lupdate=$1
root=$2
work=$3

rm -rf "$work"
mkdir -p "$work"
copies=""
for lang in en zh fr de; do
    cp "$root/resources/translations/tidewell_d4_$lang.ts" "$work/"
    copies="$copies $work/tidewell_d4_$lang.ts"
done

cd "$root"
# The folders whose texts are translated, as the update script reads them.
dirs=$(cat scripts/translated-dirs)
# shellcheck disable=SC2086 # the lists of folders and copies are split on purpose
if ! lupdate_out=$("$lupdate" -locations none $dirs -ts $copies 2>&1); then
    echo "$lupdate_out"
    echo "FAIL: lupdate did not run"
    exit 1
fi

failed=0
for lang in en zh fr de; do
    ts="$work/tidewell_d4_$lang.ts"
    # One line per bad message: its context, its source text and its state.
    bad=$(awk '
        /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
        /<source>/ { s = $0; sub(/.*<source>/, "", s); sub(/<\/source>.*/, "", s); source = s }
        /type="(unfinished|vanished|obsolete)"/ {
            match($0, /type="[a-z]*"/)
            state = substr($0, RSTART + 6, RLENGTH - 7)
            printf "  %s: [%s] %s\n", state, context, source
        }' "$ts")
    if [ -n "$bad" ]; then
        count=$(printf '%s\n' "$bad" | wc -l)
        echo "FAIL: tidewell_d4_$lang.ts has $count message(s) to finish or remove:"
        printf '%s\n' "$bad"
        failed=1
    else
        echo "PASS: tidewell_d4_$lang.ts covers every text"
    fi
done
exit $failed
