#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Sync figures, medians of 5 runs, of `quibbix-wordlist sync --list NAME` (the whole program,
# start-up included) on a list of 5,000 words whose folder holds a year of study: 100,000
# judgements from three other computers. From scratch: the first sync after they arrived,
# which replays them all; little arrived: ten more judgements since the last sync, replayed
# from the checkpoint; nothing arrived: a sync at start with no journal changed. Then the same
# when this computer made a third of the year, its own journal read at every sync. Also the
# journal's bytes per judgement.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
runs=${RUNS:-5}
work=$(mktemp -d "$build/bench-sync.XXXXXX")
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
export QUIBBIX_LIST_DIR=$build/list

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now_ms() { date +%s%N | awk '{ printf "%.3f", $1 / 1e6 }'; }

words=5000
judgements=100000
devices=(a1b2c3d4e5f6 0a1b2c3d4e5f 9f8e7d6c5b4a)

# One computer's journal: `count` judgements of random base words, a second apart, from
# sequence `first` on.
journal() {
    awk -v dev="$1" -v first="$2" -v count="$3" -v words="$words" -v seed="$4" 'BEGIN {
        srand(seed)
        if (first == 1) printf "quibbix-journal 1 %s\n", dev
        for (i = 0; i < count; i++) {
            s = first + i
            printf "J %.0f 0 %s %d %d f %d 0\n", 1765000000000 + s * 3000 + seed, dev, s,
                int(rand() * words) + 1, int(rand() * 4)
        }
    }'
}

awk -v n="$words" 'BEGIN { for (i = 1; i <= n; i++) printf "w%05d\tmeaning number %d\n", i, i }' \
    >"$work/year.tsv"

# Runs the syncs over a fresh list and folder; with `own` set, this computer made the first
# device's journal. Sets scratch, little and nothing to the medians.
measure() {
    local own=$1
    rm -rf "$work/data" "$work/sync"
    "$bin/quibbix-wordlist" add "$work/year.tsv" >/dev/null 2>&1
    folder=$("$bin/quibbix-wordlist" lists | awk -F'\t' '$1 == "year" { print $2 }')
    mkdir "$work/sync"
    "$bin/quibbix-wordlist" sync --list year "$work/sync" >/dev/null
    local devs=("${devices[@]}")
    if [ -n "$own" ]; then
        devs[0]=$(find "$work/data" -name device-id.txt -exec head -c 12 {} \;)
    fi
    local per=$((judgements / ${#devs[@]})) seed=1
    for dev in "${devs[@]}"; do
        journal "$dev" 1 "$per" "$seed" >"$work/sync/journal-$dev.txt"
        seed=$((seed + 1))
    done
    [ -z "$own" ] || cp "$work/sync/journal-${devs[0]}.txt" "$folder/sync/journal.txt"
    bytes=$(cat "$work"/sync/journal-*.txt | wc -c)
    local s=() l=() n=() next=$((per + 1)) start
    for _ in $(seq "$runs"); do
        rm -rf "$folder/sync/checkpoint" "$folder/sync/stamp.txt"
        start=$(now_ms)
        "$bin/quibbix-wordlist" sync --list year >/dev/null
        s+=("$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN { print b - a }')")
        journal "${devs[1]}" "$next" 10 "$next" >>"$work/sync/journal-${devs[1]}.txt"
        next=$((next + 10))
        start=$(now_ms)
        "$bin/quibbix-wordlist" sync --list year >/dev/null
        l+=("$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN { print b - a }')")
        start=$(now_ms)
        "$bin/quibbix-wordlist" sync --list year >/dev/null
        n+=("$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN { print b - a }')")
    done
    scratch=$(printf '%s\n' "${s[@]}" | median)
    little=$(printf '%s\n' "${l[@]}" | median)
    nothing=$(printf '%s\n' "${n[@]}" | median)
}

measure ""
echo "sync of $judgements judgements from scratch: $scratch ms"
echo "sync when 10 judgements arrived: $little ms"
echo "sync when nothing arrived: $nothing ms"
echo "journal bytes per judgement: $(awk -v b="$bytes" -v n="$judgements" 'BEGIN { printf "%.1f", b / n }')"
measure own
echo "with a third of them made here, from scratch: $scratch ms"
echo "with a third of them made here, when 10 judgements arrived: $little ms"
echo "with a third of them made here, when nothing arrived: $nothing ms"
