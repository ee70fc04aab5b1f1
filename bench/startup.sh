#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up figures under Xvfb at 1280x1024, median of 10 starts (QUIBBIX_STARTS) after one
# warm-up each:
#  - Quibbix on a 32767-word list with a resumed session (and on a 5-word one, which leaves
#    out what the words cost), and beside it the floor: a bare Qt program with one full-screen
#    dialog, a text box and three buttons (quibbix-bench-floor). They start in turn, so that
#    all meet the same machine load. For each, process start
#    to window mapped, and the resident memory 2 s later summed over the program and the
#    processes it runs (the metafile helper counts); then ours as a ratio of the floor's;
#  - key press to the next word painted (bench_mainwindow on the same server);
#  - for scale, Debian's KWordQuiz opening a 5,000-word file, when it is installed
#    (apt-get install kwordquiz), with our figures as ratios of its.
# Quibbix starts with its metafile cache as a user's second start finds it; QUIBBIX_COLD=1
# empties the cache before every start, as on a first start. QUIBBIX_LOCALE=de_DE.UTF-8 starts
# every program, the floor too, in that locale and its language: a translated start; without
# it they start in the C locale, in English, whatever the caller's.
set -euo pipefail
# The figures are read and printed with a decimal point whatever the locale.
export LC_ALL=C
locale_env=()
if [ -n "${QUIBBIX_LOCALE:-}" ]; then
    locale_env=(LANG="$QUIBBIX_LOCALE" LC_ALL="$QUIBBIX_LOCALE" LANGUAGE="${QUIBBIX_LOCALE%%.*}")
fi
build=$(cd "${1:-build}" && pwd)
bin=$build/bin
work=$(mktemp -d)
xvfb=""
cleanup() { [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
# A stopped run must not leave its X server behind.
trap 'exit 1' INT TERM

: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '\n' <"$work/display")"
unset QT_QPA_PLATFORM
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Median of the "key=value" figure in the probe's lines in FILE.
median() {
    tr ' ' '\n' <"$2" | grep "^$1=" | cut -d= -f2 | sort -n |
        awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The first and third quartiles of the same figure, "q1–q3": how far the starts spread.
quartiles() {
    tr ' ' '\n' <"$2" | grep "^$1=" | cut -d= -f2 | sort -n |
        awk '{ v[NR] = $1 } END { printf "%.1f-%.1f", v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)] }'
}

# Runs each "name:command" in turn, a warm-up each and then QUIBBIX_STARTS rounds; the probe's
# lines of each go to $work/NAME.runs.
alternate() {
    local entry
    for entry in "$@"; do eval "${entry#*:}" >/dev/null || true; : >"$work/${entry%%:*}.runs"; done
    for _ in $(seq "${QUIBBIX_STARTS:-10}"); do
        # A start that fails (an X connection refused on a busy machine) is left out of the
        # median rather than ending the run.
        for entry in "$@"; do eval "${entry#*:}" >>"$work/${entry%%:*}.runs" || true; done
    done
}

# A study folder at $work/NAME with a list of COUNT words and a resumed session.
folder() {
    local dir=$work/$1
    mkdir -p "$dir/list" "$dir/session"
    awk -v n="$2" 'BEGIN { for (i = 1; i <= n; i++) printf "word%d\tthe meaning of word number %d\n", i, i }' \
        >"$work/$1.tsv"
    "$bin/quibbix-wordlist" import --format tsv "$work/$1.tsv" -o "$dir/list/kelvo.lst" >/dev/null 2>&1
    cp "$build"/list/*.bmp "$build"/list/*.emf "$build"/list/*.WAV "$dir/list/"
    (cd "$dir" && printf 'init\nnext\njudge 1\nnext\njudge 2\nnext\nsave\n' | "$bin/quibbix-drive" >/dev/null)
}
# The small list tells what the window costs apart from the words.
folder quibbix 32767
folder small 5
app=$work/quibbix

probe() { (cd "$1" && shift && env "${locale_env[@]}" timeout 60 "$bin/quibbix-startup-probe" "$@"); }
ours() {
    [ "${QUIBBIX_COLD:-0}" = 1 ] && rm -rf "$HOME/.cache/quibbix"
    probe "$work/$1" Quibbix 2000 "$bin/quibbix"
}
alternate "floor:probe $work Floor 2000 $bin/quibbix-bench-floor" "ours:ours quibbix" "small:ours small"
floor_ms=$(median startup_ms "$work/floor.runs")
floor_mb=$(median rss_mb "$work/floor.runs")
ours_ms=$(median startup_ms "$work/ours.runs")
ours_mb=$(median rss_mb "$work/ours.runs")
key_ms=$("$bin/bench_mainwindow" --benchmark_format=csv 2>/dev/null | grep '_median' | cut -d, -f3)

printf '%-34s %10s %10s %10s  %s\n' "" "start ms" "RSS MB" "processes" "start q1-q3"
printf '%-34s %10s %10s %10s  %s\n' "floor: bare Qt dialog" "$floor_ms" "$floor_mb" \
    "$(median processes "$work/floor.runs")" "$(quartiles startup_ms "$work/floor.runs")"
printf '%-34s %10s %10s %10s  %s\n' "Quibbix, 32767 words, resumed" "$ours_ms" "$ours_mb" \
    "$(median processes "$work/ours.runs")" "$(quartiles startup_ms "$work/ours.runs")"
printf '%-34s %10s %10s %10s  %s\n' "Quibbix, 5 words, resumed" "$(median startup_ms "$work/small.runs")" \
    "$(median rss_mb "$work/small.runs")" "$(median processes "$work/small.runs")" \
    "$(quartiles startup_ms "$work/small.runs")"
awk -v a="$ours_ms" -v b="$floor_ms" -v c="$ours_mb" -v d="$floor_mb" \
    'BEGIN { printf "%-34s %9.2fx %9.2fx\n", "Quibbix / floor", a / b, c / d }'
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
    alternate "kwq:probe $work KWordQuiz 2000 $work/kwq.sh"
    kwq_ms=$(median startup_ms "$work/kwq.runs")
    kwq_mb=$(median rss_mb "$work/kwq.runs")
    printf '%-34s %10s %10s\n' "KWordQuiz, 5000 words" "$kwq_ms" "$kwq_mb"
    awk -v a="$ours_ms" -v b="$kwq_ms" -v c="$ours_mb" -v d="$kwq_mb" \
        'BEGIN { printf "%-34s %9.2fx %9.2fx\n", "Quibbix / KWordQuiz", a / b, c / d }'
else
    echo "(KWordQuiz is not installed: apt-get install kwordquiz for the comparison)"
fi
printf 'key press to next word painted: %s ms (median)\n' "$key_ms"
