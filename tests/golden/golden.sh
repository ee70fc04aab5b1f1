#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The files the driver, the word-list tool and the settings writer write, on fixed inputs and
# fixed scripts, against the files recorded in expected/. Every byte counts: a change to any
# format shows up here.
#
#   golden.sh BIN_DIR            compare (the test)
#   golden.sh BIN_DIR --record   rewrite expected/ from these programs
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$1" && pwd)
mode=${2:-compare}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Relative paths only, so that the logs read the same wherever this runs.
cp -r "$here/inputs" "$work/inputs"
cd "$work"
out=out
mkdir -p "$out"

tool() { "$bin/quibbix-wordlist" "$@"; }

# The word-list tool: every importer, export and check.
tool import "inputs/words.tsv" -o "$out/words.lst" >"$out/import-tsv.log" 2>&1
tool import --header "inputs/words.csv" -o "$out/csv.lst" >"$out/import-csv.log" 2>&1
tool import --format anki "inputs/anki.txt" -o "$out/anki.lst" >"$out/import-anki.log" 2>&1
tool import "inputs/deck.kvtml" -o "$out/kvtml.lst" >"$out/import-kvtml.log" 2>&1
tool export "$out/words.lst" -o "$out/words-export.tsv"
tool check "$out/words.lst" >"$out/check.log" 2>&1

# A study session through the driver: a first run, judgements of every kind with saves in
# between, and a resumed run.
mkdir -p study/list study/session
cp "$out/words.lst" study/list/kelvo.lst
commands() {
    echo init
    for i in $(seq 1 180); do
        echo next
        # Mostly "knew", so that words reach the learning and known lists too.
        local r=$(((i * 7 + i / 3) % 10))
        echo judge $((r < 7 ? 0 : r - 6))
        [ $((i % 45)) -ne 0 ] || { echo save; echo counts; }
    done
    echo next
    echo word
    echo dump
}
(cd study && commands | "$bin/quibbix-drive" --tick 777 >"../$out/drive-first.log")
(cd study && printf 'init\nnext\nword\ncounts\njudge 0\nnext\nsave\ndump\n' |
    "$bin/quibbix-drive" --tick 778 >"../$out/drive-resumed.log")

# Rebase the session onto a re-sorted list with one word gone and one new.
{ head -n 1 "inputs/words.tsv"; tail -n +2 "inputs/words.tsv" | grep -v '^vex' | sort -r
  printf 'xenial\thospitable\n'; } >resorted.tsv
tool import resorted.tsv -o "$out/resorted.lst" >/dev/null 2>&1
tool rebase study/list/kelvo.lst "$out/resorted.lst" study/session >"$out/rebase.log" 2>&1
cp -r study/session "$out/session"
# The history is dated by the day the test runs.
sed -i -E 's/^[0-9]{4}-[0-9]{2}-[0-9]{2}\t/DATE\t/' "$out/session/History.txt"

# The display settings a new user starts with.
"$bin/quibbix-resgen" settings "$out"

if [ "$mode" = --record ]; then
    rm -rf "$here/expected"
    cp -r "$out" "$here/expected"
    echo "recorded $(find "$here/expected" -type f | wc -l) files"
else
    diff -r "$here/expected" "$out"
fi
