#!/bin/sh
# Builds the client and saves a picture of each of its windows in each of
# its four languages: the login and its dialogs, every page of the main
# window with a master and two slave tabs, the menu dialogs and some
# prompts. The client runs offscreen, in-process against the pump
# simulator on loopback, with a settings directory of its own.
# Usage: scripts/screenshots.sh [outdir]   (default: build/screens)
# The pictures land in <outdir>/en, zh, fr and de.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-$root/build/screens}
"$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

status=0
for pair in en:31 zh:25 fr:37 de:42; do
    lang=${pair%%:*}
    code=${pair#*:}
    mkdir -p "$out/$lang"
    if ! "$build/tests/tidewell_shots" "$code" "$out/$lang" 2>"$out/$lang/log.txt"; then
        echo "screenshots in $lang failed; see $out/$lang/log.txt" >&2
        status=1
    fi
    echo "$lang: $(find "$out/$lang" -name '*.png' | wc -l) pictures in $out/$lang"
done
exit $status
