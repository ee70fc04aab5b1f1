#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One word of a word list as the program shows it: the word and its definition in the bytes
// of their fields (Windows-1252 or UTF-8, see FieldText), without the padding.

#include <string>

struct WordRecord {
    std::string word;
    std::string definition;

    bool operator==(const WordRecord& other) const {
        return word == other.word && definition == other.definition;
    }
};
