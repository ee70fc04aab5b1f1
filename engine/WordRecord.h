#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One word of a word list as the program shows it: the word and its definition in
// Windows-1252 bytes, without the padding of their fixed-size fields.

#include <string>

struct WordRecord {
    std::string word;
    std::string definition;

    bool operator==(const WordRecord& other) const {
        return word == other.word && definition == other.definition;
    }
};
