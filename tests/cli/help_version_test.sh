#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# One program's --help and --version as a terminal without a display sees them: the answer on
# standard output, nothing on standard error, status 0, and no data folder made or touched.
set -euo pipefail
bin=${1:?usage: help_version_test.sh BIN_DIR PROGRAM VERSION}
program=${2:?}
version=${3:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home"

fail() {
    echo "$program $*" >&2
    cat "$work/out" "$work/err" >&2
    exit 1
}

run() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" \
        XDG_DATA_HOME="$work/home/data" "$bin/$program" "$1" >"$work/out" 2>"$work/err" ||
        status=$?
    if [ "$status" != 0 ] || [ -s "$work/err" ]; then fail "$1: status $status, output:"; fi
}

run --version
# Exactly one line: the comparison drops the final newline, the byte count does not.
expected="$program $version"
if [ "$(cat "$work/out")" != "$expected" ] || [ "$(wc -c <"$work/out")" != $((${#expected} + 1)) ]; then
    fail "--version: expected \"$expected\", got:"
fi

run --help
if [ "$(head -c 7 "$work/out")" != "Usage: " ]; then fail "--help: expected \"Usage: \", got:"; fi

if [ -n "$(ls -A "$work/home")" ]; then
    find "$work/home" >"$work/out"
    fail "made files in the home folder:"
fi
