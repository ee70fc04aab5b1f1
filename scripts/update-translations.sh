#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Extracts every translatable text of the program into translations/*.ts, keeping what the
# translators wrote and dropping texts the program no longer has. The libraries say their
# texts through LearnersWords::Said(context, text), read here as Qt's translate.
# Usage: scripts/update-translations.sh [TS-FILE...]   (all six when none is named)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
if [ $# -eq 0 ]; then set -- translations/quibbix_*.ts; fi
for ts in "$@"; do
    # A new file takes its language from its name; an existing one keeps its own.
    language=$(basename "$ts" .ts)
    [ -e "$ts" ] && language= || language="-target-language ${language#quibbix_}"
    # shellcheck disable=SC2086
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h $language \
        -tr-function-alias translate+=Said \
        -I "$root" app engine imports launch lists platform posix sync translations ui windowfit resources/DialogTexts.cpp -ts "$ts"
done
