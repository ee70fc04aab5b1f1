#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Tells a first row of column titles from a first entry, in the languages learners keep
// their lists in: "word,definition", "слово,перевод", "Russian,English", "Wort;Bedeutung",
// "単語,意味". The titles of the word's column, of the definition's, and language names,
// which either column may carry, in English, German, French, Spanish, Portuguese, Russian,
// Chinese, Japanese and Korean, matched whole and in any case.

#include <string>

class ColumnTitles {
public:
    // Whether `word` and `definition` read as the titles of their two columns.
    static bool AreTitles(const std::string& word, const std::string& definition);
};
