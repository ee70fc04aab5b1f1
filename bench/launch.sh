#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Launch figures under Xvfb, medians of 11 starts after one warm-up each:
#  - one list (the default 5,000 words, with a session): quibbix-launch to the main window
#    mapped against the program started directly in the same folder, the two alternating in
#    the same run so that both see the same machine;
#  - 20 lists of 5,000 words, each with a session: quibbix-launch to the chooser mapped.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
runs=11
work=$(mktemp -d)
xvfb=""
cleanup() { [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '\n' <"$work/display")"
unset QT_QPA_PLATFORM
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
first=$XDG_DATA_HOME/quibbix

# The probe's startup_ms of one start, run in folder $1.
probe() { (cd "$1" && shift && timeout 60 "$bin/quibbix-startup-probe" "$@") | sed 's/.*startup_ms=\([0-9.]*\).*/\1/'; }
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# A session with a few answers, as a learner's would be.
study() { (cd "$1" && printf 'init\nnext\njudge 1\nnext\njudge 2\nsave\n' | "$bin/quibbix-drive" >/dev/null); }

# One list: the launcher prepares it on its first start (the warm-up).
probe "$work" Quibbix 100 "$bin/quibbix-launch" >/dev/null
study "$first"
probe "$first" Quibbix 100 "$bin/quibbix" >/dev/null
: >"$work/direct" && : >"$work/launch"
for _ in $(seq $runs); do
    probe "$first" Quibbix 100 "$bin/quibbix" >>"$work/direct"
    probe "$work" Quibbix 100 "$bin/quibbix-launch" >>"$work/launch"
done
direct=$(median <"$work/direct")
launch=$(median <"$work/launch")

# 20 lists of 5,000 words: the first and 19 added from files.
"$bin/quibbix-wordlist" export "$first/list/kelvo.lst" -o "$work/words.tsv" 2>/dev/null
for i in $(seq 2 20); do
    sed "s/^/l$i /" "$work/words.tsv" >"$work/list$i.tsv"
    "$bin/quibbix-wordlist" add "$work/list$i.tsv" --name "List $i" >/dev/null 2>&1
done
for folder in "$first"/lists/*/; do study "$folder"; done
count=$(($(find "$first/lists" -mindepth 1 -maxdepth 1 -type d | wc -l) + 1))
probe "$work" "Choose a List" 100 "$bin/quibbix-launch" >/dev/null
: >"$work/chooser"
for _ in $(seq $runs); do probe "$work" "Choose a List" 100 "$bin/quibbix-launch" >>"$work/chooser"; done
chooser=$(median <"$work/chooser")

printf '%-52s %8s\n' "" "ms"
printf '%-52s %8s\n' "one list: quibbix started directly, main window" "$direct"
printf '%-52s %8s\n' "one list: quibbix-launch, main window" "$launch"
awk -v a="$launch" -v b="$direct" 'BEGIN { printf "%-52s %+8.1f\n", "one list: what the launcher adds", a - b }'
printf '%-52s %8s\n' "$count lists of 5,000 words: quibbix-launch, chooser" "$chooser"
