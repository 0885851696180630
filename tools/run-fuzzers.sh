#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer harness for FUZZ_SECONDS seconds (60 unless set), two at a time,
# starting from its seeds in tests/fuzz/corpus. New inputs go to a scratch folder, not
# into the repository. A nightly-length run: FUZZ_SECONDS=28800 sh tools/run-fuzzers.sh
set -e
cd "$(dirname "$0")/.."
sh tools/sanitize-build.sh >/dev/null
seconds=${FUZZ_SECONDS:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

fuzz() {
    mkdir -p "$scratch/$1"
    if build-sanitize/tests/fuzz/fuzz_"$1" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$scratch/$1-" "$scratch/$1" tests/fuzz/corpus/"$1" >"$scratch/$1.log" 2>&1; then
        echo "fuzz_$1: $(grep -o 'Done [0-9]* runs.*' "$scratch/$1.log")"
    else
        echo "fuzz_$1 FAILED:"
        tail -40 "$scratch/$1.log"
        for input in "$scratch/$1"-*; do
            [ -f "$input" ] && echo "input (base64): $(base64 -w0 "$input")"
        done
        return 1
    fi
}

status=0
for pair in "line_reader layout_reader" "number_reader settings_round_trip"; do
    set -- $pair
    fuzz "$1" & first=$!
    fuzz "$2" & second=$!
    wait $first || status=1
    wait $second || status=1
done
exit $status
