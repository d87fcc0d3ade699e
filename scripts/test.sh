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

# run_tests BUILD_DIR [CTEST ARGS...]
run_ctest='ip link set lo up && cd "$1" && shift && ctest --output-on-failure -j 2 "$@"'
run_tests() {
    if unshare --net sh -c 'ip link set lo up' 2>/dev/null; then
        unshare --net sh -c "$run_ctest" sh "$@"
    elif unshare --net --map-root-user sh -c 'ip link set lo up' 2>/dev/null; then
        unshare --net --map-root-user sh -c "$run_ctest" sh "$@"
    else
        echo "note: no network namespace available here; running the tests without one"
        (cd "$1" && shift && ctest --output-on-failure -j 2 "$@")
    fi
}
run_tests "$build"

# The link's tests again under AddressSanitizer and UBSan (build-asan/),
# stopping at the first report, leaks included. Only what they need is built.
asan=${ASAN_BUILD_DIR:-$root/build-asan}
asan_tests="tst_codec tst_simulator tst_transport tst_queue tst_boot tst_orchestrator \
tst_link_edges tst_soak"
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWELL_SANITIZE=ON >/dev/null
# shellcheck disable=SC2086 # one target per word
cmake --build "$asan" -j "$(nproc)" --target $asan_tests
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# shellcheck disable=SC2086 # the names joined into one pattern
run_tests "$asan" -R "^($(echo $asan_tests | tr ' ' '|'))\$"

# The fuzz targets, built with clang (build-fuzz/), 20 s each on their seeds.
fuzz=${FUZZ_BUILD_DIR:-$root/build-fuzz}
cmake -S "$root" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTIDEWELL_FUZZ=ON >/dev/null
cmake --build "$fuzz" -j "$(nproc)" --target tidewell_fuzzers
sh "$root/tests/fuzz/run-fuzzers.sh" "$fuzz" 20
