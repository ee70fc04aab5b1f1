#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up figures under Xvfb, median of 10 starts after one warm-up:
#  - Quibbix on a 32767-word list with a resumed session: process start to main window mapped,
#    and resident memory once shown;
#  - key press to the next word painted (bench_mainwindow on the same server);
#  - for scale, Debian's KWordQuiz opening a 5,000-word file, when it is installed
#    (apt-get install kwordquiz), with our figures as ratios of its.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
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
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Median of the "key=value" figure over 10 starts after a warm-up.
measure() {
    local key=$1
    shift
    "$@" >/dev/null
    for _ in $(seq 10); do "$@"; done | tr ' ' '\n' | grep "^$key=" | cut -d= -f2 | sort -n | sed -n '5,6p' |
        awk '{ s += $1 } END { printf "%.1f", s / NR }'
}

app=$work/quibbix
mkdir -p "$app/list" "$app/session"
awk 'BEGIN { for (i = 1; i <= 32767; i++) printf "word%d\tthe meaning of word number %d\n", i, i }' >"$work/words.tsv"
"$bin/quibbix-wordlist" import --format tsv "$work/words.tsv" -o "$app/list/kelvo.lst" 2>/dev/null
cp "$build"/list/*.bmp "$build"/list/*.emf "$build"/list/*.WAV "$app/list/"
(cd "$app" && printf 'init\nnext\njudge 1\nnext\njudge 2\nnext\nsave\n' | "$bin/quibbix-drive" >/dev/null)

probe() { (cd "$1" && shift && timeout 60 "$bin/quibbix-startup-probe" "$@"); }
ours_ms=$(measure startup_ms probe "$app" Quibbix 500 "$bin/quibbix")
ours_mb=$(measure rss_mb probe "$app" Quibbix 500 "$bin/quibbix")
key_ms=$("$bin/bench_mainwindow" --benchmark_format=csv 2>/dev/null | grep '_median' | cut -d, -f3)

printf '%-34s %10s %10s\n' "" "start ms" "RSS MB"
printf '%-34s %10s %10s\n' "Quibbix, 32767 words, resumed" "$ours_ms" "$ours_mb"
if command -v kwordquiz >/dev/null; then
    # KWordQuiz's own format, KVTML, from the default list's 5,000 words.
    "$bin/quibbix-wordlist" export "$build/list/kelvo.lst" -o "$work/words5000.tsv" 2>/dev/null
    awk -F'\t' 'BEGIN { print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><identifiers>" \
        "<identifier id=\"0\"><name>Word</name></identifier><identifier id=\"1\"><name>Definition</name></identifier>" \
        "</identifiers><entries>" }
        { for (i = 1; i <= 2; i++) { gsub(/&/, "\\&amp;", $i); gsub(/</, "\\&lt;", $i); gsub(/>/, "\\&gt;", $i) }
          printf "<entry id=\"%d\"><translation id=\"0\"><text>%s</text></translation>" \
                 "<translation id=\"1\"><text>%s</text></translation></entry>\n", NR - 1, $1, $2 }
        END { print "</entries></kvtml>" }' "$work/words5000.tsv" >"$work/words5000.kvtml"
    # A killed KWordQuiz leaves its file lock behind; each start gets a fresh copy instead.
    cat >"$work/kwq.sh" <<KWQ
#!/bin/sh
rm -rf "$work/kwq" && mkdir "$work/kwq" && cp "$work/words5000.kvtml" "$work/kwq/" && exec kwordquiz "$work/kwq/words5000.kvtml" 2>/dev/null
KWQ
    chmod +x "$work/kwq.sh"
    kwq_ms=$(measure startup_ms probe "$work" KWordQuiz 1500 "$work/kwq.sh")
    kwq_mb=$(measure rss_mb probe "$work" KWordQuiz 1500 "$work/kwq.sh")
    printf '%-34s %10s %10s\n' "KWordQuiz, 5000 words" "$kwq_ms" "$kwq_mb"
    awk -v a="$ours_ms" -v b="$kwq_ms" -v c="$ours_mb" -v d="$kwq_mb" \
        'BEGIN { printf "%-34s %9.2fx %9.2fx\n", "Quibbix / KWordQuiz", a / b, c / d }'
else
    echo "(KWordQuiz is not installed: apt-get install kwordquiz for the comparison)"
fi
printf 'key press to next word painted: %s ms (median)\n' "$key_ms"
