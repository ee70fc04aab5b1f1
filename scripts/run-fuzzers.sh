#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs every fuzz target of a fuzzing build for the given number of seconds each, starting
# from the committed seed corpus. Fails on any crash, hang (over 1 s for one input), leak or
# sanitizer report, and prints how many inputs each target ran.
set -uo pipefail
# The targets change into scratch directories of their own, so every path here is absolute.
build=$(cd "${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}" && pwd)
seconds=${2:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
top=$(cd "$(dirname "$0")/.." && pwd)
# What fontconfig keeps for the life of the process (the picture targets draw text) is no leak.
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp
# One target at a time per core: CI's two cores both fuzz instead of one waiting.
jobs=${FUZZ_JOBS:-$(nproc)}

# Fuzzes one target; its verdict goes to a file of its own, printed in order afterwards.
fuzz_one() {
    local target=$1 name work seeds log rc runs
    name=$(basename "$target")
    name=${name#fuzz_}
    work="$build/corpus/$name"
    mkdir -p "$work" "$build/artifacts"
    seeds="$top/tests/fuzz/corpus/$name"
    [ -d "$seeds" ] || seeds=""
    log="$build/fuzz-$name.log"
    "$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$work" $seeds >"$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    if [ $rc -ne 0 ]; then
        {
            echo "fuzz_$name: FAILED (exit $rc); see $log"
            grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5
        } >"$build/fuzz-$name.verdict"
        return 1
    fi
    echo "fuzz_$name: ok, ${runs:-?} inputs in ${seconds}s" >"$build/fuzz-$name.verdict"
}

rm -f "$build"/fuzz-*.verdict
for target in "$build"/bin/fuzz_*; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
    fuzz_one "$target" &
done
wait
status=0
for target in "$build"/bin/fuzz_*; do
    name=$(basename "$target")
    verdict="$build/fuzz-${name#fuzz_}.verdict"
    if [ -f "$verdict" ]; then cat "$verdict"; else echo "$name: FAILED (no verdict)"; fi
    grep -q ': ok,' "$verdict" 2>/dev/null || status=1
done
exit $status
