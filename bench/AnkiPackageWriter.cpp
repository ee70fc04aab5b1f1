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
    AnkiPackageContents contents;
    contents.decks = {{1, "Default"}, {2, "English::GRE"}};
    for (int i = 0; i < notes; ++i) {
        const std::string n = std::to_string(i);
        contents.notes.push_back(
            {{"<b>word" + n + "</b>",
              "a <i>definition</i> of word " + n + "&nbsp;<br>with a second line", "extra"},
             2});
    }
    contents.media = {{"picture.jpg", std::string(4096, 'p')}};
    AnkiPackageBuilder::WritePackage(argv[1], contents);
    return 0;
}
