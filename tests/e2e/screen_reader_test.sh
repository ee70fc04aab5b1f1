#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The study window, or with "chooser" the window to choose a list in, as a screen reader
# meets it: the program on Xvfb under openbox, with the accessibility bus on a private session
# bus, driven by screen_reader_test.py through AT-SPI.
#   screen_reader_test.sh BIN_DIR LIST_DIR [chooser]
# Exits 77 (skipped) without the accessibility bus, python3-gi with its AT-SPI bindings,
# Xvfb or openbox.
set -euo pipefail
bin=$(cd "${1:?usage: screen_reader_test.sh BIN_DIR LIST_DIR}" && pwd)
list=$(cd "${2:?usage: screen_reader_test.sh BIN_DIR LIST_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
mode=${3:-study}

launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    if [ -x "$candidate" ]; then launcher=$candidate; fi
done
# The system's own python, which python3-gi is installed for.
python=/usr/bin/python3
if [ -z "$launcher" ] || ! command -v dbus-run-session >/dev/null ||
    ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null ||
    ! "$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "at-spi2-core, dbus, python3-gi, gir1.2-atspi-2.0, Xvfb or openbox is missing: skipped"
    exit 77
fi

# Everything below runs on a session bus of its own, which ends with it.
if [ -z "${QUIBBIX_A11Y_SESSION:-}" ]; then
    exec dbus-run-session -- env QUIBBIX_A11Y_SESSION=1 bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAILED: $*" >&2
    [ -f "$work/quibbix.txt" ] && sed 's/^/quibbix: /' "$work/quibbix.txt" >&2
    exit 1
}

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/study/list"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$list"/* "$work/study/list/"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the window manager runs is taken over without the focus.
if command -v xprop >/dev/null; then
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
else
    sleep 1
fi
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)

# The screen reader listens before the program starts, as it would on a desktop.
"$python" "$here/screen_reader_test.py" "$work/ready" "$mode" &
reader=$!
for _ in $(seq 200); do [ -s "$work/ready" ] && break; sleep 0.05; done
[ -s "$work/ready" ] || fail "the AT-SPI client did not start listening"

program=quibbix
if [ "$mode" = chooser ]; then
    # Two lists, so that the chooser opens.
    for name in French German; do
        printf 'mot\tword\n' >"$work/$name.tsv"
        "$bin/quibbix-wordlist" add "$work/$name.tsv" --name "$name" >/dev/null ||
            fail "the list $name was not added"
    done
    program=quibbix-chooser
fi
(cd "$work/study" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=en LC_ALL=C.UTF-8 \
    exec "$bin/$program" >"$work/quibbix.txt" 2>&1) &
pids+=($!)

wait "$reader" || fail "the $mode window as a screen reader meets it"
