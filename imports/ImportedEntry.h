#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One entry as an importer read it: UTF-8 texts not yet checked against the record limits,
// and the input line it came from, for messages.

#include "engine/LearnersWords.h"
#include "engine/ListRec.h"
#include "imports/CardMedia.h"

#include <cstddef>
#include <string>

struct ImportedEntry {
    int line = 0;
    std::string word;
    std::string definition;
    CardMedia media;  // references the importer's MediaSource fetches
};

// A list holds at most kMaxStudyWords words, so an importer stops at the entry past that
// rather than read on through a file it will refuse.
constexpr size_t kMaxImportedEntries = kMaxStudyWords;

// The refusal an importer reports, at the line of the entry past kMaxImportedEntries.
inline std::string TooManyEntries() {
    return LearnersWords::Filled(
        LearnersWords::Said(
            "Import",
            "more than %1 entries, the most a list can hold; the file is read no further"),
        {std::to_string(kMaxImportedEntries)});
}
