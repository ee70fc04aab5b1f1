// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/DelimitedParser.h"

DelimitedParser::DelimitedParser(const Options& options, Diagnostics& diagnostics,
                                 std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

std::vector<ParsedRow> DelimitedParser::Parse(std::string_view text) {
    m_text = text;
    m_pos = 0;
    m_line = m_options.firstLine;
    std::vector<ParsedRow> rows;
    while (m_pos < m_text.size()) {
        if (m_options.hashComments && m_text[m_pos] == '#') {
            SkipLine();
            continue;
        }
        ParsedRow row;
        row.line = m_line;
        for (;;) {
            row.fields.push_back(ReadField());
            if (AtRowEnd()) break;
            ++m_pos;  // the separator
        }
        SkipRowEnd();
        bool hasText = false;
        for (const ParsedField& field : row.fields)
            hasText = hasText || !field.text.empty() || field.quoted;
        if (hasText) rows.push_back(std::move(row));
    }
    return rows;
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
        m_diagnostics.Warning(m_fileName, m_line,
                              "quote that does not close the field; the field is read as written");
        return ReadUnquoted(false);
    }
    return ReadUnquoted(m_options.reportStrayQuotes);
}

// Leaves the position unchanged and returns false unless the quote closes right before a
// separator or the end of a row.
bool DelimitedParser::ReadQuoted(ParsedField& field) {
    size_t pos = m_pos + 1;
    int lines = 0;
    std::string text;
    while (pos < m_text.size()) {
        const char c = m_text[pos];
        if (c != '"') {
            if (c == '\n') ++lines;
            text.push_back(c);
            ++pos;
            continue;
        }
        if (pos + 1 < m_text.size() && m_text[pos + 1] == '"') {
            text.push_back('"');
            pos += 2;
            continue;
        }
        const size_t saved = m_pos;
        m_pos = pos + 1;
        if (AtRowEnd() || m_text[m_pos] == m_options.separator) {
            field.text = std::move(text);
            field.quoted = true;
            m_line += lines;
            return true;
        }
        m_pos = saved;
        return false;
    }
    return false;
}

ParsedField DelimitedParser::ReadUnquoted(bool reportQuotes) {
    ParsedField field;
    const size_t start = m_pos;
    while (!AtRowEnd() && m_text[m_pos] != m_options.separator) ++m_pos;
    field.text = std::string(m_text.substr(start, m_pos - start));
    if (reportQuotes && field.text.find('"') != std::string::npos) {
        m_diagnostics.Warning(m_fileName, m_line,
                              "quote inside an unquoted field, taken literally");
    }
    return field;
}
