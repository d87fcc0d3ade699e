#!/bin/sh
# Refreshes the four translation sources from the code and the forms.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate -no-obsolete -locations none settings link device widgets app shell status dosing backup forms \
    -ts resources/translations/tidewell_d4_en.ts resources/translations/tidewell_d4_zh.ts \
        resources/translations/tidewell_d4_fr.ts resources/translations/tidewell_d4_de.ts
