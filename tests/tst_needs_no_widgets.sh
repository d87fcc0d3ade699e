#!/bin/sh
# Fails when a test below the widgets links Qt Widgets or Qwt: the domain
# and the link are tested without them, so their test programs must not
# need either library to load.
# Usage: tst_needs_no_widgets.sh <test program>
set -eu
program=$1
needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
if [ -z "$needed" ]; then
    echo "FAIL: readelf found no NEEDED entries in $program"
    exit 1
fi
widgets=$(printf '%s\n' "$needed" | grep -E '^lib(Qt5Widgets|qwt)' || true)
if [ -n "$widgets" ]; then
    echo "FAIL: $(basename "$program") needs what only the client's windows need:"
    printf '%s\n' "$widgets" | sed 's/^/  /'
    exit 1
fi
echo "PASS: $(basename "$program") needs neither Qt Widgets nor Qwt"
