#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package, unpacks it into a scratch root, validates its menu entry and
# metainfo, checks it with lintian when that is installed, and starts the unpacked program
# under Xvfb on its default word list with a scratch data home; the launcher must lay out the
# user's directory there.
set -euo pipefail
build=$(cd "${1:?usage: package_test.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do pkill -P "$pid" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb=$(ls "$work"/out/quibbix_*.deb)
dpkg -x "$deb" "$work/root"
root=$work/root/usr
desktop-file-validate "$root/share/applications/io.quibbix.Quibbix.desktop"
appstreamcli validate --no-net "$root/share/metainfo/io.quibbix.Quibbix.metainfo.xml" >/dev/null
# The MIME definitions compile into a database of their own.
mkdir -p "$work/mime/packages"
cp "$root/share/mime/packages/io.quibbix.Quibbix.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
test -s "$work/mime/application/x-kvtml.xml"
for size in 16 32 48 256; do test -s "$root/share/icons/hicolor/${size}x${size}/apps/quibbix.png"; done
test -s "$root/share/quibbix/list/kelvo.lst"
test "$(stat -c %s "$root/share/quibbix/list/GUISetting.cfg")" = 140
grep -q '^License: GPL-2+$' "$root/share/doc/quibbix/copyright"
grep -q '^License: WordNet$' "$root/share/doc/quibbix/copyright"
# A user's programs have manual pages; the helpers only Quibbix starts lie out of the path.
for program in "$root"/bin/*; do
    test -s "$root/share/man/man1/$(basename "$program").1.gz" ||
        { echo "no manual page for $program"; exit 1; }
done
for helper in quibbix-emf2svg quibbix-chooser; do
    test -x "$root/libexec/quibbix/$helper"
    test ! -e "$root/bin/$helper"
done
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/share/doc/quibbix/changelog.gz" | head -n 1 | grep -qF "quibbix ($version)"
# Debian's own checks, when they are installed: no error and no warning.
if command -v lintian >/dev/null; then
    if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
        cat "$work/lintian"
        exit 1
    fi
fi
# The progress window's module lies where the program looks for it, and only it needs charts.
test -s "$root/lib/quibbix/quibbix-progress.so"
dpkg-deb -f "$deb" Depends | grep -q libqt6charts6
! ldd "$root/bin/quibbix" | grep -q Charts
# So does the voice's, and only it needs the speech library.
test -s "$root/lib/quibbix/quibbix-speech.so"
! ldd "$root/bin/quibbix" | grep -q TextToSpeech

: >"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export XDG_DATA_HOME=$work/home
unset QT_QPA_PLATFORM
# A user's own settings are never replaced by the defaults.
home=$XDG_DATA_HOME/quibbix
mkdir -p "$home/list"
printf 'my own settings' >"$home/list/GUISetting.cfg"
"$root/bin/quibbix-launch" &
pids+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^Quibbix$' >/dev/null

cmp "$root/share/quibbix/list/kelvo.lst" "$home/list/kelvo.lst"
test "$(cat "$home/list/GUISetting.cfg")" = 'my own settings'
test -s "$home/list/BreakOver.WAV"
# The first run draws its order of all words at once.
for _ in $(seq 50); do [ -s "$home/session/tobeviewed.txt" ] && break; sleep 0.1; done
test -s "$home/session/tobeviewed.txt"

# A file to study goes through the chooser in libexec/, which hands over to the program in bin/.
printf 'hello\tgreeting\nworld\tthe earth\n' >"$work/words.tsv"
"$root/bin/quibbix-launch" "$work/words.tsv" &
pids+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^Quibbix — words$' >/dev/null
echo "package $(basename "$deb") installs and starts"
