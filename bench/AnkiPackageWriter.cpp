// SPDX-License-Identifier: GPL-2.0-or-later
// Writes an Anki package of N notes in the current schema, as the import benchmark builds
// it, for bench/imports.sh to time the tool on:  quibbix-bench-anki-package PATH N
#include "tests/wordlist/AnkiPackageBuilder.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PATH NOTES\n", argv[0]);
        return 2;
    }
    const int notes = std::atoi(argv[2]);
    AnkiPackageBuilder::WritePackage(argv[1], AnkiPackageBuilder::SampleDeck(notes));
    return 0;
}
