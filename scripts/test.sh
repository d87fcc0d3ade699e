#!/bin/sh
# Builds everything and runs every test. The tests run inside a network
# namespace that has nothing but loopback, so no test can reach a real pump
# or any other address; where the namespace is refused they run as they are.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

run_ctest='ip link set lo up && cd "$1" && ctest --output-on-failure -j 2'
if unshare --net sh -c 'ip link set lo up' 2>/dev/null; then
    unshare --net sh -c "$run_ctest" sh "$build"
elif unshare --net --map-root-user sh -c 'ip link set lo up' 2>/dev/null; then
    unshare --net --map-root-user sh -c "$run_ctest" sh "$build"
else
    echo "note: no network namespace available here; running the tests without one"
    cd "$build" && ctest --output-on-failure -j 2
fi
