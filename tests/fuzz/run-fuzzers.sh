#!/bin/sh
# Runs each fuzz target for a while on its committed seed corpus and fails
# on the first fault. New inputs go to a throwaway directory, so the
# committed corpus only changes by hand (a crash found is added to it as a
# regression seed).
#   tests/fuzz/run-fuzzers.sh BUILD_DIR [SECONDS_PER_TARGET]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

for pair in fuzz_modbus_reply:corpus_modbus fuzz_boot_reply:corpus_boot \
    fuzz_command_string:corpus_command; do
    fuzzer=${pair%%:*}
    corpus=${pair#*:}
    mkdir -p "$work/$corpus"
    echo "== $fuzzer for ${seconds}s"
    # -timeout: one input taking a second means a hang in the link.
    "$build/tests/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/" "$work/$corpus" "$here/$corpus" \
        >"$work/$fuzzer.log" 2>&1 || {
        tail -n 60 "$work/$fuzzer.log"
        for artifact in "$work"/crash-* "$work"/timeout-* "$work"/leak-*; do
            [ -e "$artifact" ] && echo "input that failed (hex):" && od -An -tx1 "$artifact" | head -20
        done
        echo "$fuzzer FAILED"
        exit 1
    }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$work/$fuzzer.log" | tail -n 3
done
echo "fuzz targets: no fault found"
