#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Splits delimited text (CSV, TSV and the tab- or comma-separated exports of flash-card
// programs) into rows of fields. Quoting follows RFC 4180 where a field opens with a quote;
// a quote that does not close properly is taken literally and reported, so one stray quote
// does not swallow the rest of the file.

#include <string>
#include <string_view>
#include <vector>

#include "imports/Diagnostics.h"

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

    // Rows in file order; blank lines and rows of empty fields are left out.
    std::vector<ParsedRow> Parse(std::string_view text);

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
