#!/bin/sh
# Refreshes the four translation sources from the code and the forms.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck disable=SC2046 # one folder per word
lupdate -no-obsolete -locations none $(cat scripts/translated-dirs) \
    -ts resources/translations/tidewell_d4_en.ts resources/translations/tidewell_d4_zh.ts \
        resources/translations/tidewell_d4_fr.ts resources/translations/tidewell_d4_de.ts
