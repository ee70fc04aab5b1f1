// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/DelimitedParser.h"

#include "engine/LearnersWords.h"

#include <algorithm>

DelimitedParser::DelimitedParser(const Options& options, Diagnostics& diagnostics,
                                 std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

void DelimitedParser::Start(std::string_view text) {
    m_text = text;
    m_pos = 0;
    m_line = m_options.firstLine;
}

bool DelimitedParser::Next(ParsedRow& row) {
    while (m_pos < m_text.size()) {
        if (m_options.hashComments && m_text[m_pos] == '#') {
            SkipLine();
            continue;
        }
        row.line = m_line;
        row.fields.clear();
        for (;;) {
            if (row.fields.size() == kMaxFields) {
                m_diagnostics.Error(
                    m_fileName, m_line,
                    LearnersWords::Filled(
                        LearnersWords::Said(
                            "Import",
                            "more than %1 fields on one line; the file is read no further"),
                        {std::to_string(kMaxFields)}));
                m_pos = m_text.size();
                return false;
            }
            row.fields.push_back(ReadField());
            if (AtRowEnd()) break;
            ++m_pos;  // the separator
        }
        SkipRowEnd();
        bool hasText = false;
        for (const ParsedField& field : row.fields)
            hasText = hasText || !field.text.empty() || field.quoted;
        if (hasText) return true;
    }
    return false;
}

bool DelimitedParser::AtRowEnd() const {
    return m_pos >= m_text.size() || m_text[m_pos] == '\n' ||
           (m_text[m_pos] == '\r' && (m_pos + 1 >= m_text.size() || m_text[m_pos + 1] == '\n'));
}

void DelimitedParser::SkipRowEnd() {
    if (m_pos < m_text.size() && m_text[m_pos] == '\r') ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n') {
        ++m_pos;
        ++m_line;
    }
}

void DelimitedParser::SkipLine() {
    const size_t end = m_text.find('\n', m_pos);
    m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
    ++m_line;
}

ParsedField DelimitedParser::ReadField() {
    if (m_options.quotes && m_pos < m_text.size() && m_text[m_pos] == '"') {
        ParsedField field;
        if (ReadQuoted(field)) return field;
        m_diagnostics.Warning(
            m_fileName, m_line,
            LearnersWords::Said(
                "Import", "quote that does not close the field; the field is read as written"));
        return ReadUnquoted(false);
    }
    return ReadUnquoted(m_options.reportStrayQuotes);
}

// Leaves the position unchanged and returns false unless the quote closes right before a
// separator or the end of a row.
bool DelimitedParser::ReadQuoted(ParsedField& field) {
    // Where the field ends is found first, so that its text is copied once into a string of
    // its size: a quoted field may be most of the file.
    size_t end = m_pos + 1;
    for (;; end += 2) {
        end = m_text.find('"', end);
        if (end == std::string_view::npos) return false;
        if (end + 1 >= m_text.size() || m_text[end + 1] != '"') break;
    }
    const size_t saved = m_pos;
    m_pos = end + 1;
    if (!AtRowEnd() && m_text[m_pos] != m_options.separator) {
        m_pos = saved;
        return false;
    }
    const std::string_view quoted = m_text.substr(saved + 1, end - saved - 1);
    field.text.clear();
    field.text.reserve(quoted.size());
    for (size_t pos = 0; pos < quoted.size();) {
        const size_t quote = std::min(quoted.find('"', pos), quoted.size());
        field.text.append(quoted.substr(pos, quote - pos));
        if (quote < quoted.size()) field.text.push_back('"');
        pos = quote + 2;  // past an escaped quote's pair
    }
    field.quoted = true;
    m_line += static_cast<int>(std::count(quoted.begin(), quoted.end(), '\n'));
    return true;
}

ParsedField DelimitedParser::ReadUnquoted(bool reportQuotes) {
    ParsedField field;
    const size_t start = m_pos;
    while (!AtRowEnd() && m_text[m_pos] != m_options.separator) ++m_pos;
    field.text = std::string(m_text.substr(start, m_pos - start));
    if (reportQuotes && field.text.find('"') != std::string::npos) {
        m_diagnostics.Warning(
            m_fileName, m_line,
            LearnersWords::Said("Import", "quote inside an unquoted field, taken literally"));
    }
    return field;
}
