#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# List figures, medians of 5 runs: `quibbix-wordlist add --update` of a list with progress,
# at 5,000, 32,767 and 65,534 words, every sync included (the update is all or nothing: the new list,
# session, backups and studied copy are written and synced beside the old ones, then switched).
# Each run updates the list to the other of two versions that differ in one word in ten, so
# that every run moves a real session. Its processor time is also told as a multiple of a
# fixed reference job run alongside (hashing 256 MB), a ratio that holds across machines, and
# its peak memory (maximum resident set) in MiB.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
runs=5
work=$(mktemp -d "$build/bench-lists.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
export QUIBBIX_LIST_DIR=$build/list

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now_ms() { date +%s%N | awk '{ printf "%.3f", $1 / 1e6 }'; }

# Words w00001..wN with definitions; version 2 rewords every tenth definition and swaps two
# words, so the rebase pairs by word and by word and definition.
words() {
    awk -v n="$1" -v v="$2" 'BEGIN {
        for (i = 1; i <= n; i++) {
            d = "meaning number " i
            if (v == 2 && i % 10 == 0) d = d " (reworded)"
            printf "w%05d\t%s\n", i, d
        }
    }'
}

# The reference job's processor time in ms, median of the runs.
: >"$work/reference"
for run in $(seq $runs); do
    /usr/bin/time -f "%U %S" -o "$work/t" sh -c 'head -c 268435456 /dev/zero | sha256sum >/dev/null'
    awk '{ printf "%.0f\n", ($1 + $2) * 1000 }' "$work/t" >>"$work/reference"
done
reference=$(median <"$work/reference")

for n in 5000 32767 65534; do
    name="bench$n"
    words "$n" 1 >"$work/$name.tsv"
    words "$n" 2 >"$work/$name-2.tsv"
    "$bin/quibbix-wordlist" add "$work/$name.tsv" >/dev/null 2>&1
    folder=$("$bin/quibbix-wordlist" lists | awk -F'\t' -v n="$name" '$1 == n { print $2 }')
    # A session with answers, as a learner's would be.
    (cd "$folder" && printf 'init\nnext\njudge 0\nnext\njudge 2\nnext\njudge 3\nsave\n' |
        "$bin/quibbix-drive" >/dev/null)
    : >"$work/times"
    : >"$work/cpu"
    : >"$work/peak"
    for run in $(seq $runs); do
        file=$work/$name.tsv
        [ $((run % 2)) -eq 1 ] && file=$work/$name-2.tsv
        start=$(now_ms)
        /usr/bin/time -f "%U %S %M" -o "$work/t" \
            "$bin/quibbix-wordlist" add "$file" --name "$name" --update >/dev/null 2>&1
        end=$(now_ms)
        awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", e - s }' >>"$work/times"
        awk '{ printf "%.0f\n", ($1 + $2) * 1000 }' "$work/t" >>"$work/cpu"
        awk '{ printf "%.1f\n", $3 / 1024 }' "$work/t" >>"$work/peak"
    done
    printf 'add --update, %5d words with progress: %s ms (median of %d; runs: %s)\n' "$n" \
        "$(median <"$work/times")" "$runs" "$(tr '\n' ' ' <"$work/times")"
    printf '    processor time %s ms, %s times the reference job (%s ms); peak memory %s MiB\n' \
        "$(median <"$work/cpu")" \
        "$(awk -v c="$(median <"$work/cpu")" -v r="$reference" 'BEGIN { printf "%.2f", c / r }')" \
        "$reference" "$(sort -n "$work/peak" | tail -1)"
done
