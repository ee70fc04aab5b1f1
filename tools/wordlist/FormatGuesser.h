#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Tells which format an input file is in, from its name and its first bytes, for users who
// do not say; the guess is reported so that a wrong one is easy to overrule.

#include "tools/wordlist/ImportOptions.h"

#include <string>

class FormatGuesser {
public:
    // `text` is the file's content as UTF-8 (KVTML files are looked at as they are).
    static ImportFormat Guess(const std::string& path, const std::string& text);
    static const char* Name(ImportFormat format);
    // Parses a --format value; false when it names no format.
    static bool Parse(const std::string& name, ImportFormat& format);
};
