#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Speech figures, median of QUIBBIX_SPEECH_RUNS (5) runs of the speech test, each with its own
# PulseAudio null sink and speech-dispatcher: how long the engine takes to start on its
# thread (the time a P pressed with the very first word waits), and from a request to
# speaking once it runs (what a later P waits).
#   bench/speech.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for _ in $(seq "${QUIBBIX_SPEECH_RUNS:-5}"); do
    status=0
    bash "$here/../tests/speech/speech_audio_test.sh" "$build/bin" >>"$out" 2>&1 || status=$?
    if [ "$status" -eq 77 ]; then grep skipped "$out"; exit 0; fi
    [ "$status" -eq 0 ] || { tail -5 "$out"; exit 1; }
done
median() {
    grep "^$1=" "$out" | cut -d= -f2 | sort -n |
        awk '{ v[NR] = $1 } END { printf "%.0f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '%-44s %8s\n' "" "ms"
printf '%-44s %8s\n' "speech engine started, on its own thread" "$(median engine_ready_ms)"
printf '%-44s %8s\n' "request to speaking, engine running" "$(median say_to_speaking_ms)"
