#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Sync figures at the size of a learner's life, medians of RUNS runs (5), each the whole
# `quibbix-wordlist` program, start-up included, with its peak memory: a list of 65,534 words
# whose folder holds 300,000 judgements from three other computers (WORDS and JUDGEMENTS set
# others).
#   add:      the list added from a word file, the yardstick of a join;
#   join:     a fresh computer joins the folder: the list made from its base, every journal
#             replayed, its progress compared with the first computer's byte for byte;
#   arrived:  a sync when 30 judgements arrived since the last one;
#   nothing:  a sync when nothing arrived.
# Then the same syncs when this computer made a third of the year, its own journal read at
# every sync. Also the journal's bytes per judgement.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
runs=${RUNS:-5}
words=${WORDS:-65534}
judgements=${JUDGEMENTS:-300000}
work=$(mktemp -d "$build/bench-sync.XXXXXX")
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export QUIBBIX_LIST_DIR=$build/list

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
devices=(a1b2c3d4e5f6 0a1b2c3d4e5f 9f8e7d6c5b4a)

# Runs the tool with the data folder $1 and the rest as its arguments; appends its wall time
# in ms and its peak memory in MB to the arrays named by $2 and $3.
timed() {
    local home=$1 times=$2 peaks=$3
    shift 3
    local out start end
    start=$(date +%s%N)
    out=$(XDG_DATA_HOME=$home /usr/bin/time -f '%M' "$bin/quibbix-wordlist" "$@" 2>&1 >/dev/null | tail -1)
    end=$(date +%s%N)
    eval "$times+=(\"$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')\")"
    eval "$peaks+=(\"$(awk '{ printf "%.1f", $1 / 1024 }' <<<"$out")\")"
}

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

session_of() { find "$1" -path '*/lists/*' -name "$2" -type d | head -1; }

# The replayed progress of both directions: every session file but the word on screen and the
# time of use, which are each computer's own.
progress() {
    local list=$1
    for f in "$list"/session*/*.txt; do
        case $(basename "$f") in Time.txt) ;; *) echo "== ${f#"$list"/}"; cat "$f" ;; esac
    done
}

# The first computer: the list, joined to the folder, and the others' year in the folder.
# With `own` set, this computer made the first device's journal.
prepare() {
    local own=$1
    rm -rf "$work/first" "$work/sync"
    mkdir -p "$work/sync"
    add_t=() add_m=()
    for _ in $(seq "$runs"); do
        rm -rf "$work/first"
        timed "$work/first" add_t add_m add "$work/year.tsv"
    done
    XDG_DATA_HOME=$work/first "$bin/quibbix-wordlist" sync --list year "$work/sync" >/dev/null
    first=$(XDG_DATA_HOME=$work/first "$bin/quibbix-wordlist" lists | awk -F'\t' '$1 == "year" { print $2 }')
    devs=("${devices[@]}")
    [ -z "$own" ] || devs[0]=$(find "$work/first" -name device-id.txt -exec head -c 12 {} \;)
    per=$((judgements / ${#devs[@]}))
    local seed=1
    for dev in "${devs[@]}"; do
        journal "$dev" 1 "$per" "$seed" >"$work/sync/journal-$dev.txt"
        seed=$((seed + 1))
    done
    [ -z "$own" ] || cp "$work/sync/journal-${devs[0]}.txt" "$first/sync/journal.txt"
    bytes=$(cat "$work"/sync/journal-*.txt | wc -c)
    XDG_DATA_HOME=$work/first "$bin/quibbix-wordlist" sync --list year >/dev/null
}

# A fresh computer joins; then it (with `own` set, the first computer) syncs with 30
# judgements arrived, and with nothing arrived.
measure() {
    local own=$1 next=$((per + 1)) home on
    join_t=() join_m=() arrived_t=() arrived_m=() nothing_t=() nothing_m=()
    identical=yes
    for run in $(seq "$runs"); do
        XDG_DATA_HOME=$work/first "$bin/quibbix-wordlist" sync --list year >/dev/null
        home=$work/fresh$run
        rm -rf "$home"
        timed "$home" join_t join_m sync --list year "$work/sync"
        [ "$(progress "$(session_of "$home" year)")" = "$(progress "$first")" ] || identical=no
        on=$home
        [ -z "$own" ] || on=$work/first
        journal "${devs[1]}" "$next" 30 "$next" >>"$work/sync/journal-${devs[1]}.txt"
        next=$((next + 30))
        timed "$on" arrived_t arrived_m sync --list year
        timed "$on" nothing_t nothing_m sync --list year
        rm -rf "$home"
    done
}

report() {
    local label=$1
    printf '%s: add %s ms, %s MB\n' "$label" "$(printf '%s\n' "${add_t[@]}" | median)" "$(printf '%s\n' "${add_m[@]}" | median)"
    printf '%s: join on a fresh computer %s ms, %s MB (progress byte-identical: %s)\n' "$label" \
        "$(printf '%s\n' "${join_t[@]}" | median)" "$(printf '%s\n' "${join_m[@]}" | median)" "$identical"
    printf '%s: sync with 30 judgements arrived %s ms, %s MB\n' "$label" \
        "$(printf '%s\n' "${arrived_t[@]}" | median)" "$(printf '%s\n' "${arrived_m[@]}" | median)"
    printf '%s: sync with nothing arrived %s ms, %s MB\n' "$label" \
        "$(printf '%s\n' "${nothing_t[@]}" | median)" "$(printf '%s\n' "${nothing_m[@]}" | median)"
}

echo "$words words, $judgements judgements from three other computers, medians of $runs runs"
prepare ""
measure ""
report "others' year"
echo "journal bytes per judgement: $(awk -v b="$bytes" -v n="$judgements" 'BEGIN { printf "%.1f", b / n }')"
prepare own
measure own
report "a third made here"
