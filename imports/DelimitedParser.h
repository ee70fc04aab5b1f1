#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Splits delimited text (CSV, TSV and the tab- or comma-separated exports of flash-card
// programs) into rows of fields. Quoting follows RFC 4180 where a field opens with a quote;
// a quote that does not close properly is taken literally and reported, so one stray quote
// does not swallow the rest of the file.

#include "imports/Diagnostics.h"

#include <string>
#include <string_view>
#include <vector>

struct ParsedField {
    std::string text;
    bool quoted = false;
};

struct ParsedRow {
    int line = 0;
    std::vector<ParsedField> fields;
};

class DelimitedParser {
public:
    // Far more columns than any word list has; a row of more is refused, and the reading
    // stops, rather than hold a field for each of millions of separators.
    static constexpr size_t kMaxFields = 1000;

    struct Options {
        char separator = '\t';
        bool quotes = true;
        // Lines that open with an unquoted '#' are comments (Anki's rule).
        bool hashComments = false;
        // Report quotes inside unquoted fields, which RFC 4180 does not allow.
        bool reportStrayQuotes = false;
        // The line number of the text's first line.
        int firstLine = 1;
    };

    // `diagnostics` must outlive the parser.
    DelimitedParser(const Options& options, Diagnostics& diagnostics, std::string fileName);

    // Reads `text` a row at a time, so that no more than one row's fields are held beside
    // it; `text` must outlive the reading.
    void Start(std::string_view text);
    // The next row in file order; false at the end, or with an error at a row of more than
    // kMaxFields fields. Blank lines and rows of empty fields are left out.
    bool Next(ParsedRow& row);

private:
    bool AtRowEnd() const;
    void SkipRowEnd();
    void SkipLine();
    ParsedField ReadField();
    bool ReadQuoted(ParsedField& field);
    ParsedField ReadUnquoted(bool reportQuotes);

    Options m_options;
    Diagnostics& m_diagnostics;
    std::string m_fileName;
    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 1;
};
