#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A word said through the speech module reaches the desktop's sound: a private PulseAudio with
# a null sink and a private speech-dispatcher speaking into it with espeak-ng, the sink's
# monitor recorded while the probe says the word. The recording must hold sound about as
# long as espeak-ng's own rendering of the word. Prints the engine's start-up and the time
# from the request to speaking. Skipped (77) without the packages.
#   speech_audio_test.sh BIN_DIR [SANITIZED]
set -uo pipefail
bin=$1
# The speech-dispatcher client library finds each line of the voice list with strstr over
# the rest of the list; the address sanitizer's strstr measures the whole rest on every call,
# which turns the thousands of espeak-ng voices into half a minute of start-up.
if [ "${2:-0}" = 1 ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strstr=0"
fi
probe=$bin/quibbix-test-speech
module=$bin/../lib/quibbix/quibbix-speech.so
word=${QUIBBIX_SPEECH_WORD:-elephant}
language=${QUIBBIX_SPEECH_LANGUAGE:-en}
rate=22050

for tool in pulseaudio parecord pactl speech-dispatcher espeak-ng; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
for file in "$probe" "$module" /usr/lib/speech-dispatcher-modules/sd_espeak-ng; do
    [ -e "$file" ] || { echo "skipped: no $file"; exit 77; }
done
ls /usr/lib/*/qt6/plugins/texttospeech/libqtexttospeech_speechd.so >/dev/null 2>&1 ||
    { echo "skipped: no Qt speech-dispatcher plugin"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Everything private to this run: no user's sound server or speech service is touched.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L "module-native-protocol-unix auth-anonymous=1" \
    -L "module-null-sink sink_name=quibbix_null rate=$rate channels=1" \
    >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink quibbix_null || { cat "$work/pulse.log"; echo "FAIL: no PulseAudio"; exit 1; }

speech-dispatcher -s -t 0 -c unix_socket -S "$XDG_RUNTIME_DIR/speechd.sock" \
    -P "$work/speechd.pid" -L "$work" >"$work/speechd.out" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speechd.sock" ] && break; sleep 0.1; done

parecord --raw --format=s16le --rate=$rate --channels=1 -d quibbix_null.monitor \
    "$work/heard.raw" &
pids+=($!)
sleep 0.5

"$probe" say "$word" "$language" >"$work/probe.out" 2>&1
status=$?
cat "$work/probe.out"
sleep 0.5
kill "${pids[-1]}"
if [ $status -ne 0 ]; then
    echo "FAIL: the probe ended with $status"
    cat "$work/speechd.out" "$work"/*.log 2>/dev/null | tail -20
    exit 1
fi

espeak-ng -v "$language" -w "$work/espeak.wav" "$word"
read -r _ heard_ms < <("$probe" measure "$work/heard.raw" $rate |
    sed 's/onset_ms=\(-*[0-9]*\) sound_ms=\([0-9]*\)/\1 \2/')
read -r _ espeak_ms < <("$probe" measure "$work/espeak.wav" 22050 44 |
    sed 's/onset_ms=\(-*[0-9]*\) sound_ms=\([0-9]*\)/\1 \2/')
echo "heard: ${heard_ms} ms of sound; espeak-ng renders \"$word\" in ${espeak_ms} ms"
# The service's rate and pauses differ a little from espeak-ng's own: the word, not another
# text or a click, is what lasts about as long.
if [ "$heard_ms" -lt $((espeak_ms / 2)) ] || [ "$heard_ms" -gt $((espeak_ms * 2)) ]; then
    echo "FAIL: the sound heard does not match the word"
    exit 1
fi

# A card's own recording, played as P plays it, is heard whole: a second of tone.
tone=$work/tone.wav
python3 - "$tone" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1); out.setsampwidth(2); out.setframerate(22050)
    out.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(i / 5)))
                             for i in range(22050)))
PY
parecord --raw --format=s16le --rate=$rate --channels=1 -d quibbix_null.monitor \
    "$work/played.raw" &
recorder=$!
sleep 0.5
"$probe" play "$tone" || { echo "FAIL: the recording did not play"; exit 1; }
sleep 0.5
kill $recorder
read -r _ played_ms < <("$probe" measure "$work/played.raw" $rate |
    sed 's/onset_ms=\(-*[0-9]*\) sound_ms=\([0-9]*\)/\1 \2/')
echo "played: ${played_ms} ms of a 1000 ms recording"
if [ "$played_ms" -lt 800 ] || [ "$played_ms" -gt 1300 ]; then
    echo "FAIL: the recording heard is not the card's"
    exit 1
fi
echo "PASS"
