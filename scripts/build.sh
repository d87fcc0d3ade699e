#!/bin/sh
# Configures and builds into build/ (or $BUILD_DIR): the targets named as
# arguments, or everything.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
    for target in "$@"; do
        set -- "$@" --target "$target"
        shift
    done
fi
cmake --build "$build" -j "$(nproc)" "$@"
