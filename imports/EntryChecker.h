#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Checks what a learner types into a list exactly as the word-list tool's import checks a
// file's entries, with the same messages: the byte limits of the fields, the chosen storage
// encoding, control characters and whatever would break the record. A word edited on another
// computer, as its journal brings it, is checked here too.

#include "engine/WordRecord.h"
#include "imports/FieldEncoder.h"

#include <string>

class EntryChecker {
public:
    explicit EntryChecker(FieldEncoder::Encoding encoding = FieldEncoder::Encoding::Auto)
        : m_encoding(encoding) {}

    // Each stores the UTF-8 text given, trimmed as import trims it, in the bytes of its field
    // of `record`; false with `problem` set, and `record` untouched, when it is refused.
    bool Word(const std::string& word, WordRecord& record, std::string& problem) const;
    // `word` is only named in the message.
    bool Definition(const std::string& word, const std::string& definition, WordRecord& record,
                    std::string& problem) const;
    bool Entry(const std::string& word, const std::string& definition, WordRecord& record,
               std::string& problem) const;

private:
    // The import's encoding of one entry, then the check of the record it makes.
    bool Encode(const std::string& word, const std::string& definition, WordRecord& encoded,
                std::string& problem) const;

    FieldEncoder::Encoding m_encoding;
};
