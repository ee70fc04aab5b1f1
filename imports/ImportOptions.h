#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the user chose for one import; zero columns mean "the format's own choice".

#include <string>

// Anki is the "Notes in Plain Text" export, AnkiPackage the .apkg and .colpkg packages.
enum class ImportFormat { Guess, Tsv, Csv, Anki, Kvtml, Mnemosyne, AnkiPackage };

// What becomes of a first row that looks like column titles: it is kept with a note, skipped,
// or kept without one.
enum class HeaderRow { kNote, kSkip, kKeep };

struct ImportOptions {
    ImportFormat format = ImportFormat::Guess;
    int wordColumn = 0;        // counted from 1, as in the file
    int definitionColumn = 0;  // counted from 1, as in the file
    HeaderRow header = HeaderRow::kNote;
    bool noQuotes = false;
    bool html = false;
    bool includeDeactivated = false;
    std::string inputEncoding;  // a name TextEncoding knows; empty: found out
    char separator = 0;         // 0: the format's default or a guess
};
