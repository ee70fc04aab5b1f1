#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The study step's cost in instructions (callgrind), which no machine noise changes: the
# driver's cycle on a resumed session (init, the start press, one answer, save, every file
# synced) at 5,000, 32,767 and 65,534 words.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
command -v valgrind >/dev/null || { echo "valgrind is not installed"; exit 77; }
work=$(mktemp -d "$build/bench-cycle.XXXXXX")
trap 'rm -rf "$work"' EXIT
export QUIBBIX_LIST_DIR=$build/list

for words in 5000 32767 65534; do
    folder=$work/$words
    mkdir -p "$folder/list" "$folder/session"
    awk -v n="$words" 'BEGIN { for (i = 1; i <= n; i++) printf "w%05d\tmeaning number %d\n", i, i }' \
        >"$folder/words.tsv"
    "$bin/quibbix-wordlist" import "$folder/words.tsv" -o "$folder/list/kelvo.lst" >/dev/null 2>&1
    # The first run makes the session; the cycle measured resumes it.
    (cd "$folder" && printf 'init\nsave\n' | "$bin/quibbix-drive" >/dev/null)
    (cd "$folder" && printf 'init\npress yes\npress yes\npress yes\nsave\n' |
        valgrind --tool=callgrind --callgrind-out-file="$folder/callgrind.out" \
            "$bin/quibbix-drive" >/dev/null 2>"$folder/valgrind.log")
    instructions=$(grep -o 'refs: *[0-9,]*' "$folder/valgrind.log" | tr -dc '0-9')
    awk -v w="$words" -v i="$instructions" 'BEGIN { printf "%d words: driver cycle %.1f M instructions\n", w, i / 1e6 }'
done
