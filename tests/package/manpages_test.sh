#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Each program's manual page stays true to its --help: every subcommand quibbix-wordlist
# lists, and every option any of the programs takes, is in the page.
set -euo pipefail
pages=$(cd "${1:?usage: manpages_test.sh SOURCE_ROOT BIN_DIR}" && pwd)/packaging/man
bin=${2:?usage: manpages_test.sh SOURCE_ROOT BIN_DIR}
missing=0

# The page as words: font changes dropped, escaped hyphens plain.
plain() { sed -e 's/\\f[BIRP]//g' -e 's/\\f\[[A-Z]*\]//g' -e 's/\\-/-/g' "$1"; }

for program in quibbix quibbix-launch quibbix-drive quibbix-wordlist; do
    page=$pages/$program.1
    [ -f "$page" ] || { echo "$program: no manual page $page"; missing=1; continue; }
    text=$(plain "$page")
    help=$(QT_QPA_PLATFORM=offscreen "$bin/$program" --help)
    for option in $(grep -oE -- '(^|[^a-z-])--?[a-z][a-z0-9-]*' <<<"$help" | grep -oE -- '--?[a-z][a-z0-9-]*' | sort -u); do
        # Only options, not hyphenated words of the prose ("-o", "--format", not "tab-separated").
        case $option in --*|-o) ;; *) continue ;; esac
        grep -qE -- "(^|[^a-z0-9-])$option([^a-z0-9-]|$)" <<<"$text" ||
            { echo "$program: $option is not in $page"; missing=1; }
    done
done

# Subcommands stand at the start of a line in the help, each under its own heading here.
text=$(plain "$pages/quibbix-wordlist.1")
for command in $("$bin/quibbix-wordlist" --help | sed -nE 's/^  ([a-z]+)( .*)?$/\1/p' | sort -u); do
    grep -qE "^\.B $command( |$)" <<<"$text" ||
        { echo "quibbix-wordlist: the subcommand $command is not in its page"; missing=1; }
done
exit $missing
