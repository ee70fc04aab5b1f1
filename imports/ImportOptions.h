#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the user chose for one import; zero columns mean "the format's own choice".

#include <string>

// Anki is the "Notes in Plain Text" export, AnkiPackage the .apkg and .colpkg packages.
enum class ImportFormat { Guess, Tsv, Csv, Anki, Kvtml, Mnemosyne, AnkiPackage };

struct ImportOptions {
    ImportFormat format = ImportFormat::Guess;
    int wordColumn = 0;        // counted from 1, as in the file
    int definitionColumn = 0;  // counted from 1, as in the file
    bool header = false;
    bool noQuotes = false;
    bool html = false;
    bool includeDeactivated = false;
    bool cp1252Input = false;
    char separator = 0;  // 0: the format's default or a guess
};
