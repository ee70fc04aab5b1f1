#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Import figures: the peak memory (maximum resident set size) and the time of
# quibbix-wordlist import, each the largest peak and the median time of 5 runs, on
#  - a 50 MB tab-separated file of about 57,600 entries, each with a long third column;
#  - a 60 MB file of one entry whose definition is the whole file, cut by --truncate: the
#    worst case for copies;
#  - an Anki package of 10,000 notes in the current schema (at most 1 s).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
runs=5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "NAME: peak_mib=P time_s=T" for importing the file $2 with the options after it.
measure() {
    local name=$1 file=$2
    shift 2
    : >"$work/figures"
    for _ in $(seq $runs); do
        /usr/bin/time -f "%M %e" -o "$work/time" \
            "$bin/quibbix-wordlist" import "$@" "$file" -o "$work/out.lst" >/dev/null 2>&1 || true
        tail -n 1 "$work/time" >>"$work/figures"  # after any "exited with" line
    done
    sort -k2 -n "$work/figures" | awk -v name="$name" '
        { peak = $1 > peak ? $1 : peak; t[NR] = $2 }
        END { printf "%s: peak_mib=%.1f time_s=%.2f\n", name, peak / 1024, t[(NR + 1) / 2] }'
}

awk 'BEGIN {
    note = sprintf("%800s", ""); gsub(/ /, "x", note)
    for (i = 0; size < 50000000; i++) {
        line = "word" i "\ta definition of word " i " that is fairly ordinary\t" note " " i
        print line; size += length(line) + 1
    }
}' >"$work/words50.tsv"
{ printf 'w\t' && head -c 60000000 /dev/zero | tr '\0' d && echo; } >"$work/one60.tsv"
"$bin/quibbix-bench-anki-package" "$work/notes.apkg" 10000

measure "text 50 MB" "$work/words50.tsv"
measure "text 60 MB, one field" "$work/one60.tsv" --truncate
measure "anki 10,000 notes" "$work/notes.apkg"
