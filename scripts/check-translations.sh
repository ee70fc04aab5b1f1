#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a translation falls behind the program: a .ts file that lupdate would change
# (a text added, changed or dropped in the sources since), a text without its translation
# (unfinished, empty, or a plural form missing), or a help page still in English.
# Run by `make test`; scripts/update-translations.sh brings the .ts files up to date.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

for ts in "$root"/translations/quibbix_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$scratch/$name"
    "$root/scripts/update-translations.sh" "$scratch/$name" >/dev/null 2>&1
    if ! cmp -s "$ts" "$scratch/$name"; then
        echo "$name: not in step with the sources; run scripts/update-translations.sh" >&2
        diff -u "$ts" "$scratch/$name" | grep '^[-+] *<source>' | head -20 >&2 || true
        failed=1
    fi
    # Unfinished, or finished but empty: a whole translation or one of its plural forms.
    open=$(grep -c -e 'type="unfinished"' -e '<translation></translation>' \
        -e '<numerusform></numerusform>' "$scratch/$name" || true)
    if [ "$open" -ne 0 ]; then
        echo "$name: $open texts without a finished translation, among them:" >&2
        grep -B3 -e 'type="unfinished"' -e '<translation></translation>' \
            -e '<numerusform></numerusform>' "$scratch/$name" | grep '<source>' | head -10 >&2
        failed=1
    fi
done

for page in "$root"/resources/help/*/help.html; do
    if cmp -s "$page" "$root/resources/help/help.html"; then
        echo "${page#"$root"/}: still the English page" >&2
        failed=1
    fi
done

if [ "$failed" -eq 0 ]; then echo "translations: complete and in step with the sources"; fi
exit "$failed"
