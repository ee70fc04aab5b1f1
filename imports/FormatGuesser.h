#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Tells which format an input file is in, from its name and its first bytes, for users who
// do not say; the guess is reported so that a wrong one is easy to overrule.

#include "imports/ImportOptions.h"

#include <string>
#include <string_view>

class FormatGuesser {
public:
    // `text` is the file's content as UTF-8 (KVTML files are looked at as they are).
    static ImportFormat Guess(const std::string& path, std::string_view text);
    // `head` is the file's first bytes (eight are enough). A spreadsheet is known by its name
    // or, for the zip-based ones, by what its archive holds.
    static bool IsSpreadsheet(const std::string& path, const std::string& head);
    // Any other zip archive is taken for an Anki package, so that one that is not gets a
    // message about what it lacks.
    static bool IsAnkiPackage(const std::string& path, const std::string& head);
    static const char* Name(ImportFormat format);
    // Parses a --format value; false when it names no format.
    static bool Parse(const std::string& name, ImportFormat& format);
};
