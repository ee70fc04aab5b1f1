#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# quibbix-launch --choose on a first start lays out the first list before the chooser shows
# it, as a plain start would. The chooser is given no display to open on: it ends at once,
# after the launcher's part is done.
set -euo pipefail
bin=${1:?usage: choose_first_list_test.sh BIN_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=none \
    "$bin/quibbix-launch" --choose >/dev/null 2>&1 || true
list=$work/data/quibbix/list/kelvo.lst
if [ ! -s "$list" ]; then
    echo "quibbix-launch --choose left no first list at $list" >&2
    exit 1
fi
